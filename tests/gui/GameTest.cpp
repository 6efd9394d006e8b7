#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "CardPlace.h"
#include "FakeTable.h"
#include "RecordingServices.h"
#include "ScriptedRandom.h"
#include "Table.h"
#include "VirtualClock.h"
#include "VirtualTable.h"
#include "WinningHands.h"

// Whole games played on the real main window through clicks and keystrokes, with the clock and
// the cards under the test's control.
namespace vantorel {
namespace {

using testing::EventLog;

// Cards by name, so a scripted hand reads as the hand it is.
namespace card {
constexpr int TwoDiamonds = 2, FiveDiamonds = 5, SevenDiamonds = 7, NineDiamonds = 9,
              TenDiamonds = 10;
constexpr int JackDiamonds = 11, KingDiamonds = 13;
constexpr int TwoClubs = 15, ThreeClubs = 16, FourClubs = 17, FiveClubs = 18, JackClubs = 24,
              QueenClubs = 25;
constexpr int ThreeHearts = 29, FiveHearts = 31, SixHearts = 32;
constexpr int AceSpades = 40, ThreeSpades = 42, FiveSpades = 44, SevenSpades = 46, EightSpades = 47;
constexpr int TenSpades = 49, JackSpades = 50, QueenSpades = 51, KingSpades = 52;
}  // namespace card

// CheckDuplicates draws a card for each of the ten pairs of places, used or not.
constexpr int CardsForPairs = 10;
// Any card: drawn for a held place, or for a pair of places that holds no duplicate, and not used.
constexpr int Unused = card::TwoDiamonds;
// A number that picks spades for the start-up hand.
constexpr float SpadesNumber = 0.9f;

constexpr int AnswerPollMs = 10;
// Long enough for a busy machine, short enough that a window nobody answered fails quickly.
constexpr int WatchdogMs = 10000;

// Answers the statistics window that a game over opens. The window is modal, and with the
// virtual clock it opens inside the click that ends the game, so the answer has to come from a
// timer that runs inside the window's own event loop: it finds the window, notes it and presses
// its button. A watchdog closes any modal window still open after a while, so a window that is
// never answered fails the test instead of hanging the suite.
class StatisticsAnswer {
  public:
    explicit StatisticsAnswer(const Table& table) : table_(table) {
        poll_.setInterval(AnswerPollMs);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Answer(); });
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(WatchdogMs);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                timedOut_ = true;
                modal->done(0);
            }
        });
        poll_.start();
        watchdog_.start();
    }

    int Answered() const { return answered_; }
    int OtherWindows() const { return otherWindows_; }
    bool TimedOut() const { return timedOut_; }
    // What the table showed while the window was open.
    const std::vector<QString>& ScoreTexts() const { return scoreTexts_; }

  private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        auto* window = qobject_cast<WinningHands*>(modal);
        if (window == nullptr) {
            ++otherWindows_;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(0);
            return;
        }
        ++answered_;
        scoreTexts_.push_back(table_.findChild<QLineEdit*>("Score_Value")->text());
        auto* ok = window->findChild<QPushButton*>("Close_Winning_Hands");
        if (ok != nullptr) {
            QTest::mouseClick(ok, Qt::LeftButton);
        }
        if (window->isVisible()) window->done(0);
    }

    const Table& table_;
    QTimer poll_;
    QTimer watchdog_;
    int answered_ = 0;
    int otherWindows_ = 0;
    bool timedOut_ = false;
    std::vector<QString> scoreTexts_;
};

// The real main window, shown, on a virtual clock and scripted cards.
struct GameTable : testing::VirtualTable {
    GameTable() {
        table.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&table));
    }

    // Clicks a button as the player would; a button that is switched off takes no click.
    void Click(const QString& name) {
        QPushButton* button = Find<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled()) << name.toStdString() << " is switched off";
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void Hold(int place) { Click(QString("HC_%1").arg(place)); }

    // Selects the whole stake box and types over it, one keystroke at a time.
    void TypeStake(const QString& typed) {
        QLineEdit* box = Find<QLineEdit>("Bet_Value");
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isEnabled());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        ASSERT_EQ(box->text(), box->selectedText()) << "select all";
        QTest::keyClicks(box, typed);
    }

    QString Text(const QString& name) { return Find<QLineEdit>(name)->text(); }
    QString Caption(const QString& name) { return Find<QPushButton>(name)->text(); }

    std::array<int, Places> Pictures() {
        std::array<int, Places> pictures{};
        for (int place = 1; place <= Places; ++place) {
            pictures[static_cast<std::size_t>(place - 1)] =
                Find<CardPlace>(QString("Cardimg_%1").arg(place))->Picture();
        }
        return pictures;
    }

    void QueueUnused(int count) {
        for (int i = 0; i < count; ++i) random.QueueCard(Unused);
    }
};

long Count(const EventLog& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

TEST(GameTest, AWholeGameThroughAWinToGameOver) {
    GameTable t;
    t.Click("Place_Bet");  // New Game
    EXPECT_EQ(t.Text("Score_Value"), " 100");
    EXPECT_EQ(t.Text("Bet_Value"), " 5");
    EXPECT_EQ(t.Caption("Place_Bet"), "Deal");

    // The limit is ticked, so MaxBet is 10: "1" takes 1, "10" takes 10.
    t.TypeStake("10");
    EXPECT_EQ(t.Text("Bet_Value"), "10");
    EXPECT_EQ(t.table.Data().Bet, 10);
    t.Click("Bet_Down");
    EXPECT_EQ(t.Text("Bet_Value"), " 9");
    t.Click("Bet_Up");
    EXPECT_EQ(t.Text("Bet_Value"), " 10");
    EXPECT_EQ(t.table.Data().Bet, 10);

    // Two Jacks and two Threes: hold them and draw a King for Two Pairs.
    const std::array<int, Places> dealt{card::JackDiamonds, card::JackClubs, card::ThreeHearts,
                                        card::ThreeSpades, card::SevenDiamonds};
    t.random.QueueCards({dealt.begin(), dealt.end()});
    t.QueueUnused(CardsForPairs);
    t.Click("Place_Bet");  // Deal
    EXPECT_EQ(t.Text("Score_Value"), " 90");
    EXPECT_EQ(t.Pictures(), dealt);
    EXPECT_EQ(t.Caption("Place_Bet"), "Draw");
    EXPECT_FALSE(t.Find<QLineEdit>("Bet_Value")->isEnabled());

    for (int place = 1; place <= 4; ++place) {
        t.Hold(place);
        EXPECT_EQ(t.Caption(QString("HC_%1").arg(place)), "Clear") << place;
    }
    t.QueueUnused(4);
    t.random.QueueCard(card::KingSpades);
    t.QueueUnused(CardsForPairs);
    t.log.clear();
    t.Click("Place_Bet");  // Draw
    const std::array<int, Places> won{card::JackDiamonds, card::JackClubs, card::ThreeHearts,
                                      card::ThreeSpades, card::KingSpades};
    EXPECT_EQ(t.Pictures(), won);
    // Two Pairs pay twice the stake of 10, counted up in steps of the stake.
    EXPECT_EQ(t.Text("Score_Value"), " 110");
    EXPECT_EQ(Count(t.log, "sound alert.wav wait"), 2);
    EXPECT_EQ(t.table.Data().HandStats[static_cast<int>(HandCode::TwoPair)], 1);
    EXPECT_EQ(t.Caption("Place_Bet"), "Deal");
    EXPECT_EQ(t.random.Queued(), 0U);

    // Without the limit the whole score may be staked, and lost.
    t.Find<QAction>("menus_options_limit")->trigger();
    ASSERT_FALSE(t.table.Checked(Option::Limit));
    t.TypeStake("110");
    EXPECT_EQ(t.Text("Bet_Value"), "110");
    EXPECT_EQ(t.table.Data().Bet, 110);

    t.random.QueueCards({card::TwoDiamonds, card::FourClubs, card::SixHearts, card::EightSpades,
                         card::TenDiamonds});
    t.QueueUnused(CardsForPairs);
    t.Click("Place_Bet");  // Deal
    EXPECT_EQ(t.Text("Score_Value"), " 0");

    // Nothing held: five new cards that make nothing, then the start-up hand in spades.
    const std::array<int, Places> lost{card::ThreeClubs, card::FiveHearts, card::SevenSpades,
                                       card::NineDiamonds, card::QueenClubs};
    t.random.QueueCards({lost.begin(), lost.end()});
    t.QueueUnused(CardsForPairs);
    t.random.QueueNumber(SpadesNumber);
    {
        const StatisticsAnswer answer(t.table);
        t.Click("Place_Bet");  // Draw: the game ends inside this click
        EXPECT_FALSE(answer.TimedOut());
        EXPECT_EQ(answer.OtherWindows(), 0);
        ASSERT_EQ(answer.Answered(), 1);
        EXPECT_EQ(answer.ScoreTexts().front(), "Game Over");
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(t.random.Queued(), 0U);
    EXPECT_EQ(t.Text("Score_Value"), "Game Over");
    EXPECT_EQ(t.Caption("Place_Bet"), "New Game");
    EXPECT_TRUE(t.Find<QPushButton>("Place_Bet")->isEnabled());
    const std::array<int, Places> startUpHand{card::AceSpades, card::KingSpades, card::QueenSpades,
                                              card::JackSpades, card::TenSpades};
    EXPECT_EQ(t.Pictures(), startUpHand);
    EXPECT_EQ(t.table.Data().Score, 0);
    EXPECT_EQ(t.table.Data().HandStats[GameData::HandsPlayed], 2);
    EXPECT_EQ(t.table.Data().State(), GameState::Idle);
    EXPECT_FALSE(t.Find<QLineEdit>("Bet_Value")->isEnabled());
    EXPECT_FALSE(t.Find<QAction>("Menus_Game_ViewStats")->isEnabled());

    // And the main button starts the next game.
    t.Click("Place_Bet");
    EXPECT_EQ(t.Text("Score_Value"), " 100");
    EXPECT_EQ(t.Caption("Place_Bet"), "Deal");
}

enum class HowClosed { GameExit, CloseBox };

struct CloseRow {
    const char* name;
    HowClosed how;
};

void PrintTo(const CloseRow& row, std::ostream* out) {
    *out << row.name;
}

class ClosingDuringThePayout : public ::testing::TestWithParam<CloseRow> {};

// Four Fives from a stake of 5 pay 125, counted up in 25 steps: the window is closed a few steps
// into the count.
TEST_P(ClosingDuringThePayout, EndsTheRoundAtOnce) {
    // One card turned (1 s), three flashes (3.6 s), then a few steps of the count-up (0.05 s each).
    constexpr double IntoTheCountUp = 1.0 + 3.6 + 0.22;
    constexpr Integer AfterTheDeal = 95;
    constexpr Integer Target = AfterTheDeal + 125;

    GameTable t;
    t.Click("Place_Bet");  // New Game
    t.random.QueueCards({card::FiveDiamonds, card::FiveClubs, card::FiveHearts, card::FiveSpades,
                         card::KingDiamonds});
    t.QueueUnused(CardsForPairs);
    t.Click("Place_Bet");  // Deal
    ASSERT_EQ(t.table.Data().Score, AfterTheDeal);
    for (int place = 1; place <= 4; ++place) t.Hold(place);
    t.QueueUnused(4);
    t.random.QueueCard(card::TwoClubs);
    t.QueueUnused(CardsForPairs);

    std::size_t loggedAtClose = 0;
    Integer scoreAtClose = 0;
    QString scoreTextAtClose;
    int waitsAtClose = 0;
    t.clock.At(t.clock.Now() + IntoTheCountUp, [&] {
        scoreAtClose = t.table.Data().Score;
        if (GetParam().how == HowClosed::GameExit) {
            t.Find<QAction>("Menus_Game_Exit")->trigger();
        } else {
            t.table.close();
        }
        loggedAtClose = t.log.size();
        scoreTextAtClose = t.Text("Score_Value");
        waitsAtClose = static_cast<int>(t.clock.Waits().size());
    });
    t.log.clear();
    // The click returns only once the round's PlayRound has returned: the round is no longer under
    // way.
    t.Click("Place_Bet");  // Draw

    ASSERT_GT(scoreAtClose, AfterTheDeal) << "closed before the count-up began";
    ASSERT_LT(scoreAtClose, Target) << "closed after the count-up ended";
    EXPECT_FALSE(t.table.isVisible());
    EXPECT_EQ(t.log.size(), loggedAtClose) << "the round went on after the window closed";
    EXPECT_EQ(static_cast<int>(t.clock.Waits().size()), waitsAtClose);
    EXPECT_EQ(t.clock.Interrupts(), 1);
    EXPECT_EQ(t.table.Data().Score, scoreAtClose);
    EXPECT_EQ(t.Text("Score_Value"), scoreTextAtClose);
    EXPECT_EQ(t.Text("Score_Value"), QString::fromStdString(NumberText(scoreAtClose)));
    // The win was counted before its payout began; the payout was cut short.
    EXPECT_EQ(t.table.Data().HandStats[static_cast<int>(HandCode::FourKind)], 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Window, ClosingDuringThePayout,
                         ::testing::Values(CloseRow{"GameExit", HowClosed::GameExit},
                                           CloseRow{"CloseBox", HowClosed::CloseBox}),
                         [](const ::testing::TestParamInfo<CloseRow>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace vantorel
