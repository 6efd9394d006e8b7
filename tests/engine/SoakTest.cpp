#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "HandEvaluation.h"
#include "Harness.h"
#include "PayTable.h"
#include "StakeText.h"
#include "Texts.h"

// A long run of random play through a whole table without a window: random holds, typed and
// stepped stakes, options ticked and unticked, new games and stray clicks in the middle of deals
// and draws, and games played down to nothing. After every step it checks what must always hold.
namespace vantorel {
namespace {

using testing::Harness;

// A round is one deal and its draw. VANTOREL_SOAK_ROUNDS overrides the count, so a build under
// sanitizers can choose a shorter run.
constexpr long DefaultRounds = 100000;
// Every table starts afresh with its own seed, so a failure names a short, repeatable run.
constexpr long RoundsPerTable = 1000;

constexpr Integer StartingScore = 100;
constexpr Integer StartingStake = 5;

// The longest stretch of virtual time that a mid-round event is aimed into. A deal turns five cards
// a second apart; a draw turns up to five, flashes a win, counts it up and may blink "Game Over".
// An event aimed past the end of its round does nothing when it comes due later.
constexpr double DealShow = 5.0;
constexpr double DrawShow = 16.0;

// How often the simulated player does each thing, in percent; StepDown is the share of the
// presses of a stake button that go to "<" rather than ">".
namespace percent {
constexpr int TypeStake = 35, StepStake = 35, StepDown = 50, ToggleOption = 8, NewGameFromMenu = 2,
              NewGameFromMenuWhenIdle = 30, RichGame = 3, HoldEachCard = 45, HoldClickedTwice = 5,
              NewGameDuringRound = 3, StrayClickDuringRound = 4, ToggleDuringRound = 4,
              BlanksInStake = 15;
}  // namespace percent

constexpr int MaxStakeChanges = 3, MaxStakeSteps = 4;
// A rich game starts with a score near the top of the 16-bit range, so wins and stakes reach it.
constexpr int RichScoreSpread = 3000;

constexpr std::array<Option, 4> AllOptions{Option::Sound, Option::QuickPlay, Option::StatAfterGame,
                                           Option::Limit};

long SoakRounds() {
    const char* text = std::getenv("VANTOREL_SOAK_ROUNDS");
    const long rounds = text == nullptr ? 0 : std::strtol(text, nullptr, 10);
    return rounds > 0 ? rounds : DefaultRounds;
}

// The rare corners a full run must reach, or it proves less than it claims; counted by name.
constexpr std::array<const char*, 8> Corners{"deals abandoned", "draws abandoned", "stray clicks",
                                             "games over",      "stakes taken",    "stakes refused",
                                             "stakes lowered",  "scores at 32767"};
using Tally = std::map<std::string, long>;

// One table played at random by a simulated player, checked after every step.
class SoakPlayer {
  public:
    SoakPlayer(unsigned seed, Tally& tally) : dice_(seed), tally_(tally) {
        // The fallback generator hands out the cards; each table gets its own seed.
        h_.random = testing::ScriptedRandom{seed};
        // The statistics window opens only once the game has ended.
        h_.statistics.whileOpen = [this] {
            EXPECT_EQ(GameState::Idle, h_.data.State());
            EXPECT_EQ(text::GameOver, h_.table.Text(Control::Score_Value));
        };
    }

    // Plays until `rounds` draws have been made, or until a check fails.
    void Play(long rounds) {
        for (long draws = 0; draws < rounds && !::testing::Test::HasFailure();) {
            h_.log.clear();
            switch (h_.data.State()) {
                case GameState::Idle:
                    NewGame(Chance(percent::NewGameFromMenuWhenIdle) ? Via::Menu : Via::MainButton);
                    if (Chance(percent::RichGame)) MakeRich();
                    break;
                case GameState::Betting:
                    BetAndDeal();
                    break;
                case GameState::CardsOut:
                    HoldAndDraw();
                    ++draws;
                    break;
            }
            CheckAlways();
        }
    }

  private:
    bool Chance(int percent) { return Pick(100) < percent; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }
    bool Ticked(Option option) const { return h_.table.Checked(option); }
    // An option changed during a round makes what it governs in that round unknowable.
    void Toggle(Option option) {
        h_.table.SetChecked(option, !Ticked(option));
        optionChanged_ = true;
    }
    template <typename List>
    auto Any(const List& from) {
        return from[static_cast<std::size_t>(Pick(static_cast<int>(from.size())))];
    }

    enum class Via { Menu, MainButton };
    // The main button starts a game only on the idle table; the menu, at any time.
    void NewGame(Via via) {
        if (via == Via::Menu) {
            h_.logic.StartNewGame();
        } else {
            h_.logic.Place_Bet_Click();
        }
        dealsThisGame_ = 0;
        CheckFreshGame();
    }

    // A game that has gone on long and well: the score sits near the top of the 16-bit range.
    void MakeRich() {
        h_.data.Score = Saturate(IntegerMax - Pick(RichScoreSpread));
        h_.table.SetText(Control::Score_Value, NumberText(h_.data.Score));
    }

    void BetAndDeal() {
        if (Chance(percent::NewGameFromMenu)) NewGame(Via::Menu);
        if (Chance(percent::ToggleOption)) Toggle(Any(AllOptions));
        for (int i = Pick(MaxStakeChanges + 1); i > 0 && !::testing::Test::HasFailure(); --i) {
            if (Chance(percent::TypeStake)) TypeStake();
            if (Chance(percent::StepStake)) StepStake();
        }

        const Integer score = h_.data.Score;
        // The stake taken is capped by the limit and by a positive score.
        Integer ceiling = Ticked(Option::Limit) ? h_.data.MaxBet : score;
        if (score > 0) ceiling = std::min(ceiling, score);
        const Integer taken = std::min(h_.data.Bet, ceiling);
        if (taken != h_.data.Bet) ++tally_["stakes lowered"];
        dealsThisGame_ = SatAdd(dealsThisGame_, 1);
        if (PlayRoundWithEvents(DealShow)) {
            ++tally_["deals abandoned"];
            return;
        }
        EXPECT_EQ(taken, h_.data.Bet) << "score " << score;
        EXPECT_EQ(score - taken, h_.data.Score) << "stake " << taken;
        EXPECT_EQ(GameState::CardsOut, h_.data.State());
        CheckFiveDifferentCards();
    }

    // A text for the stake box: a sign, an &H or &O, or nothing; digits from small to past the
    // 16-bit range, or none; then perhaps a fraction, an exponent, hex digits or junk; now and then
    // with blanks among it.
    std::string RandomStakeText() {
        static constexpr std::array<std::string_view, 13> Heads{
            "", "", "", "", "-", "+", "&H", "&o", "&X", "--", "+-", "0x", "&"};
        static constexpr std::array<int, 5> Ceilings{0, 12, 120, 40000, 2000000};
        static constexpr std::array<std::string_view, 24> Tails{
            "",      "",   "",   "",     ".", ".5",  ".25", "e2",  "E-1",  "d+3", "D9", "e400",
            "e-400", "1e", "e+", "ff9g", "g", "abc", "inf", "nan", ".2.3", ",5",  "F",  "\n"};

        std::string text(Any(Heads));
        if (const int ceiling = Any(Ceilings); ceiling > 0) text += std::to_string(Pick(ceiling));
        text += Any(Tails);
        if (Pick(100) < percent::BlanksInStake) {
            for (int i = 1 + Pick(3); i > 0; --i) {
                text.insert(Pick(static_cast<int>(text.size()) + 1), 1,
                            Any(std::string_view(" \t\n")));
            }
        }
        return text;
    }

    void TypeStake() {
        const std::string typed = RandomStakeText();
        const Integer bet = h_.data.Bet;
        const Integer maxBet = ToInteger(static_cast<double>(h_.data.Score) / 10.0);
        const Integer limit = Ticked(Option::Limit) ? maxBet : h_.data.Score;
        const bool unchanged = typed == h_.table.Text(Control::Bet_Value);
        h_.table.Type(typed);

        // Nothing, a negative stake, or more than the limit is refused and the stake shown again;
        // the text the box already held runs no handler at all.
        const double v = ReadStakeText(typed);
        const bool refused = !unchanged && (!(v > 0.0) || v > limit);
        if (!unchanged) ++tally_[refused ? "stakes refused" : "stakes taken"];
        EXPECT_EQ(refused || unchanged ? bet : ToInteger(v), h_.data.Bet) << '"' << typed << '"';
        EXPECT_EQ(refused ? NumberText(bet) : typed, h_.table.Text(Control::Bet_Value))
            << '"' << typed << '"';
    }

    void StepStake() {
        for (int i = 1 + Pick(MaxStakeSteps); i > 0; --i) {
            const Integer bet = h_.data.Bet;
            const Integer score = h_.data.Score;
            const Integer maxBet = ToInteger(static_cast<double>(score) / 10.0);
            Integer expected = bet;
            if (Chance(percent::StepDown)) {
                h_.logic.Bet_Down_Click();
                if (bet > 1) expected = SatSub(bet, 1);  // never below 1
            } else {
                h_.logic.Bet_Up_Click();
                // Under the limit a stake above MaxBet falls to it; without, the score stops it.
                if (Ticked(Option::Limit)) {
                    expected = bet < maxBet ? SatAdd(bet, 1) : maxBet;
                } else if (bet != score) {
                    expected = SatAdd(bet, 1);
                }
            }
            EXPECT_EQ(expected, h_.data.Bet) << "stepped from " << bet << ", score " << score;
        }
    }

    void HoldAndDraw() {
        std::array<bool, Places + 1> held{};
        PerPlace<CardNumber> discards{};  // 0 where the card is held
        for (int place = 1; place <= Places; ++place) {
            held[place] = Chance(percent::HoldEachCard);
            if (held[place]) h_.logic.HC_Click(place);
            // A card held and let go again, or let go and held again, ends as it was.
            for (int i = Chance(percent::HoldClickedTwice) ? 2 : 0; i > 0; --i) {
                h_.logic.HC_Click(place);
            }
            EXPECT_EQ(ToFlag(held[place]), h_.data.Held[place]) << place;
            discards[place] = held[place] ? CardNumber{0} : h_.data.Hand[place];
        }
        if (Chance(percent::ToggleOption)) Toggle(Any(AllOptions));

        const PerPlace<CardNumber> before = h_.data.Hand;
        const Integer score = h_.data.Score;
        const Integer bet = h_.data.Bet;
        auto stats = h_.data.HandStats;
        const bool statisticsAfterGame = Ticked(Option::StatAfterGame);
        const int openings = h_.statistics.Openings();
        if (PlayRoundWithEvents(DrawShow)) {
            ++tally_["draws abandoned"];
            return;
        }

        CheckFiveDifferentCards();
        for (int place = 1; place <= Places; ++place) {
            const int card = h_.data.Hand[place];
            if (held[place]) {
                EXPECT_EQ(before[place], card) << "held place " << place;
                continue;
            }
            EXPECT_EQ(0, std::count(discards.begin(), discards.end(), card))
                << "place " << place << " drew a discard";
        }
        EXPECT_EQ(bet, h_.data.Bet) << "the draw leaves the stake alone";

        // The hand is judged again, apart from the engine, and its win read from the pay table.
        PerPlace<Flag> marks{};
        const Evaluation judged = EvaluateHand(h_.data.Hand, h_.data.CardIndex, bet, marks);
        const Integer win = WinFor(judged.Code, bet);
        EXPECT_EQ(SatAdd(score, win), h_.data.Score) << "score " << score << " + win " << win;
        if (h_.data.Score == IntegerMax) ++tally_["scores at 32767"];
        const auto code = static_cast<std::size_t>(judged.Code);
        if (judged.Found) stats[code] = SatAdd(stats[code], 1);
        EXPECT_EQ(stats, h_.data.HandStats);

        if (h_.data.Score != 0) {
            EXPECT_EQ(GameState::Betting, h_.data.State());
            return;
        }
        ++tally_["games over"];
        EXPECT_EQ(GameState::Idle, h_.data.State());
        EXPECT_EQ(text::GameOver, h_.table.Text(Control::Score_Value));
        if (!optionChanged_) {
            EXPECT_EQ(openings + (statisticsAfterGame ? 1 : 0), h_.statistics.Openings());
        }
    }

    // Plays one deal or draw with events aimed at random moments of its waits: a new game with a
    // click on the main button right after it, a stray click, or an option ticked or unticked.
    // Returns whether a new game abandoned the round.
    bool PlayRoundWithEvents(double show) {
        newGame_ = false;
        optionChanged_ = false;
        const long round = ++round_;
        const auto during = [this, round, show](std::function<void()> action) {
            const double at =
                h_.clock.Now() + std::uniform_real_distribution<double>(0.0, show)(dice_);
            h_.clock.At(at, [this, round, action = std::move(action)] {
                if (round == round_ && !newGame_) action();
            });
        };
        if (Chance(percent::NewGameDuringRound)) during([this] { NewGameDuringRound(); });
        if (Chance(percent::StrayClickDuringRound)) during([this] { StrayClick(); });
        if (Chance(percent::ToggleDuringRound))
            during([this, option = Any(AllOptions)] { Toggle(option); });
        h_.logic.Place_Bet_Click();
        // Whatever of this round still lies ahead in the schedule must do nothing later.
        ++round_;
        if (!newGame_) return false;
        // Once the abandoned round has unwound, the table is the new game's alone.
        EXPECT_EQ(logAfterNewGame_, h_.log.size()) << "the abandoned round went on";
        CheckFreshGame();
        return true;
    }

    void NewGameDuringRound() {
        h_.logic.StartNewGame();
        dealsThisGame_ = 0;
        // The new game enables the main button; a click on it now must not start a round inside
        // the one that is unwinding.
        h_.logic.Place_Bet_Click();
        EXPECT_EQ(GameState::Betting, h_.data.State())
            << "a round started inside the abandoned one";
        newGame_ = true;
        logAfterNewGame_ = h_.log.size();
    }

    // A click on the main button while a round waits: the button is switched off, but even a click
    // that got through must change nothing.
    void StrayClick() {
        ++tally_["stray clicks"];
        const GameData before = h_.data;
        const std::size_t logged = h_.log.size();
        h_.logic.Place_Bet_Click();
        EXPECT_EQ(logged, h_.log.size()) << "a click inside a round did something";
        EXPECT_EQ(before.HandStats, h_.data.HandStats);
        EXPECT_EQ(before.Hand, h_.data.Hand);
    }

    void CheckFreshGame() {
        EXPECT_EQ(StartingScore, h_.data.Score);
        EXPECT_EQ(StartingStake, h_.data.Bet);
        EXPECT_EQ(GameState::Betting, h_.data.State());
        EXPECT_EQ(decltype(GameData::HandStats){}, h_.data.HandStats);
    }

    void CheckFiveDifferentCards() {
        PerPlace<CardNumber> cards = h_.data.Hand;
        std::sort(cards.begin() + 1, cards.end());
        EXPECT_GE(cards[1], 1);
        EXPECT_LE(cards.back(), CardCount);
        EXPECT_EQ(cards.end(), std::adjacent_find(cards.begin() + 1, cards.end()))
            << "a card twice";
    }

    // What holds between any two steps.
    void CheckAlways() {
        EXPECT_FALSE(h_.engine.RoundUnderWay());
        EXPECT_GE(h_.data.Score, 0);
        EXPECT_GE(h_.data.Bet, 0);
        EXPECT_EQ(PerPlace<Flag>{}, h_.data.WinCard) << "cards marked outside a payout";
        EXPECT_EQ(dealsThisGame_, h_.data.HandStats[GameData::HandsPlayed])
            << "hands played since the last new game";
        if (h_.data.State() != GameState::Idle) {
            EXPECT_EQ(NumberText(h_.data.Score), h_.table.Text(Control::Score_Value));
        }
    }

    Harness h_;
    std::mt19937 dice_;
    Tally& tally_;
    long round_ = 0;
    bool newGame_ = false;
    bool optionChanged_ = false;
    std::size_t logAfterNewGame_ = 0;
    Integer dealsThisGame_ = 0;
};

// A payout cut short by a new game must not leave its winning marks behind: the next win would
// flash them as well as its own cards.
TEST(AbandonedRoundTest, LeavesNoWinningMarksForTheNextPayout) {
    constexpr int Unused = 0;
    constexpr double IntoTheFirstFlash = 2.3;  // two cards turned a second apart, then WIN shows
    Harness h;
    h.table.SetChecked(Option::QuickPlay, false);
    h.StartGame();
    h.DealCards({3, 16, 29, 48, 5});  // three Threes, a Nine and a Five
    h.clock.At(h.clock.Now() + IntoTheFirstFlash, [&h] { h.logic.StartNewGame(); });
    // An Eight and a Nine come for the last two places: Three of a Kind.
    h.DrawCards({1, 2, 3}, {Unused, Unused, Unused, 8, 22});
    ASSERT_EQ(StartingScore, h.data.Score) << "the new game did not cut the payout short";
    EXPECT_EQ(PerPlace<Flag>{}, h.data.WinCard);

    h.DealCards({11, 24, 28, 45, 4});  // two Jacks, a Two, a Six and a Four
    h.log.clear();
    // A Seven, an Eight and a King come for the last three places: Jacks or Better.
    h.DrawCards({1, 2}, {Unused, Unused, 33, 47, 13});
    ASSERT_EQ(1, h.data.HandStats[static_cast<int>(HandCode::JackBetter)]);
    EXPECT_EQ(0, std::count(h.log.begin(), h.log.end(), "picture 3=" + std::to_string(WinPicture)))
        << "a card outside the pair flashed";
}

TEST(SoakTest, RandomGamesKeepEveryRuleOfTheTable) {
    const long rounds = SoakRounds();
    Tally tally;
    unsigned seed = 1;
    for (long played = 0; played < rounds && !HasFailure(); played += RoundsPerTable, ++seed) {
        SCOPED_TRACE("table seed " + std::to_string(seed));
        SoakPlayer(seed, tally).Play(std::min(RoundsPerTable, rounds - played));
    }

    std::cout << "[ soak     ] " << rounds << " rounds:";
    for (const char* corner : Corners) std::cout << ' ' << tally[corner] << ' ' << corner << ';';
    std::cout << '\n';
    // A shorter run, chosen through the environment, cannot be expected to reach the rare corners.
    if (rounds < DefaultRounds || HasFailure()) return;
    for (const char* corner : Corners) EXPECT_GT(tally[corner], 0) << corner;
}

}  // namespace
}  // namespace vantorel
