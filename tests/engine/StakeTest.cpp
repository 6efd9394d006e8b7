#include <gtest/gtest.h>

#include "Harness.h"

// The stake rules as the player meets them: the buttons, the box and the deal's ceiling.
namespace vantorel {
namespace {

// A game in its betting phase with the given score, stake and limit option.
struct Betting : testing::Harness {
    Betting(int score, int bet, bool limit) {
        logic.Place_Bet_Click();
        table.SetChecked(Option::Limit, limit);
        data.Score = static_cast<Integer>(score);
        engine.ComputeMaxBet();
        data.Bet = static_cast<Integer>(bet);
        table.SetText(Control::Bet_Value, NumberText(bet));
    }
};

TEST(StakeTest, TheBoxTakesAStakeWithinTheCeilingAndPutsBackAnythingElse) {
    struct Row {
        const char* typed;
        int bet;          // the stake afterwards
        const char* box;  // what the box shows afterwards
    };
    // Score 100 under the limit: the ceiling is 10, the stake 5. The box reads the number the
    // text begins with, blanks ignored, "d" for an exponent and &H, &O for hexadecimal and octal.
    const Row rows[] = {
        {"2", 2, "2"},      {"5abc", 5, "5abc"}, {"7.5", 8, "7.5"},  {"6.5", 6, "6.5"},
        {"10", 10, "10"},   {"1 0", 10, "1 0"},  {"1,5", 1, "1,5"},  {"0.5", 0, "0.5"},
        {"1d1", 10, "1d1"}, {"&HA", 10, "&HA"},  {"&o7", 7, "&o7"},  {".5e1", 5, ".5e1"},
        {"10.4", 5, " 5"},  {"11", 5, " 5"},     {"", 5, " 5"},      {"0", 5, " 5"},
        {"-3", 5, " 5"},    {"abc", 5, " 5"},    {"1e999", 5, " 5"}, {"&H1F", 5, " 5"},
    };
    for (const Row& row : rows) {
        Betting h(100, 5, true);
        h.data.MaxBet = 1;  // left from a score of 10: a typed stake reckons the ceiling afresh
        h.table.SetText(Control::Bet_Value, row.typed);
        EXPECT_EQ(row.bet, h.data.Bet) << '"' << row.typed << '"';
        EXPECT_EQ(row.box, h.table.Text(Control::Bet_Value)) << '"' << row.typed << '"';
    }
}

// ">" reckons the ceiling afresh, a tenth of the score rounded half to even, and "<" stops at 1.
TEST(StakeTest, TheButtonsStepWithinTheCeilingOfTheScoreAndNeverBelowOne) {
    struct Row {
        const char* name;
        int score, bet;
        bool limit, up;
        const char* after;  // the stake box
    };
    const Row rows[] = {
        {"up below the ceiling", 100, 5, true, true, " 6"},
        {"up at the ceiling", 100, 10, true, true, " 10"},
        {"up from above the ceiling comes down to it", 100, 30, true, true, " 10"},
        {"a ceiling of 5 / 10 is 0", 5, 30, true, true, " 0"},
        {"15 / 10 rounds to 2", 15, 30, true, true, " 2"},
        {"25 / 10 rounds to 2", 25, 30, true, true, " 2"},
        {"35 / 10 rounds to 4", 35, 30, true, true, " 4"},
        {"the highest score", 32767, 32767, true, true, " 3277"},
        {"up without the limit, at the score", 40, 40, false, true, " 40"},
        {"up at the sixteen-bit edge", 100, 32767, false, true, " 32767"},
        {"down", 100, 5, true, false, " 4"},
        {"down from 1", 100, 1, true, false, " 1"},
    };
    for (const Row& row : rows) {
        Betting h(row.score, row.bet, row.limit);
        h.data.MaxBet = 1;  // left from a score of 10
        row.up ? h.logic.Bet_Up_Click() : h.logic.Bet_Down_Click();
        EXPECT_EQ(row.after, h.table.Text(Control::Bet_Value)) << row.name;
    }
}

TEST(StakeTest, TheDealTakesNoMoreThanTheCeilingAndNeverMoreThanTheScore) {
    struct Row {
        const char* name;
        bool limit;
        int score, maxBet, bet, taken;
        const char* box;
    };
    const Row rows[] = {
        {"above the ceiling under the limit", true, 100, 10, 20, 10, " 10"},
        {"above the score without the limit", false, 40, 4, 60, 40, " 40"},
        {"a ceiling left from a higher score", true, 8, 10, 10, 8, " 8"},
        {"a stake of 0 from a ceiling of 0", true, 5, 0, 0, 0, " 0"},
    };
    for (const Row& row : rows) {
        Betting h(row.score, row.bet, row.limit);
        h.data.MaxBet = static_cast<Integer>(row.maxBet);
        h.Deal({2, 16, 30, 44, 7});
        EXPECT_EQ(row.box, h.table.Text(Control::Bet_Value)) << row.name;
        EXPECT_EQ(row.score - row.taken, h.data.Score) << row.name;
    }
}

}  // namespace
}  // namespace vantorel
