#include <gtest/gtest.h>

#include "Harness.h"

namespace vantorel {
namespace {

using testing::Harness;

// A table in the betting phase with the given score, stake and limit option.
struct BettingTable : Harness {
    BettingTable(int score, int bet, bool limit) {
        StartGame();
        table.SetChecked(Option::Limit, limit);
        data.Score = static_cast<Integer>(score);
        engine.ComputeMaxBet();
        data.Bet = static_cast<Integer>(bet);
        table.SetText(Control::Bet_Value, NumberText(data.Bet));
    }
};

TEST(BetValueChangeTest, TakesOrRefusesWhatIsTyped) {
    struct Row {
        const char* typed;
        int bet;          // the stake afterwards
        const char* box;  // what the box shows afterwards
    };
    // Score 100 with the limit ticked: MaxBet 10, stake 5.
    const Row rows[] = {
        {"2", 2, "2"},     {"5abc", 5, "5abc"}, {"1,5", 1, "1,5"},   {"6.5", 6, "6.5"},
        {"7.5", 8, "7.5"}, {"0.5", 0, "0.5"},   {"10", 10, "10"},    {"10.4", 5, " 5"},
        {"20", 5, " 5"},   {"1e2", 5, " 5"},    {"1e1", 10, "1e1"},  {"&HA", 10, "&HA"},
        {"&H1F", 5, " 5"}, {"", 5, " 5"},       {"-", 5, " 5"},      {".", 5, " 5"},
        {"0", 5, " 5"},    {"-3", 5, " 5"},     {"-0.4", 5, " 5"},   {" 1 2 ", 5, " 5"},
        {" 9 ", 9, " 9 "}, {"1e999", 5, " 5"},  {"-1e999", 5, " 5"}, {"abc", 5, " 5"},
    };
    for (const Row& row : rows) {
        BettingTable h(100, 5, true);
        h.table.Type(row.typed);
        EXPECT_EQ(h.data.Bet, row.bet) << '"' << row.typed << '"';
        EXPECT_EQ(h.table.Text(Control::Bet_Value), row.box) << '"' << row.typed << '"';
        EXPECT_EQ(h.data.MaxBet, 10) << '"' << row.typed << '"';
    }
}

TEST(BetValueChangeTest, WithoutTheLimitTheScoreIsTheCeiling) {
    BettingTable h(40, 5, false);
    h.table.Type("40");
    EXPECT_EQ(h.data.Bet, 40);
    h.table.Type("41");
    EXPECT_EQ(h.data.Bet, 40);
    EXPECT_EQ(h.table.Text(Control::Bet_Value), " 40");
}

TEST(BetValueChangeTest, ARefusalRunsTheHandlerOnceMoreNestedAndStops) {
    BettingTable h(100, 2, true);
    const int runs = h.table.ChangeRuns();
    h.table.Type("20");
    EXPECT_EQ(h.table.ChangeRuns() - runs, 2);
    EXPECT_EQ(h.table.Text(Control::Bet_Value), " 2");
}

TEST(BetValueChangeTest, DoesNothingOutsideTheBettingPhase) {
    Harness h;
    h.StartGame();
    h.DealCards({2, 16, 30, 44, 7});  // between deal and draw
    h.table.Type("abc");
    EXPECT_EQ(h.table.Text(Control::Bet_Value), "abc");
    EXPECT_EQ(h.data.Bet, 5);
}

TEST(BetUpClickTest, StepsWithinTheCeiling) {
    struct Row {
        const char* name;
        int score, bet;
        bool limit;
        int after;
        const char* box;
    };
    const Row rows[] = {
        {"below MaxBet", 100, 5, true, 6, " 6"},
        {"at MaxBet", 100, 10, true, 10, " 10"},
        {"above MaxBet comes down to it", 100, 30, true, 10, " 10"},
        {"without the limit, up to the score", 40, 39, false, 40, " 40"},
        {"without the limit, at the score nothing happens", 40, 40, false, 40, " 40"},
        {"without the limit, above the score rises", 40, 60, false, 61, " 61"},
        {"at the sixteen-bit ceiling it stays", 100, 32767, false, 32767, " 32767"},
        // The box's handler refuses the " 0" written and puts it back: the stake of 0 stands.
        {"at MaxBet 0 the stake becomes 0", 5, 1, true, 0, " 0"},
    };
    for (const Row& row : rows) {
        BettingTable h(row.score, row.bet, row.limit);
        h.logic.Bet_Up_Click();
        EXPECT_EQ(h.data.Bet, row.after) << row.name;
        EXPECT_EQ(h.table.Text(Control::Bet_Value), row.box) << row.name;
    }
}

TEST(BetDownClickTest, StepsDownButNeverBelowOne) {
    struct Row {
        int bet;
        int after;
        const char* box;
    };
    for (const Row& row : {Row{5, 4, " 4"}, Row{2, 1, " 1"}, Row{1, 1, " 1"}, Row{0, 0, " 0"}}) {
        BettingTable h(100, row.bet, true);
        h.logic.Bet_Down_Click();
        EXPECT_EQ(h.data.Bet, row.after) << row.bet;
        EXPECT_EQ(h.table.Text(Control::Bet_Value), row.box) << row.bet;
    }
}

TEST(HoldClickTest, TogglesHoldAndClearAndOnlyExactlyTrueCountsAsHeld) {
    Harness h;
    h.StartGame();
    h.DealCards({2, 16, 30, 44, 7});
    h.logic.HC_Click(3);
    EXPECT_EQ(h.data.Held[3], FlagTrue);
    EXPECT_EQ(h.data.HeldCard[3], 30);
    EXPECT_EQ(h.table.Caption(Control::HC_3), "Clear");
    h.logic.HC_Click(3);
    EXPECT_EQ(h.data.Held[3], FlagFalse);
    EXPECT_EQ(h.data.HeldCard[3], 0);
    EXPECT_EQ(h.table.Caption(Control::HC_3), "Hold");
    h.data.Held[2] = 1;  // set but not True: the click holds rather than clears
    h.logic.HC_Click(2);
    EXPECT_EQ(h.data.Held[2], FlagTrue);
    EXPECT_EQ(h.table.Caption(Control::HC_2), "Clear");
}

TEST(PlaceBetClickTest, StartsDealsAndDrawsByState) {
    Harness h;
    h.logic.Place_Bet_Click();
    EXPECT_EQ(h.data.State(), GameState::Betting);
    EXPECT_EQ(h.data.Score, 100);
    h.DealCards({2, 16, 30, 44, 7});
    EXPECT_EQ(h.data.State(), GameState::CardsOut);
    EXPECT_EQ(h.data.Score, 95);
    h.DrawCards({}, {3, 17, 32, 47, 9});
    EXPECT_EQ(h.data.State(), GameState::Betting);
    EXPECT_EQ(h.data.HandStats[10], 1);
}

}  // namespace
}  // namespace vantorel
