#include <gtest/gtest.h>

#include "Harness.h"
#include "Texts.h"

namespace vantorel {
namespace {

using testing::Harness;

TEST(ComputeMaxBetTest, IsATenthOfTheScoreRoundedHalfToEven) {
    const std::pair<int, int> rows[] = {{0, 0},  {1, 0},    {4, 0},        {5, 0},
                                        {6, 1},  {14, 1},   {15, 2},       {25, 2},
                                        {35, 4}, {100, 10}, {105, 10},     {115, 12},
                                        {-5, 0}, {-15, -2}, {32767, 3277}, {-32768, -3277}};
    for (const auto& [score, maxBet] : rows) {
        Harness h;
        h.data.Score = static_cast<Integer>(score);
        h.engine.ComputeMaxBet();
        EXPECT_EQ(maxBet, h.data.MaxBet) << "score " << score;
    }
}

TEST(StartUpTest, LeavesTheIdleTable) {
    Harness h;
    EXPECT_EQ(GameState::Idle, h.data.State());
    EXPECT_EQ(100, h.data.Score);
    EXPECT_EQ(10, h.data.MaxBet);
    EXPECT_EQ(5, h.data.Bet);
    EXPECT_EQ(FlagTrue, h.data.BettingPhase);
    EXPECT_EQ(FlagTrue, h.data.RedDeck);
    EXPECT_EQ("Game Over", h.table.Text(Control::Score_Value));
    EXPECT_EQ(" 5", h.table.Text(Control::Bet_Value));
    // The stake was written while the betting phase was off: its handler ran and did nothing.
    EXPECT_EQ(1, h.table.ChangeRuns());
    EXPECT_EQ("New Game", h.table.Caption(Control::Place_Bet));
    EXPECT_TRUE(h.table.Enabled(Control::Place_Bet));
    for (Control c : {Control::Score_Value, Control::Bet_Value, Control::Bet_Up, Control::Bet_Down,
                      Control::HC_1, Control::HC_5})
        EXPECT_FALSE(h.table.Enabled(c)) << testing::FakeTable::Name(c);
    EXPECT_FALSE(h.table.ViewStatsEnabled());
    for (int stat = 1; stat <= 10; ++stat) EXPECT_EQ(0, h.data.HandStats[stat]);
}

TEST(ShowGameOverHandTest, ShowsAceKingQueenJackTenOfTheDrawnSuit) {
    const std::pair<float, std::array<int, 5>> rows[] = {{0.0f, {1, 13, 12, 11, 10}},
                                                         {0.25f, {14, 26, 25, 24, 23}},
                                                         {0.5f, {27, 39, 38, 37, 36}},
                                                         {0.99999994f, {40, 52, 51, 50, 49}}};
    for (const auto& [u, pictures] : rows) {
        Harness h;
        h.table.SetText(Control::Score_Value, " 40");
        h.table.SetText(Control::Bet_Value, " 7");
        const int reseeds = h.random.Reseeds();
        const int drawn = h.random.Drawn();
        h.random.QueueNumber(u);
        h.engine.ShowGameOverHand();
        EXPECT_EQ(pictures, h.table.Pictures()) << u;
        EXPECT_EQ("Game Over", h.table.Text(Control::Score_Value)) << u;
        EXPECT_EQ(" 7", h.table.Text(Control::Bet_Value)) << u;
        EXPECT_EQ(reseeds + 1, h.random.Reseeds()) << u;
        EXPECT_EQ(drawn + 1, h.random.Drawn()) << "one number: no rank is drawn";
    }
}

TEST(NewGameTest, GivesAFreshGameFromAnyState) {
    const std::pair<const char*, std::function<void(Harness&)>> cases[] = {
        {"idle table", [](Harness&) {}},
        {"betting with a changed stake and score",
         [](Harness& h) {
             h.StartGame();
             h.data.Score = 3000;
             h.data.Bet = 77;
             h.data.HandStats = {0, 4, 3, 2, 1, 1, 1, 1, 1, 1, 30};
         }},
        {"cards out with holds and blue backs, limit off",
         [](Harness& h) {
             h.StartGame();
             h.DealCards({2, 16, 30, 44, 7});
             h.logic.HC_Click(2);
             h.data.RedDeck = FlagFalse;
             h.table.SetChecked(Option::Limit, false);
         }},
    };
    for (const auto& [name, before] : cases) {
        Harness h;
        before(h);
        h.data.GameInProgress = FlagTrue;
        h.engine.NewGame();
        EXPECT_EQ(100, h.data.Score) << name;
        EXPECT_EQ(10, h.data.MaxBet) << name;
        EXPECT_EQ(5, h.data.Bet) << name;
        EXPECT_EQ(GameState::Betting, h.data.State()) << name;
        EXPECT_EQ("Deal", h.table.Caption(Control::Place_Bet)) << name;
        EXPECT_EQ(" 100", h.table.Text(Control::Score_Value)) << name;
        const int back = IsSet(h.data.RedDeck) ? RedBackPicture : BlueBackPicture;
        EXPECT_EQ((std::array<int, 5>{back, back, back, back, back}), h.table.Pictures()) << name;
        for (int stat = 1; stat <= 10; ++stat) EXPECT_EQ(0, h.data.HandStats[stat]) << name;
        EXPECT_EQ("Hold", h.table.Caption(Control::HC_2)) << name;
    }
}

TEST(NewGameTest, BetweenDealAndDrawKeepsTheHoldFlagsUntilTheNextDeal) {
    Harness h;
    h.StartGame();
    h.DealCards({2, 16, 30, 44, 7});
    h.logic.HC_Click(3);
    h.logic.StartNewGame();  // outside a round: nothing to abandon
    EXPECT_EQ(0, h.clock.Interrupts());
    EXPECT_EQ(FlagTrue, h.data.Held[3]);
    h.DealCards({3, 17, 32, 47, 9});
    EXPECT_EQ(FlagFalse, h.data.Held[3]);
    EXPECT_EQ(0, h.data.HeldCard[3]);
    EXPECT_EQ(47, h.data.Hand[4]);
}

TEST(UpdateControlsTest, SetsEachStateRow) {
    struct Row {
        const char* name;
        Flag inProgress, betting;
        bool placeBetOn;  // before, and so after: no row turns the main button on
        const char* placeBet;
        bool stake, holds, score;
    };
    const Row rows[] = {
        {"betting", FlagTrue, FlagTrue, true, "Deal", true, false, true},
        {"cards out", FlagTrue, FlagFalse, true, "Draw", false, true, true},
        {"cards out, main button off", FlagTrue, FlagFalse, false, "Draw", false, true, true},
        {"idle with betting off", FlagFalse, FlagFalse, true, "New Game", false, false, false},
        {"idle with betting on", FlagFalse, FlagTrue, true, "New Game", false, false, false},
    };
    for (const Row& row : rows) {
        Harness h;
        h.data.GameInProgress = row.inProgress;
        h.data.BettingPhase = row.betting;
        h.table.SetEnabled(Control::Place_Bet, row.placeBetOn);
        for (int i = 1; i <= 5; ++i) h.table.SetCaption(HC(i), "Clear");
        const int refreshes = h.table.Refreshes(Control::HC_5);
        h.engine.UpdateControls();
        EXPECT_EQ(row.placeBet, h.table.Caption(Control::Place_Bet)) << row.name;
        EXPECT_EQ(row.placeBetOn, h.table.Enabled(Control::Place_Bet)) << row.name;
        for (Control c : {Control::Bet_Value, Control::Bet_Up, Control::Bet_Down})
            EXPECT_EQ(row.stake, h.table.Enabled(c)) << row.name;
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(row.holds, h.table.Enabled(HC(i))) << row.name;
            // Cards out keeps the captions the hold toggles gave.
            EXPECT_EQ(row.holds ? "Clear" : "Hold", h.table.Caption(HC(i))) << row.name;
        }
        EXPECT_EQ(row.score, h.table.Enabled(Control::Score_Value)) << row.name;
        EXPECT_EQ(row.score, h.table.ViewStatsEnabled()) << row.name;
        EXPECT_EQ(refreshes + 1, h.table.Refreshes(Control::HC_5)) << row.name;
        // Idle always leaves the betting phase on, ready for the next game.
        EXPECT_EQ(IsSet(row.inProgress) ? row.betting : FlagTrue, h.data.BettingPhase) << row.name;
    }
}

}  // namespace
}  // namespace vantorel
