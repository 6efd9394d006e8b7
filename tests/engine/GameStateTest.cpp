#include <gtest/gtest.h>

#include "Harness.h"
#include "Texts.h"

namespace vantorel {
namespace {

using testing::Harness;

TEST(ComputeMaxBetTest, IsATenthOfTheScoreRoundedHalfToEven) {
    struct Row {
        int score;
        int maxBet;
    };
    const Row rows[] = {{0, 0},  {1, 0},    {4, 0},        {5, 0},         {6, 1},    {14, 1},
                        {15, 2}, {25, 2},   {35, 4},       {100, 10},      {105, 10}, {115, 12},
                        {-5, 0}, {-15, -2}, {32767, 3277}, {-32768, -3277}};
    for (const Row& row : rows) {
        Harness h;
        h.data.Score = static_cast<Integer>(row.score);
        h.engine.ComputeMaxBet();
        EXPECT_EQ(h.data.MaxBet, row.maxBet) << "score " << row.score;
    }
}

TEST(StartUpTest, LeavesTheIdleTable) {
    Harness h;
    EXPECT_EQ(h.data.State(), GameState::Idle);
    EXPECT_EQ(h.data.Score, 100);
    EXPECT_EQ(h.data.MaxBet, 10);
    EXPECT_EQ(h.data.Bet, 5);
    EXPECT_EQ(h.data.BettingPhase, FlagTrue);
    EXPECT_EQ(h.data.RedDeck, FlagTrue);
    EXPECT_EQ(h.data.AppPath, "/opt/vantorel");
    EXPECT_EQ(h.data.VersionDate, "(29/03/04)");
    EXPECT_EQ(h.table.Text(Control::Score_Value), "Game Over");
    EXPECT_EQ(h.table.Text(Control::Bet_Value), " 5");
    // The stake was written while the betting phase was off: its handler ran and did nothing.
    EXPECT_EQ(h.table.ChangeRuns(), 1);
    EXPECT_EQ(h.table.Caption(Control::Place_Bet), "New Game");
    EXPECT_TRUE(h.table.Enabled(Control::Place_Bet));
    for (Control c : {Control::Score_Value, Control::Bet_Value, Control::Bet_Up, Control::Bet_Down})
        EXPECT_FALSE(h.table.Enabled(c)) << testing::FakeTable::Name(c);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(h.table.Enabled(HC(i)));
        EXPECT_EQ(h.table.Caption(HC(i)), "Hold");
    }
    EXPECT_FALSE(h.table.ViewStatsEnabled());
    EXPECT_FALSE(h.table.Checked(Option::QuickPlay));
    EXPECT_TRUE(h.table.Checked(Option::Sound));
    EXPECT_TRUE(h.table.Checked(Option::StatAfterGame));
    EXPECT_TRUE(h.table.Checked(Option::Limit));
    for (int stat = 1; stat <= 10; ++stat) EXPECT_EQ(h.data.HandStats[stat], 0);
}

TEST(ShowGameOverHandTest, ShowsAceKingQueenJackTenOfTheDrawnSuit) {
    struct Row {
        const char* suit;
        float u;
        std::array<int, 5> pictures;
    };
    const Row rows[] = {
        {"diamonds", 0.0f, {1, 13, 12, 11, 10}},
        {"clubs", 0.25f, {14, 26, 25, 24, 23}},
        {"hearts", 0.5f, {27, 39, 38, 37, 36}},
        {"spades", 0.99999994f, {40, 52, 51, 50, 49}},
    };
    for (const Row& row : rows) {
        Harness h;
        h.table.SetText(Control::Score_Value, " 40");
        h.table.SetText(Control::Bet_Value, " 7");
        const int reseeds = h.random.Reseeds();
        const int drawn = h.random.Drawn();
        h.random.QueueNumber(row.u);
        h.engine.ShowGameOverHand();
        EXPECT_EQ(h.table.Pictures(), row.pictures) << row.suit;
        EXPECT_EQ(h.table.Text(Control::Score_Value), "Game Over") << row.suit;
        EXPECT_EQ(h.table.Text(Control::Bet_Value), " 7") << row.suit;
        EXPECT_EQ(h.random.Reseeds(), reseeds + 1) << row.suit;
        EXPECT_EQ(h.random.Drawn(), drawn + 1) << "one number: no rank is drawn";
    }
}

struct NewGameCase {
    const char* name;
    std::function<void(Harness&)> before;
};

TEST(NewGameTest, GivesAFreshGameFromAnyState) {
    const NewGameCase cases[] = {
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
             h.logic.HC_Click(4);
             h.data.RedDeck = FlagFalse;
             h.table.SetChecked(Option::Limit, false);
         }},
    };
    for (const NewGameCase& c : cases) {
        Harness h;
        c.before(h);
        h.data.GameInProgress = FlagTrue;
        h.engine.NewGame();
        EXPECT_EQ(h.data.Score, 100) << c.name;
        EXPECT_EQ(h.data.MaxBet, 10) << c.name;
        EXPECT_EQ(h.data.Bet, 5) << c.name;
        EXPECT_EQ(h.data.State(), GameState::Betting) << c.name;
        EXPECT_EQ(h.table.Caption(Control::Place_Bet), "Deal") << c.name;
        EXPECT_EQ(h.table.Text(Control::Score_Value), " 100") << c.name;
        EXPECT_EQ(h.table.Text(Control::Bet_Value), " 5") << c.name;
        const int back = IsSet(h.data.RedDeck) ? RedBackPicture : BlueBackPicture;
        EXPECT_EQ(h.table.Pictures(), (std::array<int, 5>{back, back, back, back, back})) << c.name;
        for (int stat = 1; stat <= 10; ++stat) EXPECT_EQ(h.data.HandStats[stat], 0) << c.name;
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(h.table.Caption(HC(i)), "Hold") << c.name;
            EXPECT_FALSE(h.table.Enabled(HC(i))) << c.name;
        }
    }
}

TEST(NewGameTest, BetweenDealAndDrawKeepsTheHoldFlagsUntilTheNextDeal) {
    Harness h;
    h.StartGame();
    h.DealCards({2, 16, 30, 44, 7});
    h.logic.HC_Click(3);
    h.data.GameInProgress = FlagTrue;
    h.engine.NewGame();
    EXPECT_EQ(h.data.Held[3], FlagTrue);
    EXPECT_EQ(h.table.Picture(3), RedBackPicture);
    h.DealCards({3, 17, 32, 47, 9});
    EXPECT_EQ(h.data.Held[3], FlagFalse);
    EXPECT_EQ(h.data.HeldCard[3], 0);
}

TEST(UpdateControlsTest, SetsEachStateRow) {
    struct Row {
        const char* name;
        Flag inProgress, betting;
        const char* placeBet;
        bool stake, holds, score, viewStats;
    };
    const Row rows[] = {
        {"betting", FlagTrue, FlagTrue, "Deal", true, false, true, true},
        {"cards out", FlagTrue, FlagFalse, "Draw", false, true, true, true},
        {"idle with betting off", FlagFalse, FlagFalse, "New Game", false, false, false, false},
        {"idle with betting on", FlagFalse, FlagTrue, "New Game", false, false, false, false},
    };
    for (const Row& row : rows) {
        Harness h;
        h.data.GameInProgress = row.inProgress;
        h.data.BettingPhase = row.betting;
        h.table.SetEnabled(Control::Place_Bet, true);
        for (int i = 1; i <= 5; ++i) h.table.SetCaption(HC(i), "Clear");
        const int refreshesBefore = h.table.Refreshes(Control::HC_5);
        h.engine.UpdateControls();
        EXPECT_EQ(h.table.Caption(Control::Place_Bet), row.placeBet) << row.name;
        EXPECT_TRUE(h.table.Enabled(Control::Place_Bet)) << row.name;
        for (Control c : {Control::Bet_Value, Control::Bet_Up, Control::Bet_Down})
            EXPECT_EQ(h.table.Enabled(c), row.stake) << row.name;
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(h.table.Enabled(HC(i)), row.holds) << row.name;
            // Cards out keeps the captions the hold toggles gave.
            EXPECT_EQ(h.table.Caption(HC(i)), row.holds ? "Clear" : "Hold") << row.name;
        }
        EXPECT_EQ(h.table.Enabled(Control::Score_Value), row.score) << row.name;
        EXPECT_EQ(h.table.ViewStatsEnabled(), row.viewStats) << row.name;
        EXPECT_EQ(h.table.Refreshes(Control::HC_5), refreshesBefore + 1) << row.name;
        if (!IsSet(row.inProgress))
            EXPECT_EQ(h.data.BettingPhase, FlagTrue) << row.name;
        else
            EXPECT_EQ(h.data.BettingPhase, row.betting) << row.name;
    }
}

TEST(UpdateControlsTest, CardsOutLeavesADisabledMainButtonDisabled) {
    Harness h;
    h.data.GameInProgress = FlagTrue;
    h.data.BettingPhase = FlagFalse;
    h.table.SetEnabled(Control::Place_Bet, false);
    h.engine.UpdateControls();
    EXPECT_FALSE(h.table.Enabled(Control::Place_Bet));
}

}  // namespace
}  // namespace vantorel
