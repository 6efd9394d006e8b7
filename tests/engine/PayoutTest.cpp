#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Harness.h"

namespace vantorel {
namespace {

using testing::EventLog;
using testing::Harness;

// The log without the text writes of the stake box, which a payout never touches.
EventLog Show(const EventLog& log, std::size_t from = 0) {
    EventLog out;
    for (std::size_t i = from; i < log.size(); ++i) {
        if (log[i].rfind("text Bet_Value", 0) != 0) out.push_back(log[i]);
    }
    return out;
}

std::ptrdiff_t Count(const EventLog& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

// A table in the middle of a game with the given hand and winning marks, ready for PayWin.
struct PayoutTable : Harness {
    PayoutTable(std::array<int, 5> hand, std::array<bool, 5> marked, Integer score, Integer bet) {
        StartGame();
        for (std::size_t i = 0; i < 5; ++i) {
            data.Hand[i + 1] = static_cast<CardNumber>(hand[i]);
            data.WinCard[i + 1] = ToFlag(marked[i]);
        }
        data.Score = score;
        data.Bet = bet;
        log.clear();
    }
};

TEST(RevealTest, DealTurnsFiveCardsOneSecondApartWithTheFlipSound) {
    for (const bool red : {true, false}) {  // blue backs with Sound unticked
        Harness h;
        h.StartGame();
        h.data.RedDeck = ToFlag(red);
        h.table.SetChecked(Option::Sound, red);
        h.log.clear();
        h.DealCards({2, 16, 30, 44, 7});
        EventLog expected{"text Score_Value= 95"};
        for (int i = 1; i <= 5; ++i)
            expected.push_back("picture " + std::to_string(i) + (red ? "=53" : "=54"));
        const int cards[] = {2, 16, 30, 44, 7};
        for (int i = 1; i <= 5; ++i) {
            expected.push_back("wait 1");
            if (red) expected.push_back("sound cflip.wav async");
            expected.push_back("picture " + std::to_string(i) + "=" + std::to_string(cards[i - 1]));
        }
        EXPECT_EQ(Show(h.log), expected) << red;
    }
}

TEST(RevealTest, DrawWithAllFiveHeldShowsNoBacksAndWaitsForNothing) {
    Harness h;
    h.StartGame();
    h.DealCards({2, 16, 30, 44, 7});  // no win whatever stays
    const std::size_t waits = h.clock.Waits().size();
    h.log.clear();
    h.DrawCards({1, 2, 3, 4, 5}, {});
    EXPECT_EQ(h.clock.Waits().size(), waits);
    for (const std::string& e : h.log) EXPECT_EQ(e.rfind("picture", 0), std::string::npos) << e;
    EXPECT_EQ(h.table.Pictures(), (std::array<int, 5>{2, 16, 30, 44, 7}));
}

TEST(PayWinTest, JacksOrBetterFlashesThePairThriceAndCountsOneStep) {
    // Jack of diamonds at 2 and Jack of spades at 4.
    PayoutTable h({3, 11, 20, 50, 33}, {false, true, false, true, false}, 95, 5);
    h.engine.PayWin(5);
    EventLog expected;
    for (int flash = 0; flash < 3; ++flash) {
        expected.insert(expected.end(), {"picture 2=55", "picture 4=55", "wait 0.6", "picture 2=11",
                                         "picture 4=50", "wait 0.6"});
    }
    expected.insert(expected.end(), {"text Score_Value= 100", "sound alert.wav wait", "wait 0.05"});
    EXPECT_EQ(Show(h.log), expected);
    EXPECT_EQ(h.data.Score, 100);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(h.data.WinCard[i], FlagFalse);
}

TEST(PayWinTest, RoyalFlushCountsUpAThousandStepsEachWithSoundAndWait) {
    PayoutTable h({1, 10, 11, 12, 13}, {true, true, true, true, true}, 0, 1);
    h.engine.PayWin(1000);
    EXPECT_EQ(h.data.Score, 1000);
    EXPECT_EQ(Count(h.log, "wait 0.6"), 6);
    EXPECT_NEAR(h.clock.Now(), 6 * 0.6 + 1000 * 0.05, 1e-3);
    // Every intermediate score is shown, in order, each followed by its sound and its wait.
    const EventLog show = Show(h.log);
    ASSERT_EQ(show.size(), 36u + 3000u);  // three flashes of five cards, then the steps
    for (int step = 1; step <= 1000; ++step) {
        const std::size_t at = 36 + 3 * static_cast<std::size_t>(step - 1);
        EXPECT_EQ(show[at], "text Score_Value=" + NumberText(step));
        EXPECT_EQ(show[at + 1], "sound alert.wav wait");
        EXPECT_EQ(show[at + 2], "wait 0.05");
    }
}

TEST(PayWinTest, QuickPlayAddsTheWinAtOnceWithOneAlert) {
    PayoutTable h({1, 10, 11, 12, 13}, {true, true, true, true, true}, 50, 2);
    h.table.SetChecked(Option::QuickPlay, true);
    h.engine.PayWin(2000);
    EXPECT_EQ(Show(h.log), (EventLog{"text Score_Value= 2050", "sound alert.wav wait"}));
    EXPECT_EQ(h.data.Score, 2050);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(h.data.WinCard[i], FlagFalse);
}

TEST(PayWinTest, QuickPlayTickedDuringTheFlashesLetsThemFinishThenPaysAtOnce) {
    PayoutTable h({3, 11, 20, 50, 33}, {false, true, false, true, false}, 80, 10);
    h.clock.At(h.clock.Now() + 0.7, [&h] { h.table.SetChecked(Option::QuickPlay, true); });
    h.engine.PayWin(20);
    EXPECT_EQ(Count(h.log, "wait 0.6"), 6);
    EXPECT_EQ(Count(h.log, "wait 0.05"), 0);
    EXPECT_EQ(Count(h.log, "text Score_Value= 100"), 1);
    EXPECT_EQ(h.sound.Plays(), 1);
    EXPECT_EQ(h.data.Score, 100);
}

TEST(PayWinTest, SoundUntickedMidCountStopsFurtherSounds) {
    PayoutTable h({1, 10, 11, 12, 13}, {true, true, true, true, true}, 0, 1);
    // The flashes take 3.6 s; ten steps later the player unticks Sound.
    h.clock.At(h.clock.Now() + 3.6 + 10 * 0.05 - 0.01,
               [&h] { h.table.SetChecked(Option::Sound, false); });
    h.engine.PayWin(1000);
    EXPECT_EQ(h.sound.Plays(), 10);
    EXPECT_EQ(Count(h.log, "wait 0.05"), 1000);
    EXPECT_EQ(h.data.Score, 1000);
}

TEST(PayWinTest, AStakeOfZeroMakesOneStepOfZero) {
    PayoutTable h({3, 11, 20, 50, 33}, {false, true, false, true, false}, 42, 0);
    h.engine.PayWin(0);
    EXPECT_EQ(h.data.Score, 42);
    EXPECT_EQ(Count(h.log, "text Score_Value= 42"), 1);
    EXPECT_EQ(h.sound.Plays(), 1);
    EXPECT_EQ(Count(h.log, "wait 0.05"), 1);
}

TEST(PayWinTest, AWinPastTheSixteenBitCeilingStopsAt32767) {
    struct Row {
        const char* name;
        bool quick;
        int steps;
    };
    for (const Row& row : {Row{"counted", false, 8}, Row{"quick play", true, 0}}) {
        PayoutTable h({1, 10, 11, 12, 13}, {true, true, true, true, true}, 32000, 100);
        h.table.SetChecked(Option::QuickPlay, row.quick);
        const Integer win = WinFor(HandCode::Royal, h.data.Bet);
        ASSERT_EQ(win, 32767);
        h.engine.PayWin(win);
        EXPECT_EQ(h.data.Score, 32767) << row.name;
        EXPECT_EQ(Count(h.log, "wait 0.05"), row.steps) << row.name;
        EXPECT_EQ(h.table.Text(Control::Score_Value), " 32767") << row.name;
    }
}

}  // namespace
}  // namespace vantorel
