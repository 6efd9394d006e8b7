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
#include <string>
#include <vector>

#include "CardPlace.h"
#include "VirtualTable.h"
#include "WinningHands.h"

// Whole games played on the real main window through clicks and keystrokes, with the clock and
// the cards under the test's control.
namespace vantorel {
namespace {

using Five = std::array<int, Places>;

// CheckDuplicates draws a card for each of the ten pairs of places, used or not; so does the draw
// for a held place. Those cards are never used, so any card will do.
constexpr int CardsForPairs = 10;
constexpr int Unused = 2;
// A number that picks spades for the start-up hand.
constexpr float SpadesNumber = 0.9f;

constexpr int AnswerPollMs = 10;
// Long enough for a busy machine, short enough that a window nobody answered fails quickly.
constexpr int WatchdogMs = 10000;

// Answers the statistics window that a game over opens. The window is modal and, on the virtual
// clock, opens inside the click that ends the game, so the answer has to come from a timer that
// runs inside the window's own event loop: it notes the score box and presses the window's button.
// A watchdog closes any modal window still open after a while, so a window that is never answered
// fails the test instead of hanging the suite.
class StatisticsAnswer {
  public:
    explicit StatisticsAnswer(const Table& table) {
        QObject::connect(&poll_, &QTimer::timeout, [this, &table] {
            auto* window = qobject_cast<WinningHands*>(QApplication::activeModalWidget());
            if (window == nullptr) return;
            scoreTexts_.push_back(table.findChild<QLineEdit*>("Score_Value")->text());
            auto* ok = window->findChild<QPushButton*>("Close_Winning_Hands");
            ASSERT_NE(ok, nullptr);
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                timedOut_ = true;
                modal->done(0);
            }
        });
        watchdog_.setSingleShot(true);
        poll_.start(AnswerPollMs);
        watchdog_.start(WatchdogMs);
    }

    // What the score box showed each time the window was answered.
    const std::vector<QString>& ScoreTexts() const { return scoreTexts_; }
    bool TimedOut() const { return timedOut_; }

  private:
    QTimer poll_;
    QTimer watchdog_;
    std::vector<QString> scoreTexts_;
    bool timedOut_ = false;
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

    // Selects the whole stake box and types over it, one keystroke at a time.
    void TypeStake(const QString& typed) {
        QLineEdit* box = Find<QLineEdit>("Bet_Value");
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, typed);
    }

    // Scripts a deal or a draw: the cards that come out for the five places, then the unused cards
    // of the duplicate check.
    void Next(const Five& cards) {
        random.QueueCards({cards.begin(), cards.end()});
        for (int i = 0; i < CardsForPairs; ++i) random.QueueCard(Unused);
    }

    QString Text(const QString& name) { return Find<QLineEdit>(name)->text(); }
    QString Caption(const QString& name) { return Find<QPushButton>(name)->text(); }
    Five Pictures() {
        Five pictures{};
        for (int place = 1; place <= Places; ++place) {
            pictures[place - 1] = Find<CardPlace>(QString("Cardimg_%1").arg(place))->Picture();
        }
        return pictures;
    }
};

TEST(GameTest, AWholeGameThroughAWinToGameOver) {
    GameTable t;
    t.Click("Place_Bet");  // New Game
    EXPECT_EQ(" 100", t.Text("Score_Value"));

    t.TypeStake("10");  // MaxBet under the limit
    t.Click("Bet_Down");
    EXPECT_EQ(" 9", t.Text("Bet_Value"));
    t.Click("Bet_Up");
    EXPECT_EQ(" 10", t.Text("Bet_Value"));
    EXPECT_EQ(10, t.table.Data().Bet);

    const Five dealt{11, 24, 29, 42, 7};  // two Jacks, two Threes and a Seven
    t.Next(dealt);
    t.Click("Place_Bet");  // Deal
    EXPECT_EQ(" 90", t.Text("Score_Value"));
    EXPECT_EQ(dealt, t.Pictures());
    EXPECT_EQ("Draw", t.Caption("Place_Bet"));

    // Hold the pairs and draw the King of Spades: Two Pairs pay twice the stake, counted up in
    // steps of the stake.
    for (int place = 1; place <= 4; ++place) t.Click(QString("HC_%1").arg(place));
    t.Next({Unused, Unused, Unused, Unused, 52});
    t.log.clear();
    t.Click("Place_Bet");  // Draw
    EXPECT_EQ((Five{11, 24, 29, 42, 52}), t.Pictures());
    EXPECT_EQ(" 110", t.Text("Score_Value"));
    EXPECT_EQ(2, std::count(t.log.begin(), t.log.end(), "sound alert.wav wait"));
    EXPECT_EQ(1, t.table.Data().HandStats[static_cast<int>(HandCode::TwoPair)]);

    // Without the limit the whole score may be staked, and lost: nothing held, five new cards that
    // make nothing, then the start-up hand in spades.
    t.Find<QAction>("menus_options_limit")->trigger();
    t.TypeStake("110");
    EXPECT_EQ(110, t.table.Data().Bet);
    t.Next({2, 17, 32, 47, 10});
    t.Click("Place_Bet");  // Deal
    EXPECT_EQ(" 0", t.Text("Score_Value"));
    t.Next({16, 31, 46, 9, 25});
    t.random.QueueNumber(SpadesNumber);
    {
        const StatisticsAnswer answer(t.table);
        t.Click("Place_Bet");  // Draw: the game ends inside this click
        EXPECT_FALSE(answer.TimedOut());
        EXPECT_EQ(std::vector<QString>{"Game Over"}, answer.ScoreTexts());
    }
    EXPECT_EQ(nullptr, QApplication::activeModalWidget());
    EXPECT_EQ(0U, t.random.Queued());
    EXPECT_EQ(0, t.table.Data().Score);
    EXPECT_EQ("Game Over", t.Text("Score_Value"));
    EXPECT_EQ("New Game", t.Caption("Place_Bet"));
    EXPECT_EQ((Five{40, 52, 51, 50, 49}), t.Pictures());  // Ace to Ten of Spades
    EXPECT_EQ(2, t.table.Data().HandStats[GameData::HandsPlayed]);
    EXPECT_FALSE(t.Find<QLineEdit>("Bet_Value")->isEnabled());

    // And the main button starts the next game.
    t.Click("Place_Bet");
    EXPECT_EQ(" 100", t.Text("Score_Value"));
    EXPECT_EQ("Deal", t.Caption("Place_Bet"));
}

enum class HowClosed { GameExit, CloseBox };

// Four Fives from a stake of 5 pay 125, counted up in 25 steps: the window is closed a few steps
// into the count, by the menu or by the close box.
TEST(ClosingDuringThePayoutTest, EndsTheRoundAtOnce) {
    // One card turned (1 s), three flashes (3.6 s), then a few steps of the count-up (0.05 s each).
    constexpr double IntoTheCountUp = 1.0 + 3.6 + 0.22;
    constexpr Integer AfterTheDeal = 95;
    constexpr Integer Target = AfterTheDeal + 125;

    for (const HowClosed how : {HowClosed::GameExit, HowClosed::CloseBox}) {
        SCOPED_TRACE(how == HowClosed::GameExit ? "Game > Exit" : "close box");
        GameTable t;
        t.Click("Place_Bet");         // New Game
        t.Next({5, 18, 31, 44, 13});  // four Fives and a King
        t.Click("Place_Bet");         // Deal
        for (int place = 1; place <= 4; ++place) t.Click(QString("HC_%1").arg(place));
        t.Next({Unused, Unused, Unused, Unused, 15});

        std::size_t loggedAtClose = 0;
        Integer scoreAtClose = 0;
        t.clock.At(t.clock.Now() + IntoTheCountUp, [&] {
            scoreAtClose = t.table.Data().Score;
            if (how == HowClosed::GameExit) {
                t.Find<QAction>("Menus_Game_Exit")->trigger();
            } else {
                t.table.close();
            }
            loggedAtClose = t.log.size();
        });
        t.Click("Place_Bet");  // Draw: returns only once the round's PlayRound has returned

        ASSERT_GT(scoreAtClose, AfterTheDeal) << "closed before the count-up began";
        ASSERT_LT(scoreAtClose, Target) << "closed after the count-up ended";
        EXPECT_FALSE(t.table.isVisible());
        EXPECT_EQ(loggedAtClose, t.log.size()) << "the round went on after the window closed";
        EXPECT_EQ(1, t.clock.Interrupts()) << "the wait under way was not cut short";
        EXPECT_EQ(scoreAtClose, t.table.Data().Score);
        EXPECT_EQ(QString::fromStdString(NumberText(scoreAtClose)), t.Text("Score_Value"));
        // The win was counted before its payout began.
        EXPECT_EQ(1, t.table.Data().HandStats[static_cast<int>(HandCode::FourKind)]);
    }
}

}  // namespace
}  // namespace vantorel
