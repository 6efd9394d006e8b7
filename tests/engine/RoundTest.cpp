#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "Harness.h"

// Rounds played through the table's own procedures, on a virtual clock with scripted cards.
namespace vantorel {
namespace {

using testing::EventLog;
using Five = std::array<int, 5>;

std::ptrdiff_t Count(const EventLog& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

// A fresh game in its betting phase: score 100, stake 5.
struct Started : testing::Harness {
    Started() { logic.Place_Bet_Click(); }
};

// The stake leaves the score first, then the cards turn one a second with the flip sound; the
// Sound tick is read before each card, and each round draws on a freshly seeded generator.
TEST(DealTest, TurnsFiveCardsOneSecondApartEachWithTheFlipSound) {
    Started h;
    h.log.clear();
    const int reseeds = h.random.reseeds;
    std::vector<bool> onDuringReveal;
    h.clock.At(0.5, [&] {
        for (Control c : {Control::Place_Bet, Control::Bet_Value, Control::HC_1})
            onDuringReveal.push_back(h.table.Enabled(c));
    });
    h.Deal({2, 16, 30, 44, 7});
    EventLog expected{"score  95"};
    for (int i = 1; i <= 5; ++i) expected.push_back("picture " + std::to_string(i) + "=53");
    for (const auto& [i, card] : {std::pair{1, 2}, {2, 16}, {3, 30}, {4, 44}, {5, 7}})
        expected.insert(expected.end(),
                        {"wait 1", "sound cflip.wav async",
                         "picture " + std::to_string(i) + "=" + std::to_string(card)});
    EXPECT_EQ(expected, h.log);
    EXPECT_EQ(reseeds + 1, h.random.reseeds);
    EXPECT_EQ(std::vector<bool>(3, false), onDuringReveal);

    // Unticked before the draw's first card turns, ticked again before its third.
    h.clock.At(h.clock.Now() + 0.5, [&h] { h.table.SetChecked(Option::Sound, false); });
    h.clock.At(h.clock.Now() + 2.5, [&h] { h.table.SetChecked(Option::Sound, true); });
    h.Draw({}, {3, 17, 32, 47, 9});
    EXPECT_EQ(reseeds + 2, h.random.reseeds);
    EXPECT_EQ(5 + 3, h.sound.plays) << "the draw's cards 1 and 2 turn with Sound unticked";
}

// A repeat's replacement may repeat a card of a pair already checked: the deal checks again until
// no card repeats.
TEST(DealTest, ChecksForRepeatsUntilNoneIsLeft) {
    Started h;
    h.random.QueueCards({2, 16, 30, 7, 7});  // places 4 and 5, the last pair checked, repeat
    h.Spare(9);
    h.random.QueueCards({2, 52, 52, 9});  // place 4 takes place 1's 2; the next pass, a 9 for it
    h.Spare(7);
    h.logic.Place_Bet_Click();
    EXPECT_EQ((Five{9, 16, 30, 2, 7}), h.table.Pictures());
}

TEST(DrawTest, KeepsHeldCardsAndNeverGivesBackADiscard) {
    Started h;
    h.Deal({2, 16, 30, 44, 7});
    std::vector<bool> onDuringDraw;
    h.clock.At(h.clock.Now() + 0.5, [&] {
        for (Control c : {Control::Place_Bet, Control::HC_2})
            onDuringDraw.push_back(h.table.Enabled(c));
    });
    h.log.clear();
    // Place 5 draws the held 16: the duplicate check replaces place 5, never the held place 2.
    // Place 1 draws back its own 2 and place 3 the 7 that place 5 let go; both draw again.
    h.random.QueueCards({2, 1, 7, 35, 16});
    h.Spare(10);
    h.random.QueueCards({33, 31});
    h.Draw({2, 4}, {});
    EXPECT_EQ((Five{33, 16, 31, 44, 52}), h.table.Pictures());
    EXPECT_EQ(std::vector<bool>(2, false), onDuringDraw);
    EXPECT_EQ(3, Count(h.log, "wait 1"));
    EXPECT_EQ("Hold", h.table.Caption(Control::HC_2));
}

// Jacks or Better at a stake of 5: flashed three times, then counted up with one alert. The next
// win flashes only its own cards.
TEST(PayoutTest, FlashesTheWinningCardsThenCountsUp) {
    Started h;
    h.Deal({11, 24, 3, 17, 32});
    h.Draw({1, 2}, {1, 2, 6, 21, 48});
    EventLog expected;
    for (int flash = 0; flash < 3; ++flash)
        expected.insert(expected.end(), {"picture 1=55", "picture 2=55", "wait 0.6", "picture 1=11",
                                         "picture 2=24", "wait 0.6"});
    expected.insert(expected.end(), {"score  100", "sound alert.wav wait", "wait 0.05"});
    ASSERT_GE(h.log.size(), expected.size());
    EXPECT_EQ(expected, EventLog(h.log.end() - std::ssize(expected), h.log.end()));
    h.Deal({3, 17, 32, 12, 25});
    h.log.clear();
    h.Draw({4, 5}, {7, 21, 48, 1, 2});  // Queens at places 4 and 5
    EXPECT_EQ(0, Count(h.log, "picture 1=55")) << "the last win's cards flashed again";
    EXPECT_EQ(3, Count(h.log, "picture 5=55"));
    EXPECT_EQ(2, h.data.HandStats[1]);
}

// 32100 and a Royal Flush at a stake of 100: the score stops at 32767 instead of wrapping round.
TEST(PayoutTest, AWinPastTheSixteenBitCeilingStopsThere) {
    for (const bool quick : {false, true}) {
        Started h;
        h.table.SetChecked(Option::QuickPlay, quick);
        h.table.SetChecked(Option::Limit, false);
        h.data.Score = 32100;
        h.data.Bet = 100;
        h.Deal({1, 10, 11, 12, 40});
        h.Draw({1, 2, 3, 4}, {1, 2, 3, 4, 13});
        EXPECT_EQ(" 32767", h.table.Text(Control::Score_Value)) << quick;
        EXPECT_EQ(quick ? 0 : 6, Count(h.log, "wait 0.6")) << "Quick Play flashes nothing";
        EXPECT_EQ(quick ? 0 : 8, Count(h.log, "wait 0.05")) << quick;
        EXPECT_EQ(quick ? 1 : 8, Count(h.log, "sound alert.wav wait")) << quick;
    }
}

// The table is left as at start-up, and the next game starts afresh.
TEST(GameOverTest, BlinksOpensTheStatisticsAndShowsTheStartUpHand) {
    for (const bool viewStats : {true, false}) {
        Started h;
        h.table.SetChecked(Option::StatAfterGame, viewStats);
        h.data.Score = 5;
        h.Deal({2, 16, 30, 44, 7});
        h.data.ShowPayTable = FlagTrue;
        Flag payTableWhileOpen = FlagFalse;
        h.table.whileStatisticsOpen = [&] { payTableWhileOpen = h.data.ShowPayTable; };
        h.log.clear();
        h.random.QueueCards({3, 17, 32, 47, 9});
        h.Spare(10);
        h.random.QueueNumber(0.5f);  // the start-up hand's suit: hearts
        std::string onOff;           // the score box and View Statistics
        const auto note = [&] {
            onOff += h.table.Enabled(Control::Score_Value) ? "1" : "0";
            onOff += h.table.ViewStatsEnabled() ? "1 " : "0 ";
        };
        h.clock.At(h.clock.Now() + 5.2, note);  // while Game Over blinks
        h.logic.Place_Bet_Click();
        note();
        EventLog shown, expected;
        for (const std::string& e : h.log)
            if (e.rfind("score", 0) == 0 || e == "wait 0.5" || e == "statistics")
                shown.push_back(e);
        for (int i = 0; i < 7; ++i)
            expected.insert(expected.end(),
                            {"score Game Over", "wait 0.5", "score  0", "wait 0.5"});
        expected.push_back("score Game Over");
        if (viewStats) expected.push_back("statistics");
        expected.push_back("score Game Over");
        EXPECT_EQ(expected, shown) << viewStats;
        EXPECT_EQ(FlagFalse, payTableWhileOpen) << "the statistics, not the pay table";
        EXPECT_EQ((Five{27, 39, 38, 37, 36}), h.table.Pictures()) << viewStats;
        h.data.RedDeck = FlagFalse;
        h.logic.Place_Bet_Click();
        EXPECT_EQ(" 100", h.table.Text(Control::Score_Value));
        EXPECT_EQ((Five{54, 54, 54, 54, 54}), h.table.Pictures());
        EXPECT_EQ((std::array<Integer, 11>{}), h.data.HandStats);
        note();
        EXPECT_EQ("11 00 11 ", onOff) << "on while Game Over blinks, off after, on at a new game";
    }
}

// A click or a second round slipped in during the deal's waits does nothing.
TEST(AbandonTest, NoRoundStartsInsideAnother) {
    Started h;
    h.clock.At(1.5, [&] { h.logic.Place_Bet_Click(); });
    h.clock.At(2.5, [&] { h.engine.PlayRound(2); });
    h.Deal({2, 16, 30, 44, 7});
    EXPECT_EQ(1, h.data.HandStats[10]) << "a second round was played";
    EXPECT_EQ(GameState::CardsOut, h.data.State());
}

TEST(AbandonTest, NewGameDuringTheRevealLeavesTheNewGameUntouched) {
    Started h;
    h.data.Score = 60;
    h.clock.At(2.5, [&] { h.logic.StartNewGame(); });
    h.Deal({2, 16, 30, 44, 7});
    EXPECT_EQ(100, h.data.Score);
    EXPECT_EQ(0, h.data.HandStats[10]);
    EXPECT_EQ((Five{53, 53, 53, 53, 53}), h.table.Pictures()) << "the old round went on";
    EXPECT_EQ(1, h.clock.interrupts) << "the new game waited out the old round's wait";
    h.Deal({3, 17, 32, 47, 9});  // and the new game deals as any other
    EXPECT_EQ((Five{3, 17, 32, 47, 9}), h.table.Pictures());
}

}  // namespace
}  // namespace vantorel
