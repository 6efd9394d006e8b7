#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cmath>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Artwork.h"
#include "GameData.h"
#include "Integer.h"
#include "PayTable.h"
#include "ShowCentredModal.h"
#include "Twips.h"
#include "WinningHands.h"

// Failures print rectangles, points and pictures readably rather than as raw bytes.
static void PrintTo(const QRect& r, std::ostream* os) {
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
static void PrintTo(const QPoint& p, std::ostream* os) {
    *os << "(" << p.x() << ", " << p.y() << ")";
}
static void PrintTo(const QImage& image, std::ostream* os) {
    *os << "image " << image.width() << " x " << image.height() << " #" << image.cacheKey();
}

namespace vantorel {
namespace {

// A control the window must have; a missing one fails the test that asked for it.
template <typename T = QLabel>
T& Get(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) throw std::logic_error("no control named " + name.toStdString());
    return *found;
}
std::string Text(const QWidget& window, const QString& name) {
    return Get(window, name).text().toStdString();
}
std::string Title(const QWidget& window, const QString& name) {
    return Get<QGroupBox>(window, name).title().toStdString();
}
QString WinValName(HandCode code) {
    return QStringLiteral("WinVal_%1").arg(static_cast<int>(code));
}
QString BreakName(int index) {
    return QStringLiteral("Break_%1").arg(index);
}
QImage IconImage(const QIcon& icon) {
    return icon.pixmap(QSize(32, 32)).toImage();
}

constexpr int InformationBalloon = 1;
constexpr int QuestionBalloon = 2;

// The nine rows as the window must show them, top to bottom.
struct ExpectedRow {
    HandCode code;
    const char* nameLabel;
    const char* name;
    int leftBreak;
    const char* descriptionLabel;
    const char* description;
    int rightBreak;
    const char* payTableText;
};

constexpr std::array<ExpectedRow, 9> ExpectedRows{{
    {HandCode::Royal, "Royal", "Royal Flush", 0, "RoyalDesc", "A,K,Q,J,10 of the same suit.", 17,
     "1000"},
    {HandCode::RunFlush, "RunFlush", "Running Flush", 8, "RunFlushDesc",
     "Five consecutive cards of the same suit.", 9, "50"},
    {HandCode::FourKind, "FourKind", "Four of a Kind", 7, "FourKindDesc",
     "Four cards of the same value.", 10, "25"},
    {HandCode::FullHouse, "FullHouse", "Full House", 6, "FullHDesc",
     "Three cards of the same value and any pair.", 11, "8"},
    {HandCode::Flush, "Flush", "Flush", 5, "FlushDesc", "Five cards of the same suit.", 12, "5"},
    {HandCode::Run, "Run", "Run", 4, "RunDesc", "Five consecutive cards of any suit.", 13, "4"},
    {HandCode::ThreeKind, "ThreeKind", "Three of a Kind", 3, "ThreeKindDesc",
     "Three cards of the same value.", 14, "3"},
    {HandCode::TwoPair, "TwoPair", "Two Pairs", 2, "TwoPairDesc", "Two pairs.", 15, "2"},
    {HandCode::JackBetter, "JackBetter", "Jacks or Better", 1, "JacksDesc", "One pair J,Q,K,A.", 16,
     "1"},
}};

class WinningHandsTest : public ::testing::Test {
  protected:
    std::unique_ptr<WinningHands> Open(Flag showPayTable) {
        game.ShowPayTable = showPayTable;
        return std::make_unique<WinningHands>(game, nullptr);
    }

    GameData game;
};

TEST_F(WinningHandsTest, ShowsTheCaptionsRowsAndValuesOfItsMode) {
    struct ModeRow {
        const char* name;
        Flag showPayTable;
        const char* windowTitle;
        const char* frameCaption;
        const char* valueHeader;
        int icon;
    };
    const char* const statistics = "Vantorel - Game Statistics";
    const char* const breakdown = "Breakdown of Winning Hands.";
    const std::array<ModeRow, 3> modes{{
        {"TrueShowsThePayTable", FlagTrue, "Vantorel - Winning Hands",
         "A list of winning hands, a short description and their values...", "Value (*Bet Placed)",
         QuestionBalloon},
        {"FalseShowsTheStatistics", FlagFalse, statistics, breakdown, "Frequency",
         InformationBalloon},
        {"OneIsNotExactlyTrue", 1, statistics, breakdown, "Frequency", InformationBalloon},
    }};
    game.HandStats.fill(7);  // counts that must not show through the pay table
    for (const ModeRow& mode : modes) {
        SCOPED_TRACE(mode.name);
        const bool payTable = mode.showPayTable == FlagTrue;
        const auto window = Open(mode.showPayTable);
        EXPECT_EQ(mode.windowTitle, window->windowTitle().toStdString());
        EXPECT_EQ(mode.frameCaption, Title(*window, "WinHandFrame"));
        EXPECT_EQ(mode.valueHeader, Text(*window, "Value_Clmn"));
        EXPECT_EQ("Hand", Text(*window, "Hand_Clmn"));
        EXPECT_EQ("Description", Text(*window, "Desc_Clmn"));
        EXPECT_EQ("O.K", Get<QPushButton>(*window, "Close_Winning_Hands").text().toStdString());
        EXPECT_EQ(payTable, Get<QGroupBox>(*window, "HandsPlayed").isHidden());
        EXPECT_EQ(IconImage(art::IconBankIcon(mode.icon)), IconImage(window->windowIcon()));

        // Rows run top to bottom in the table's order, each on one line, its five labels left to
        // right without overlapping: so Jacks or Better (WinVal_1) is the bottom row and Two
        // Pairs (WinVal_2) the row above it.
        int previousTop = -1;
        for (const ExpectedRow& row : ExpectedRows) {
            SCOPED_TRACE(row.nameLabel);
            const std::array<QString, 5> names{row.nameLabel, BreakName(row.leftBreak),
                                               row.descriptionLabel, BreakName(row.rightBreak),
                                               WinValName(row.code)};
            const std::array<std::string, 5> texts{row.name, ":-", row.description, "=",
                                                   payTable ? row.payTableText : "7"};
            const QRect first = Get(*window, names[0]).geometry();
            EXPECT_GT(first.y(), previousTop);
            previousTop = first.y();
            int previousRight = first.x();
            for (std::size_t i = 0; i < names.size(); ++i) {
                const QLabel& label = Get(*window, names[i]);
                EXPECT_EQ(texts[i], label.text().toStdString());
                EXPECT_EQ(first.y(), label.y()) << names[i].toStdString();
                EXPECT_LE(previousRight, label.x()) << names[i].toStdString();
                previousRight = label.x() + label.width();
            }
            if (payTable) {
                EXPECT_EQ(std::to_string(Multiplier(row.code)), texts[4]);
            }
        }
    }
}

// Counts show bare; the totals carry a blank where a minus sign would stand, and the sum of the
// nine counters, far past 32767 when they are full, stops at the edges of the range.
TEST_F(WinningHandsTest, StatisticsShowTheCountsAndTotals) {
    struct StatisticsRow {
        const char* name;
        std::array<Integer, 11> handStats;  // 1..9 wins by hand code, 10 hands played
        const char* handsPlayed;
        const char* won;
        const char* lost;
    };
    std::array<Integer, 11> full{};
    full.fill(IntegerMax);
    const std::array<StatisticsRow, 5> rows{{
        {"RightAfterANewGame", {}, "Of  0 hands played...", " 0", " 0"},
        {"TwelveHands", {0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 12}, "Of  12 hands played...", " 3", " 9"},
        {"EveryKind", {0, 9, 8, 7, 6, 5, 4, 3, 2, 1, 37}, "Of  37 hands played...", " 45", "-8"},
        {"WinsOverHands", {0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2}, "Of  2 hands played...", " 3", "-1"},
        {"EveryCounterFull", full, "Of  32767 hands played...", " 32767", "-32768"},
    }};
    for (const StatisticsRow& row : rows) {
        SCOPED_TRACE(row.name);
        game.HandStats = row.handStats;
        const auto window = Open(FlagFalse);
        EXPECT_EQ(row.handsPlayed, Title(*window, "HandsPlayed"));
        for (int code = 1; code <= HandCodeCount; ++code) {
            EXPECT_EQ(std::to_string(row.handStats[code]),
                      Text(*window, WinValName(static_cast<HandCode>(code))))
                << "hand code " << code;
        }
        EXPECT_EQ("Total Won", Text(*window, "Total_Won"));
        EXPECT_EQ("Total Lost", Text(*window, "Total_Lost"));
        EXPECT_EQ(row.won, Text(*window, "Won"));
        EXPECT_EQ(row.lost, Text(*window, "Lost"));
        EXPECT_EQ(row.handStats, game.HandStats) << "the window only reads the counters";
    }
}

// O.K, which has the focus, clears the flag; the close box leaves it as it was, 1 included.
TEST_F(WinningHandsTest, OkClearsTheFlagAndTheCloseBoxLeavesIt) {
    for (const Flag flag : {FlagTrue, Flag{1}}) {
        SCOPED_TRACE(flag);
        const auto viaOk = Open(flag);
        viaOk->show();
        auto& button = Get<QPushButton>(*viaOk, "Close_Winning_Hands");
        EXPECT_EQ(&button, viaOk->focusWidget());
        button.click();
        EXPECT_EQ(FlagFalse, game.ShowPayTable);
        EXPECT_FALSE(viaOk->isVisible());
        EXPECT_EQ(QDialog::Accepted, viaOk->result());

        const auto viaCloseBox = Open(flag);
        viaCloseBox->show();
        EXPECT_TRUE(viaCloseBox->close());
        EXPECT_EQ(flag, game.ShowPayTable);
        EXPECT_EQ(QDialog::Rejected, viaCloseBox->result());
    }
}

// Every text the window can show must fit its box whole, in both modes and at the edges of the
// 16-bit range, with the desktop's own default font.
TEST_F(WinningHandsTest, NoTextIsCutOff) {
    for (const auto& [flag, count] :
         {std::pair{FlagTrue, 0}, {FlagFalse, IntegerMax}, {FlagFalse, IntegerMin}}) {
        game.HandStats.fill(static_cast<Integer>(count));
        const auto window = Open(flag);
        SCOPED_TRACE(window->windowTitle().toStdString() + " " + std::to_string(count));
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            const std::string name = child->objectName().toStdString();
            EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry())) << name;
            if (!child->isVisibleTo(window.get())) continue;
            // A frame's caption needs only its width; its height holds the controls inside.
            if (qobject_cast<const QGroupBox*>(child) != nullptr) {
                EXPECT_GE(child->width(), child->minimumSizeHint().width()) << name;
            } else {
                EXPECT_GE(child->width(), child->sizeHint().width()) << name;
                EXPECT_GE(child->height(), child->sizeHint().height()) << name;
            }
        }
    }
}

// Fifteen twips make a pixel, rounded to the nearest with halves away from zero; rectangles
// convert their edges, so neighbours that touch in the design still touch on screen.
TEST(TwipsTest, ConvertsToTheNearestPixel) {
    const std::array<std::pair<int, int>, 10> twipsToPixels{{{0, 0},
                                                             {15, 1},
                                                             {9795, 653},
                                                             {7, 0},
                                                             {8, 1},
                                                             {22, 1},
                                                             {23, 2},
                                                             {-7, 0},
                                                             {-8, -1},
                                                             {-15, -1}}};
    for (const auto& [twips, pixels] : twipsToPixels) EXPECT_EQ(pixels, Px(twips)) << twips;
    // 8 to 31 twips: the left edge rounds to 1 pixel, the right edge to 2.
    EXPECT_EQ(QRect(1, 0, 1, 1), TwipsRect(8, 0, 23, 15));
    EXPECT_EQ(QRect(2, 0, 2, 1), TwipsRect(31, 0, 23, 15));
}

TEST(CentredTopLeftTest, CentresTheOuterFramesExactly) {
    struct Row {
        const char* name;
        QRectF table;
        QSizeF window;
        QPointF topLeft;
    };
    const std::array<Row, 5> rows{{
        {"SmallerWindowSitsInTheMiddle", {100, 50, 800, 600}, {400, 300}, {300, 200}},
        {"OddDifferenceKeepsTheHalf", {0, 0, 801, 601}, {400, 300}, {200.5, 150.5}},
        {"TallerAndWiderWindowGoesNegative", {10, 20, 300, 200}, {700, 400}, {-190, -80}},
        {"TableOffTheScreenIsFollowed", {-500, -300, 600, 400}, {200, 100}, {-300, -150}},
        {"SameSizeCoversTheTable", {40, 30, 655, 358}, {655, 358}, {40, 30}},
    }};
    for (const Row& row : rows) {
        const QPointF place = CentredTopLeft(row.table, row.window);
        EXPECT_DOUBLE_EQ(row.topLeft.x(), place.x()) << row.name;
        EXPECT_DOUBLE_EQ(row.topLeft.y(), place.y()) << row.name;
    }
}

// The window opens modally, centred over the table (half a pixel goes up and to the left, and a
// window larger than the table keeps its negative offsets), and waits until O.K is clicked; every
// opening shows the values of that moment. O.K is answered from inside the window's own event
// loop; a watchdog closes a window that nobody answered, so the test fails instead of hanging.
TEST(ShowCentredModalTest, CentresTheWindowWaitsForItAndShowsFreshValues) {
    constexpr int WatchdogMs = 5000;
    struct Row {
        QRect table;
        Flag showPayTable;
        Integer jacks;
        const char* shown;
    };
    GameData game;
    QWidget table;
    table.show();
    for (const Row& row :
         {Row{{100, 80, 800, 601}, FlagFalse, 2, "2"}, Row{{5, 5, 200, 100}, FlagFalse, 5, "5"},
          Row{{100, 80, 800, 601}, FlagTrue, 5, "1"}}) {
        SCOPED_TRACE(row.shown);
        table.setGeometry(row.table);
        game.HandStats[static_cast<int>(HandCode::JackBetter)] = row.jacks;
        game.ShowPayTable = row.showPayTable;
        WinningHands window(game, nullptr);
        QDialog* answered = nullptr;
        QRect frame;
        std::string shown;
        QTimer::singleShot(0, &window, [&] {
            answered = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (answered == nullptr) return;
            frame = answered->frameGeometry();
            shown = Text(*answered, "WinVal_1");
            Get<QPushButton>(*answered, "Close_Winning_Hands").click();
        });
        QTimer::singleShot(WatchdogMs, &window, [&window] {
            ADD_FAILURE() << "the window was left open";
            window.done(QDialog::Rejected);
        });
        ShowCentredModal(window, table);

        EXPECT_EQ(&window, answered) << "no modal window was there to answer";
        EXPECT_FALSE(window.isVisible());
        const QPointF place = CentredTopLeft(table.frameGeometry(), frame.size());
        EXPECT_EQ(QPoint(static_cast<int>(std::floor(place.x())),
                         static_cast<int>(std::floor(place.y()))),
                  frame.topLeft());
        EXPECT_EQ(row.shown, shown);
        EXPECT_EQ(FlagFalse, game.ShowPayTable);
    }
}

}  // namespace
}  // namespace vantorel
