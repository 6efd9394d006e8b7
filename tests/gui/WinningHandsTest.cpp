#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Artwork.h"
#include "GameData.h"
#include "Integer.h"
#include "PayTable.h"
#include "ShowCentredModal.h"
#include "Twips.h"
#include "WinningHands.h"

// Failures print rectangles, points and pictures readably rather than as raw bytes.
static void PrintTo(const QRect& rect, std::ostream* os) {
    *os << "(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height()
        << ")";
}
static void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}
static void PrintTo(const QSize& size, std::ostream* os) {
    *os << size.width() << " x " << size.height();
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
QString WinValName(int code) {
    return QStringLiteral("WinVal_%1").arg(code);
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

// Names each row of a table-driven test after the row.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

constexpr int RowTopTwips(int row) {
    return 840 + 360 * row;
}
constexpr int Code(HandCode code) {
    return static_cast<int>(code);
}

class WinningHandsTest : public ::testing::Test {
  protected:
    std::unique_ptr<WinningHands> Open(Flag showPayTable) {
        game.ShowPayTable = showPayTable;
        return std::make_unique<WinningHands>(game, nullptr);
    }

    GameData game;
};

// ---- The two modes -------------------------------------------------------------------------

struct ModeRow {
    const char* name;
    Flag showPayTable;
    const char* windowTitle;
    const char* frameCaption;
    const char* valueHeader;
    bool totalsShown;
    int icon;
};

void PrintTo(const ModeRow& row, std::ostream* os) {
    *os << row.name;
}

class WinningHandsModeTest : public WinningHandsTest,
                             public ::testing::WithParamInterface<ModeRow> {};

TEST_P(WinningHandsModeTest, ShowsTheCaptionsOfItsMode) {
    const ModeRow& mode = GetParam();
    const auto window = Open(mode.showPayTable);

    EXPECT_EQ(mode.windowTitle, window->windowTitle().toStdString());
    EXPECT_EQ(mode.frameCaption, Title(*window, "WinHandFrame"));
    EXPECT_EQ(mode.valueHeader, Text(*window, "Value_Clmn"));
    EXPECT_EQ("Hand", Text(*window, "Hand_Clmn"));
    EXPECT_EQ("Description", Text(*window, "Desc_Clmn"));
    EXPECT_EQ("O.K", Get<QPushButton>(*window, "Close_Winning_Hands").text().toStdString());
    EXPECT_EQ(!mode.totalsShown, Get<QGroupBox>(*window, "HandsPlayed").isHidden());
    EXPECT_EQ(IconImage(art::IconBankIcon(mode.icon)), IconImage(window->windowIcon()));
}

TEST_P(WinningHandsModeTest, ShowsEveryHandRowWithItsSeparators) {
    const auto window = Open(GetParam().showPayTable);
    for (const ExpectedRow& row : ExpectedRows) {
        SCOPED_TRACE(row.nameLabel);
        EXPECT_EQ(row.name, Text(*window, row.nameLabel));
        EXPECT_EQ(":-", Text(*window, BreakName(row.leftBreak)));
        EXPECT_EQ(row.description, Text(*window, row.descriptionLabel));
        EXPECT_EQ("=", Text(*window, BreakName(row.rightBreak)));
    }
}

TEST_P(WinningHandsModeTest, PutsEachRowOnItsOwnLine) {
    const auto window = Open(GetParam().showPayTable);
    for (std::size_t row = 0; row < ExpectedRows.size(); ++row) {
        const ExpectedRow& expected = ExpectedRows[row];
        SCOPED_TRACE(expected.nameLabel);
        const int top = Px(RowTopTwips(static_cast<int>(row)));
        for (const QString& name :
             {QString(expected.nameLabel), BreakName(expected.leftBreak),
              QString(expected.descriptionLabel), BreakName(expected.rightBreak),
              WinValName(Code(expected.code))}) {
            EXPECT_EQ(top, Get(*window, name).y()) << name.toStdString();
            EXPECT_EQ(Px(255), Get(*window, name).height()) << name.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, WinningHandsModeTest,
    ::testing::Values(ModeRow{"TrueShowsThePayTable", FlagTrue, "Vantorel - Winning Hands",
                              "A list of winning hands, a short description and their values...",
                              "Value (*Bet Placed)", false, QuestionBalloon},
                      ModeRow{"FalseShowsTheStatistics", FlagFalse, "Vantorel - Game Statistics",
                              "Breakdown of Winning Hands.", "Frequency", true, InformationBalloon},
                      ModeRow{"OneIsNotExactlyTrueAndShowsTheStatistics", 1,
                              "Vantorel - Game Statistics", "Breakdown of Winning Hands.",
                              "Frequency", true, InformationBalloon},
                      ModeRow{"MinusTwoShowsTheStatistics", -2, "Vantorel - Game Statistics",
                              "Breakdown of Winning Hands.", "Frequency", true,
                              InformationBalloon}),
    RowName<ModeRow>);

TEST(WinningHandsIconTest, TheTwoBalloonsDiffer) {
    // The mode tests tell the modes apart by their icons; that only works if the icons differ.
    EXPECT_NE(IconImage(art::IconBankIcon(InformationBalloon)),
              IconImage(art::IconBankIcon(QuestionBalloon)));
}

// ---- Pay-table mode ------------------------------------------------------------------------

TEST_F(WinningHandsTest, PayTableValuesAreThePayoutMultipliers) {
    const auto window = Open(FlagTrue);
    for (const ExpectedRow& row : ExpectedRows) {
        SCOPED_TRACE(row.nameLabel);
        EXPECT_EQ(row.payTableText, Text(*window, WinValName(Code(row.code))));
        EXPECT_EQ(std::to_string(Multiplier(row.code)), Text(*window, WinValName(Code(row.code))));
    }
}

TEST_F(WinningHandsTest, PayTableHidesTheTotalsWithTheirDesignCaptions) {
    game.HandStats.fill(7);
    const auto window = Open(FlagTrue);
    EXPECT_TRUE(Get<QGroupBox>(*window, "HandsPlayed").isHidden());
    EXPECT_EQ("HandsPlayed", Title(*window, "HandsPlayed"));
    EXPECT_EQ("Total_Won", Text(*window, "Total_Won"));
    EXPECT_EQ("Won", Text(*window, "Won"));
    EXPECT_EQ("Total_Lost", Text(*window, "Total_Lost"));
    EXPECT_EQ("Lost", Text(*window, "Lost"));
}

// ---- Statistics mode -----------------------------------------------------------------------

struct StatisticsRow {
    const char* name;
    std::array<Integer, 11> handStats;  // 1..9 wins by hand code, 10 hands played
    const char* handsPlayedCaption;
    std::array<const char*, 10> winVal;  // by hand code; 0 unused
    const char* won;
    const char* lost;
};

void PrintTo(const StatisticsRow& row, std::ostream* os) {
    *os << row.name;
}

class WinningHandsStatisticsTest : public WinningHandsTest,
                                   public ::testing::WithParamInterface<StatisticsRow> {};

TEST_P(WinningHandsStatisticsTest, ShowsTheCountsAndTotals) {
    const StatisticsRow& row = GetParam();
    game.HandStats = row.handStats;
    const auto window = Open(FlagFalse);

    EXPECT_EQ(row.handsPlayedCaption, Title(*window, "HandsPlayed"));
    for (int code = 1; code <= HandCodeCount; ++code) {
        EXPECT_EQ(row.winVal[code], Text(*window, WinValName(code))) << "hand code " << code;
    }
    EXPECT_EQ("Total Won", Text(*window, "Total_Won"));
    EXPECT_EQ("Total Lost", Text(*window, "Total_Lost"));
    EXPECT_EQ(row.won, Text(*window, "Won"));
    EXPECT_EQ(row.lost, Text(*window, "Lost"));
    EXPECT_EQ(row.handStats, game.HandStats) << "the window only reads the counters";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, WinningHandsStatisticsTest,
    ::testing::Values(
        StatisticsRow{"RightAfterANewGame",
                      {},
                      "Of  0 hands played...",
                      {"", "0", "0", "0", "0", "0", "0", "0", "0", "0"},
                      " 0",
                      " 0"},
        StatisticsRow{"TwelveHandsWithThreeWins",
                      {0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 12},
                      "Of  12 hands played...",
                      {"", "2", "1", "0", "0", "0", "0", "0", "0", "0"},
                      " 3",
                      " 9"},
        StatisticsRow{"ThirtySevenHandsOfEveryKind",
                      {0, 9, 8, 7, 6, 5, 4, 3, 2, 1, 37},
                      "Of  37 hands played...",
                      {"", "9", "8", "7", "6", "5", "4", "3", "2", "1"},
                      " 45",
                      "-8"},
        StatisticsRow{"MoreWinsThanHandsGivesANegativeLoss",
                      {0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 2},
                      "Of  2 hands played...",
                      {"", "3", "0", "0", "0", "0", "0", "0", "0", "0"},
                      " 3",
                      "-1"},
        // Nine full counters sum far past 32767: the totals stop at the edges of the range.
        StatisticsRow{
            "EveryCounterFullClampsTheTotals",
            {0, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767},
            "Of  32767 hands played...",
            {"", "32767", "32767", "32767", "32767", "32767", "32767", "32767", "32767", "32767"},
            " 32767",
            "-32768"},
        StatisticsRow{"TwoFullCountersAndNoHands",
                      {0, 32767, 0, 0, 0, 0, 0, 0, 0, 32767, 0},
                      "Of  0 hands played...",
                      {"", "32767", "0", "0", "0", "0", "0", "0", "0", "32767"},
                      " 32767",
                      "-32768"},
        StatisticsRow{"LossAtTheTopOfTheRange",
                      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32767},
                      "Of  32767 hands played...",
                      {"", "0", "0", "0", "0", "0", "0", "0", "0", "0"},
                      " 0",
                      " 32767"}),
    RowName<StatisticsRow>);

TEST_F(WinningHandsTest, JacksOrBetterIsTheBottomRowAndTwoPairsTheRowAboveIt) {
    game.HandStats[Code(HandCode::JackBetter)] = 2;
    game.HandStats[Code(HandCode::TwoPair)] = 1;
    game.HandStats[GameData::HandsPlayed] = 12;
    const auto window = Open(FlagFalse);

    int lowest = 0;
    for (int code = 1; code <= HandCodeCount; ++code)
        lowest = std::max(lowest, Get(*window, WinValName(code)).y());
    const QLabel& jacks = Get(*window, WinValName(Code(HandCode::JackBetter)));
    const QLabel& twoPairs = Get(*window, WinValName(Code(HandCode::TwoPair)));
    EXPECT_EQ(lowest, jacks.y());
    EXPECT_EQ(jacks.y() - Px(360), twoPairs.y());
    EXPECT_EQ("2", jacks.text().toStdString());
    EXPECT_EQ("1", twoPairs.text().toStdString());
}

// ---- Closing -------------------------------------------------------------------------------

TEST_F(WinningHandsTest, OkButtonClearsTheFlagAndCloses) {
    const auto window = Open(FlagTrue);
    window->show();
    Get<QPushButton>(*window, "Close_Winning_Hands").click();
    EXPECT_EQ(FlagFalse, game.ShowPayTable);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(QDialog::Accepted, window->result());
}

TEST_F(WinningHandsTest, CloseBoxLeavesTheFlagAlone) {
    for (const Flag flag : {FlagTrue, Flag{1}}) {
        SCOPED_TRACE(flag);
        const auto window = Open(flag);
        window->show();
        EXPECT_TRUE(window->close());
        EXPECT_EQ(flag, game.ShowPayTable);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(QDialog::Rejected, window->result());
    }
}

TEST_F(WinningHandsTest, OnlyTheButtonTakesTheFocusAndItHasItAtOpening) {
    const auto window = Open(FlagFalse);
    const auto& button = Get<QPushButton>(*window, "Close_Winning_Hands");
    EXPECT_EQ(&button, window->focusWidget());
    EXPECT_FALSE(button.isDefault());
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (child != &button) {
            EXPECT_EQ(Qt::NoFocus, child->focusPolicy()) << child->objectName().toStdString();
        }
    }
}

TEST_F(WinningHandsTest, IsASizableWindowWithMinimiseAndMaximiseBoxes) {
    const auto window = Open(FlagTrue);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window->isSizeGripEnabled());
    EXPECT_NE(window->minimumSize(), window->maximumSize());
}

// ---- Fonts and geometry --------------------------------------------------------------------

TEST_F(WinningHandsTest, HeadersAndSeparatorsAreBoldEverythingElsePlain) {
    const auto window = Open(FlagFalse);
    const QString family = QApplication::font().family();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        const bool bold = name.endsWith("_Clmn") || name.startsWith("Break_");
        EXPECT_EQ(bold, label->font().bold()) << name.toStdString();
        EXPECT_EQ(family, label->font().family()) << name.toStdString();
    }
}

TEST_F(WinningHandsTest, ShowsTheLogoAtItsNaturalSize) {
    const auto window = Open(FlagTrue);
    const QLabel& logo = Get(*window, "InfoLogo");
    const QPixmap pixmap = logo.pixmap();
    EXPECT_EQ(QSize(95, 140), pixmap.deviceIndependentSize().toSize());
    EXPECT_EQ(QSize(95, 140), logo.size());
    EXPECT_FALSE(logo.hasScaledContents());
    EXPECT_EQ(art::ProductLogo().toImage(), pixmap.toImage());
}

// Every text the window can show must fit its box whole, in both modes and at the edges of the
// 16-bit range, with the desktop's own default font.
TEST_F(WinningHandsTest, NoTextIsCutOff) {
    std::vector<std::unique_ptr<WinningHands>> windows;
    windows.push_back(Open(FlagTrue));
    game.HandStats.fill(32767);
    windows.push_back(Open(FlagFalse));
    game.HandStats.fill(0);
    game.HandStats[GameData::HandsPlayed] = -32768;
    windows.push_back(Open(FlagFalse));

    for (const auto& window : windows) {
        SCOPED_TRACE(window->windowTitle().toStdString());
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window.get())) continue;
            EXPECT_GE(label->width(), label->sizeHint().width())
                << label->objectName().toStdString();
            EXPECT_GE(label->height(), label->sizeHint().height())
                << label->objectName().toStdString();
        }
        for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            if (!frame->isVisibleTo(window.get())) continue;
            EXPECT_GE(frame->width(), frame->minimumSizeHint().width())
                << frame->objectName().toStdString();
        }
        const auto& button = Get<QPushButton>(*window, "Close_Winning_Hands");
        EXPECT_GE(button.width(), button.sizeHint().width());
        EXPECT_GE(button.height(), button.sizeHint().height());
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            const QWidget* parent = child->parentWidget();
            EXPECT_TRUE(parent->rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
    }
}

TEST_F(WinningHandsTest, ColumnsLineUpWithoutOverlapping) {
    const auto window = Open(FlagTrue);
    const auto column = [&](auto nameOf) {
        std::vector<QRect> rects;
        for (const ExpectedRow& row : ExpectedRows)
            rects.push_back(Get(*window, nameOf(row)).geometry());
        for (const QRect& rect : rects) {
            EXPECT_EQ(rects.front().x(), rect.x());
            EXPECT_EQ(rects.front().width(), rect.width());
        }
        return rects.front();
    };
    const QRect names = column([](const ExpectedRow& row) { return QString(row.nameLabel); });
    const QRect leftBreaks =
        column([](const ExpectedRow& row) { return BreakName(row.leftBreak); });
    const QRect descriptions =
        column([](const ExpectedRow& row) { return QString(row.descriptionLabel); });
    const QRect rightBreaks =
        column([](const ExpectedRow& row) { return BreakName(row.rightBreak); });
    const QRect values = column([](const ExpectedRow& row) { return WinValName(Code(row.code)); });

    EXPECT_LE(names.right(), leftBreaks.left());
    EXPECT_LE(leftBreaks.right(), descriptions.left());
    EXPECT_LE(descriptions.right(), rightBreaks.left());
    EXPECT_LE(rightBreaks.right(), values.left());

    EXPECT_EQ(names.x(), Get(*window, "Hand_Clmn").x());
    EXPECT_EQ(descriptions.x(), Get(*window, "Desc_Clmn").x());
    EXPECT_EQ(rightBreaks.x(), Get(*window, "Value_Clmn").x());
    EXPECT_GE(Get(*window, "Value_Clmn").geometry().right(), values.right());
    EXPECT_EQ(Get(*window, "Won").geometry(),
              Get(*window, "Lost").geometry().translated(0, -Px(360)));
    EXPECT_EQ(Get(*window, "Total_Won").geometry(),
              Get(*window, "Total_Lost").geometry().translated(0, -Px(360)));
}

TEST_F(WinningHandsTest, KeepsTheDesignHeightsAndTheCommonBottomEdge) {
    const auto window = Open(FlagFalse);
    const QRect totals = Get<QGroupBox>(*window, "HandsPlayed").geometry();
    const QRect hands = Get<QGroupBox>(*window, "WinHandFrame").geometry();
    EXPECT_EQ(Px(4455), totals.y() + totals.height());
    EXPECT_EQ(Px(4455), hands.y() + hands.height());
    EXPECT_EQ(Px(3360), totals.y());
    EXPECT_EQ(Px(240), hands.y());
    EXPECT_EQ(Px(4800), Get<QPushButton>(*window, "Close_Winning_Hands").y());
    EXPECT_EQ(Px(5310), window->height());
    EXPECT_GE(window->width(), Px(9795));
}

// Sets the application's default font for one test and puts the old one back.
class DefaultFont {
  public:
    explicit DefaultFont(const QFont& font) : saved_(QApplication::font()) {
        QApplication::setFont(font);
    }
    ~DefaultFont() { QApplication::setFont(saved_); }
    DefaultFont(const DefaultFont&) = delete;
    DefaultFont& operator=(const DefaultFont&) = delete;

  private:
    QFont saved_;
};

struct DesignRect {
    const char* name;
    int left, top, width, height;  // twips
};

// With a font small enough for every box, nothing is widened: the window is the design itself.
TEST_F(WinningHandsTest, WithAFontThatFitsEveryControlStandsWhereTheDesignPutsIt) {
    QFont small = QApplication::font();
    small.setPixelSize(6);
    const DefaultFont font(small);
    const auto window = Open(FlagFalse);

    EXPECT_EQ(TwipsSize(9795, 5310), window->size());
    const std::array<DesignRect, 21> design{{
        {"InfoLogo", 360, 240, 1425, 2100},
        {"HandsPlayed", 120, 3360, 1935, 1095},
        {"Total_Won", 120, 360, 1695, 255},
        {"Won", 1080, 360, 615, 255},
        {"Total_Lost", 120, 720, 1695, 255},
        {"Lost", 1080, 720, 615, 255},
        {"WinHandFrame", 2160, 240, 7455, 4215},
        {"Hand_Clmn", 240, 480, 1335, 255},
        {"Desc_Clmn", 1680, 480, 3735, 255},
        {"Value_Clmn", 5400, 480, 1935, 255},
        {"Royal", 240, 840, 1095, 255},
        {"Break_0", 1440, 840, 135, 255},
        {"RoyalDesc", 1680, 840, 3615, 255},
        {"Break_17", 5400, 840, 135, 255},
        {"WinVal_9", 5880, 840, 1095, 255},
        {"JackBetter", 240, 3720, 1095, 255},
        {"Break_1", 1440, 3720, 135, 255},
        {"JacksDesc", 1680, 3720, 3615, 255},
        {"Break_16", 5400, 3720, 135, 255},
        {"WinVal_1", 5880, 3720, 1095, 255},
        {"Close_Winning_Hands", 4080, 4800, 1215, 375},
    }};
    for (const DesignRect& rect : design) {
        EXPECT_EQ(TwipsRect(rect.left, rect.top, rect.width, rect.height),
                  Get<QWidget>(*window, rect.name).geometry())
            << rect.name;
    }
}

// ---- Twips ---------------------------------------------------------------------------------

TEST(TwipsTest, FifteenTwipsMakeAPixelRoundedToTheNearest) {
    struct Row {
        int twips;
        int pixels;
    };
    for (const Row& row : {Row{0, 0}, Row{15, 1}, Row{9795, 653}, Row{7, 0}, Row{8, 1}, Row{22, 1},
                           Row{23, 2}, Row{-7, 0}, Row{-8, -1}, Row{-15, -1}}) {
        EXPECT_EQ(row.pixels, Px(row.twips)) << row.twips;
    }
    EXPECT_EQ(150, Twips(10));
}

TEST(TwipsTest, RectanglesConvertTheirEdgesSoNeighboursStillTouch) {
    EXPECT_EQ(QRect(8, 224, 129, 73), TwipsRect(120, 3360, 1935, 1095));
    // 8 to 23 twips: the left edge rounds to 1 pixel, the right edge (31 twips) to 2.
    const QRect left = TwipsRect(8, 0, 23, 15);
    const QRect right = TwipsRect(31, 0, 23, 15);
    EXPECT_EQ(left.x() + left.width(), right.x());
    EXPECT_EQ(QSize(653, 354), TwipsSize(9795, 5310));
}

// ---- Centring over the table ---------------------------------------------------------------

struct CentringRow {
    const char* name;
    QRectF table;
    QSizeF window;
    QPointF topLeft;
};

void PrintTo(const CentringRow& row, std::ostream* os) {
    *os << row.name;
}

class CentredTopLeftTest : public ::testing::TestWithParam<CentringRow> {};

TEST_P(CentredTopLeftTest, CentresTheOuterFrames) {
    const CentringRow& row = GetParam();
    const QPointF place = CentredTopLeft(row.table, row.window);
    EXPECT_DOUBLE_EQ(row.topLeft.x(), place.x());
    EXPECT_DOUBLE_EQ(row.topLeft.y(), place.y());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CentredTopLeftTest,
    ::testing::Values(
        CentringRow{"SmallerWindowSitsInTheMiddle", {100, 50, 800, 600}, {400, 300}, {300, 200}},
        CentringRow{"OddDifferenceKeepsTheHalf", {0, 0, 801, 601}, {400, 300}, {200.5, 150.5}},
        CentringRow{
            "TallerAndWiderWindowGoesNegative", {10, 20, 300, 200}, {700, 400}, {-190, -80}},
        CentringRow{
            "TableOffTheScreenIsFollowed", {-500, -300, 600, 400}, {200, 100}, {-300, -150}},
        CentringRow{"SameSizeCoversTheTable", {40, 30, 655, 358}, {655, 358}, {40, 30}}),
    RowName<CentringRow>);

// Answers the next modal window from inside its event loop. A watchdog closes any modal window
// still open after a while, so a window that nobody answers fails its test instead of hanging
// the suite.
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QDialog&)> answer) {
        QTimer::singleShot(0, &guard_, [this, answer = std::move(answer)] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no modal window to answer";
                return;
            }
            answered_ = true;
            answer(*dialog);
        });
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "a modal window was left open";
                dialog->done(QDialog::Rejected);
            }
        });
        watchdog_.start(WatchdogMs);
    }
    bool Answered() const { return answered_; }

  private:
    static constexpr int WatchdogMs = 5000;
    QObject guard_;
    QTimer watchdog_;
    bool answered_ = false;
};

void ClickOk(QDialog& dialog) {
    Get<QPushButton>(dialog, "Close_Winning_Hands").click();
}

class ShowCentredModalTest : public ::testing::Test {
  protected:
    ShowCentredModalTest() {
        table.setGeometry(100, 80, 800, 601);
        table.show();
    }

    // Opens the window as the game does, and notes where its frame stood and what it showed.
    void OpenAndAnswer(Flag showPayTable, const std::function<void(QDialog&)>& answer) {
        game.ShowPayTable = showPayTable;
        WinningHands window(game, nullptr);
        const ModalAnswer modal([&](QDialog& dialog) {
            frame = dialog.frameGeometry();
            wasModal = dialog.isModal();
            shown = Text(dialog, WinValName(1));
            answer(dialog);
        });
        ShowCentredModal(window, table);
        EXPECT_TRUE(modal.Answered());
        EXPECT_FALSE(window.isVisible());
    }

    QPoint Expected(const QSize& windowOuterSize) const {
        const QPointF place = CentredTopLeft(table.frameGeometry(), windowOuterSize);
        return {static_cast<int>(std::floor(place.x())), static_cast<int>(std::floor(place.y()))};
    }

    GameData game;
    QWidget table;
    QRect frame;
    bool wasModal = false;
    std::string shown;
};

TEST_F(ShowCentredModalTest, CentresTheWholeWindowOverTheTableAndWaitsForIt) {
    OpenAndAnswer(FlagTrue, ClickOk);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(Expected(frame.size()), frame.topLeft());
    EXPECT_EQ(FlagFalse, game.ShowPayTable);
}

TEST_F(ShowCentredModalTest, AWindowLargerThanTheTableGoesOffTheTableAndIsNotClamped) {
    table.setGeometry(5, 5, 200, 100);
    OpenAndAnswer(FlagTrue, ClickOk);
    EXPECT_EQ(Expected(frame.size()), frame.topLeft());
    EXPECT_LT(frame.x(), 0);
    EXPECT_LT(frame.y(), 0);
}

TEST_F(ShowCentredModalTest, CloseBoxReturnsWithTheFlagUntouched) {
    OpenAndAnswer(FlagTrue, [](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(FlagTrue, game.ShowPayTable);
}

TEST_F(ShowCentredModalTest, EveryOpeningShowsFreshValues) {
    game.HandStats[Code(HandCode::JackBetter)] = 2;
    game.HandStats[GameData::HandsPlayed] = 12;
    OpenAndAnswer(FlagFalse, ClickOk);
    EXPECT_EQ("2", shown);

    game.HandStats[Code(HandCode::JackBetter)] = 5;
    OpenAndAnswer(FlagFalse, ClickOk);
    EXPECT_EQ("5", shown);

    OpenAndAnswer(FlagTrue, ClickOk);
    EXPECT_EQ("1", shown);
    EXPECT_EQ(FlagFalse, game.ShowPayTable);
}

}  // namespace
}  // namespace vantorel
