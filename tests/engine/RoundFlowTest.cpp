#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Harness.h"

namespace vantorel {
namespace {

using testing::EventLog;
using testing::Harness;

std::ptrdiff_t Count(const EventLog& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

std::ptrdiff_t IndexOf(const EventLog& log, const std::string& entry) {
    const auto it = std::find(log.begin(), log.end(), entry);
    return it == log.end() ? -1 : it - log.begin();
}

std::array<int, 5> HandOf(const GameData& data) {
    return {data.Hand[1], data.Hand[2], data.Hand[3], data.Hand[4], data.Hand[5]};
}

// Cards the caller does not use (the duplicate check draws one for each of the ten pairs).
void QueueUnused(Harness& h, int cards) {
    for (int i = 0; i < cards; ++i) h.random.QueueCard(52);
}

// A fresh game in its betting phase.
struct Started : Harness {
    Started() { StartGame(); }
};

// The first stake of 5 taken and a hand of nothing out, waiting for the draw.
struct Dealt : Started {
    Dealt() { DealCards({2, 16, 30, 44, 7}); }
};

TEST(DealTest, CapsTheStakeAndTakesIt) {
    struct Row {
        const char* name;
        bool limit;
        int score, maxBet, bet;
        int taken;
        const char* box;  // "" when the box is not written
    };
    const Row rows[] = {
        {"above MaxBet under the limit", true, 100, 10, 20, 10, " 10"},
        {"at MaxBet under the limit", true, 100, 10, 10, 10, ""},
        {"below MaxBet under the limit", true, 100, 10, 3, 3, ""},
        {"above the score without the limit", false, 40, 4, 60, 40, " 40"},
        {"the whole score without the limit", false, 40, 4, 40, 40, ""},
        {"stale MaxBet above the score is held to the score", true, 8, 10, 10, 8, " 8"},
        {"a stake of 0 from a MaxBet of 0", true, 5, 0, 0, 0, ""},
    };
    for (const Row& row : rows) {
        Started h;
        h.table.SetChecked(Option::Limit, row.limit);
        h.data.Score = static_cast<Integer>(row.score);
        h.data.MaxBet = static_cast<Integer>(row.maxBet);
        h.data.Bet = static_cast<Integer>(row.bet);
        h.log.clear();
        const int refreshes = h.table.Refreshes(Control::Bet_Value);
        h.DealCards({2, 16, 30, 44, 7});
        EXPECT_EQ(h.data.Bet, row.taken) << row.name;
        EXPECT_EQ(h.data.Score, row.score - row.taken) << row.name;
        EXPECT_EQ(Count(h.log, std::string("text Bet_Value=") + row.box) > 0, row.box[0] != 0)
            << row.name;
        EXPECT_GT(h.table.Refreshes(Control::Bet_Value), refreshes) << row.name;
    }
}

TEST(DealTest, ShowsTheScoreLessTheStakeBeforeTheFirstCardTurns) {
    Started h;
    h.log.clear();
    h.DealCards({2, 16, 30, 44, 7});
    const auto score = IndexOf(h.log, "text Score_Value= 95");
    ASSERT_GE(score, 0);
    EXPECT_LT(score, IndexOf(h.log, "wait 1"));
}

TEST(DealTest, ControlsAreOffWhileTheCardsTurnAndSetForTheDrawAfter) {
    Started h;
    std::vector<bool> seen;
    h.clock.At(0.5, [&] {
        for (Control c : {Control::Place_Bet, Control::Bet_Value, Control::Bet_Up,
                          Control::Bet_Down, Control::HC_1, Control::HC_5})
            seen.push_back(h.table.Enabled(c));
    });
    h.DealCards({2, 16, 30, 44, 7});
    EXPECT_EQ(seen, std::vector<bool>(6, false));
    EXPECT_TRUE(h.table.Enabled(Control::Place_Bet));
    EXPECT_TRUE(h.table.Enabled(Control::HC_3));
}

TEST(DealTest, ReplacesTheEarlierCardOfARepeatedPair) {
    struct Row {
        const char* name;
        int replacement;  // drawn for the pair (1, 2)
        std::array<int, 5> hand;
    };
    const Row rows[] = {
        {"position 1 is replaced", 44, {44, 5, 9, 20, 30}},
        // Position 1 becomes 9, equal to position 3: pair (1, 3) replaces it again in the same
        // pass.
        {"a replacement repeating a later card", 9, {52, 5, 9, 20, 30}},
    };
    for (const Row& row : rows) {
        Started h;
        h.random.QueueCards({5, 5, 9, 20, 30, row.replacement});
        QueueUnused(h, 9);
        h.logic.Place_Bet_Click();
        EXPECT_EQ(HandOf(h.data), row.hand) << row.name;
    }
}

TEST(DrawTest, NeverGivesBackACardJustDiscardedEvenAtItsOwnPosition) {
    Dealt h;
    h.random.QueueCards({2, 17, 32, 47, 9});  // position 1 draws its own discard
    QueueUnused(h, 10);
    h.random.QueueCard(31);  // its replacement
    h.logic.Place_Bet_Click();
    EXPECT_EQ(HandOf(h.data), (std::array<int, 5>{31, 17, 32, 47, 9}));
    EXPECT_EQ(h.data.Discards, (PerPlace<CardNumber>{0, 2, 16, 30, 44, 7}));
}

TEST(DrawTest, AllFiveHeldStillDrawsOneCardPerPositionAndKeepsTheHand) {
    Dealt h;
    const int drawn = h.random.Drawn();
    h.DrawCards({1, 2, 3, 4, 5}, {});
    // Five cards for the positions and ten for the one pass of the duplicate check.
    EXPECT_EQ(h.random.Drawn() - drawn, 2 * (5 + 10));
    EXPECT_EQ(HandOf(h.data), (std::array<int, 5>{2, 16, 30, 44, 7}));
    EXPECT_EQ(h.data.Discards, (PerPlace<CardNumber>{}));
    EXPECT_EQ(h.data.State(), GameState::Betting);
}

TEST(DrawTest, AHeldCardIsNeverReplacedByTheDuplicateCheck) {
    Dealt h;
    h.logic.HC_Click(2);
    h.random.QueueCards({33, 1, 34, 35, 16});  // position 5 draws the held card 16
    // Pairs (1, 2) to (2, 5) in turn: the last replaces position 5, never the held position 2.
    h.random.QueueCards({36, 37, 38, 39, 40, 45, 46});
    QueueUnused(h, 3);
    h.logic.Place_Bet_Click();
    EXPECT_EQ(HandOf(h.data), (std::array<int, 5>{33, 16, 34, 35, 46}));
}

TEST(DrawTest, EveryStageOtherThanOneDraws) {
    for (int stage : {2, 0, 3, -1}) {
        Dealt h;
        h.random.QueueCards({3, 17, 32, 47, 9});
        h.engine.PlayRound(stage);
        EXPECT_EQ(HandOf(h.data), (std::array<int, 5>{3, 17, 32, 47, 9})) << stage;
        EXPECT_EQ(h.data.State(), GameState::Betting) << stage;
    }
}

TEST(DrawTest, CountsTheWinBeforeThePayoutBegins) {
    Started h;
    h.DealCards({11, 24, 3, 17, 32});  // Jack of diamonds and Jack of clubs
    Integer countedDuringFlash = -1;
    h.clock.At(h.clock.Now() + 5.0 + 0.3, [&] { countedDuringFlash = h.data.HandStats[1]; });
    h.DrawCards({1, 2}, {0, 0, 6, 21, 48});
    EXPECT_EQ(countedDuringFlash, 1);
}

TEST(DrawTest, AZeroScoreOrAStakeOfZeroPlaysOnAndAWinIsCounted) {
    struct Row {
        const char* name;
        int bet;
        bool limit;
        int afterDeal;
    };
    for (const Row& row :
         {Row{"zero score after the deal", 5, false, 0}, {"stake of 0", 0, true, 5}}) {
        Started h;
        h.table.SetChecked(Option::Limit, row.limit);
        h.data.Score = 5;
        h.data.MaxBet = 0;
        h.data.Bet = static_cast<Integer>(row.bet);
        h.DealCards({11, 24, 3, 17, 32});  // Jack of diamonds and Jack of clubs
        EXPECT_EQ(h.data.Score, row.afterDeal) << row.name;
        EXPECT_EQ(h.data.State(), GameState::CardsOut) << row.name;
        h.DrawCards({1, 2}, {0, 0, 6, 21, 48});
        EXPECT_EQ(h.data.Score, 5) << row.name;
        EXPECT_EQ(h.data.HandStats[1], 1) << row.name;
        EXPECT_EQ(h.data.State(), GameState::Betting) << row.name;
    }
}

TEST(GameOverTest, BlinksSevenTimesOpensTheStatisticsAndShowsTheStartUpHand) {
    for (const bool viewStats : {true, false}) {
        Started h;
        h.table.SetChecked(Option::StatAfterGame, viewStats);
        h.data.Score = 5;
        h.DealCards({2, 16, 30, 44, 7});
        h.data.ShowPayTable = FlagTrue;
        h.log.clear();
        h.random.QueueCards({3, 17, 32, 47, 9});  // no win
        QueueUnused(h, 10);
        h.random.QueueNumber(0.5f);  // the start-up hand's suit: hearts
        h.logic.Place_Bet_Click();

        EventLog blinks;
        for (const std::string& e : h.log)
            if (e.rfind("text Score_Value", 0) == 0 || e == "wait 0.5" || e == "statistics")
                blinks.push_back(e);
        EventLog expected;
        for (int i = 0; i < 7; ++i)
            expected.insert(expected.end(), {"text Score_Value=Game Over", "wait 0.5",
                                             "text Score_Value= 0", "wait 0.5"});
        expected.push_back("text Score_Value=Game Over");
        if (viewStats) expected.push_back("statistics");
        expected.push_back("text Score_Value=Game Over");
        EXPECT_EQ(blinks, expected) << viewStats;
        // Without View Stats the window stays shut and the pay table mode is left alone.
        EXPECT_EQ(h.data.ShowPayTable, viewStats ? FlagFalse : FlagTrue);
        EXPECT_EQ(h.table.Pictures(), (std::array<int, 5>{27, 39, 38, 37, 36})) << viewStats;
        EXPECT_EQ(h.data.State(), GameState::Idle) << viewStats;
        EXPECT_EQ(h.table.Caption(Control::Place_Bet), "New Game") << viewStats;
        EXPECT_EQ(h.data.HandStats[10], 1) << viewStats;
        // The last hand stays in Hand although the table shows the start-up hand.
        EXPECT_EQ(HandOf(h.data), (std::array<int, 5>{3, 17, 32, 47, 9})) << viewStats;
    }
}

TEST(AbandonTest, NewGameDuringTheRevealLeavesTheNewGameUntouched) {
    Started h;
    h.data.Score = 60;
    h.clock.At(h.clock.Now() + 2.5, [&] { h.logic.StartNewGame(); });
    h.log.clear();
    h.DealCards({2, 16, 30, 44, 7});
    EXPECT_FALSE(h.engine.RoundUnderWay());
    EXPECT_EQ(h.data.Score, 100);
    EXPECT_EQ(h.data.HandStats[10], 0);
    EXPECT_EQ(h.table.Pictures(), (std::array<int, 5>{53, 53, 53, 53, 53}));
    EXPECT_TRUE(h.table.Enabled(Control::Place_Bet));
    EXPECT_EQ(h.clock.Interrupts(), 1);
    // Nothing of the old round came after the new game's card backs.
    const auto lastBack = IndexOf(h.log, "text Score_Value= 100");
    ASSERT_GE(lastBack, 0);
    for (std::size_t i = static_cast<std::size_t>(lastBack) + 1; i < h.log.size(); ++i)
        EXPECT_EQ(h.log[i].rfind("wait", 0), std::string::npos) << h.log[i];
}

TEST(AbandonTest, NewGameDuringTheCountUpStopsThePayout) {
    Started h;
    h.DealCards({1, 10, 11, 12, 40});
    // One card turns (1 s), the flashes take 3.6 s, then the count-up runs.
    h.clock.At(h.clock.Now() + 1.0 + 3.6 + 0.3, [&] { h.logic.StartNewGame(); });
    h.DrawCards({1, 2, 3, 4}, {0, 0, 0, 0, 13});  // a Royal Flush in diamonds
    EXPECT_EQ(h.data.Score, 100);
    EXPECT_EQ(h.data.HandStats[9], 0);
    EXPECT_LT(h.sound.Plays(), 20);
    EXPECT_EQ(h.data.State(), GameState::Betting);
    EXPECT_FALSE(h.engine.RoundUnderWay());
}

TEST(AbandonTest, NoSecondRoundStartsInsideTheFirst) {
    Started h;
    // A click slipped through while the deal waits: neither a second deal nor an early draw.
    h.clock.At(h.clock.Now() + 1.5, [&] { h.logic.Place_Bet_Click(); });
    h.DealCards({2, 16, 30, 44, 7});
    EXPECT_EQ(h.data.HandStats[10], 1);
    EXPECT_EQ(HandOf(h.data), (std::array<int, 5>{2, 16, 30, 44, 7}));
}

TEST(AbandonTest, ClosingDuringTheGameOverBlinkEndsTheRoundAtOnce) {
    Started h;
    h.data.Score = 5;
    h.DealCards({2, 16, 30, 44, 7});
    h.clock.At(h.clock.Now() + 5.0 + 2.2, [&] { h.logic.Closing(); });
    h.log.clear();
    h.DrawCards({}, {3, 17, 32, 47, 9});
    EXPECT_EQ(h.statistics.Openings(), 0);
    EXPECT_EQ(h.log.back(), "wait 0.5");
    EXPECT_FALSE(h.engine.RoundUnderWay());
}

}  // namespace
}  // namespace vantorel
