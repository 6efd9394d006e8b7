#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

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
// sanitizers can choose a shorter run; the ordinary build plays the full count.
constexpr long DefaultRounds = 100000;
// Every table starts afresh with its own seeds, so a failure names a short, repeatable run.
constexpr long RoundsPerTable = 1000;

constexpr Integer StartingScore = 100;
constexpr Integer StartingStake = 5;
constexpr Integer StartingMaxBet = 10;

// The longest stretch of virtual time that a mid-round event is aimed into. A deal turns five cards
// a second apart; a draw turns up to five, flashes a win, counts it up and may blink "Game Over".
// An event aimed past the end of its round does nothing when it comes due later.
constexpr double DealShow = 5.0;
constexpr double DrawShow = 16.0;

constexpr int GameOverTexts = 9;  // seven blinks, the text kept, and the start-up hand's own

// How often the simulated player does each thing, in percent.
namespace percent {
constexpr int TypeStake = 35;
constexpr int StepStake = 35;
constexpr int StepDown = 50;  // of the presses of a stake button, "<" rather than ">"
constexpr int ToggleOption = 8;
constexpr int NewGameFromMenu = 2;
constexpr int NewGameFromMenuWhenIdle = 30;
constexpr int RichGame = 3;
constexpr int HoldEachCard = 45;
constexpr int HoldClickedTwice = 5;
constexpr int NewGameDuringRound = 3;
constexpr int StrayClickDuringRound = 4;
constexpr int ToggleDuringRound = 4;
constexpr int BlanksInStake = 15;
}  // namespace percent

constexpr int MaxStakeChanges = 3;
constexpr int MaxStakeSteps = 4;
// A rich game starts with a score near the top of the 16-bit range, so wins and stakes reach it.
constexpr int RichScoreSpread = 3000;

constexpr std::array<Option, 4> AllOptions{Option::Sound, Option::QuickPlay, Option::StatAfterGame,
                                           Option::Limit};

long SoakRounds() {
    const char* text = std::getenv("VANTOREL_SOAK_ROUNDS");
    if (text == nullptr) return DefaultRounds;
    const long rounds = std::strtol(text, nullptr, 10);
    return rounds > 0 ? rounds : DefaultRounds;
}

// What the whole run did, so the test can show that it reached every corner it claims to.
struct Tally {
    long deals = 0;
    long draws = 0;
    long dealsAbandoned = 0;
    long drawsAbandoned = 0;
    long strayClicks = 0;
    long gameOvers = 0;
    long statisticsShown = 0;
    long stakesTaken = 0;
    long stakesRefused = 0;
    long stakesLowered = 0;
    long scoresAtTop = 0;
    std::array<long, HandCodeCount + 1> wins{};
};

// What happened inside the round under way, as the scheduled events saw it.
struct RoundEvents {
    bool newGame = false;
    std::size_t logAfterNewGame = 0;
    bool optionChanged = false;
};

std::array<int, Places> HandOf(const GameData& data) {
    return {data.Hand[1], data.Hand[2], data.Hand[3], data.Hand[4], data.Hand[5]};
}

long Count(const testing::EventLog& log, const std::string& entry) {
    return std::count(log.begin(), log.end(), entry);
}

// The stake box's texts: numbers of every form the box reads, and junk, sometimes with blanks.
class StakeTexts {
  public:
    explicit StakeTexts(std::mt19937& dice) : dice_(dice) {}

    std::string Next() {
        std::string text;
        switch (Pick(5)) {
            case 0:
                text = Sign() + Whole();
                break;
            case 1:
                text = Sign() + Whole() + "." + Digits(Pick(3));
                break;
            case 2:
                text = Sign() + Whole() + Exponent();
                break;
            case 3:
                text = Radix();
                break;
            default:
                text = Junk();
                break;
        }
        if (Pick(100) < percent::BlanksInStake) text = WithBlanks(text);
        return text;
    }

  private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }

    std::string Sign() {
        static constexpr std::array<const char*, 6> signs{"", "", "", "", "-", "+"};
        return signs[static_cast<std::size_t>(Pick(static_cast<int>(signs.size())))];
    }
    std::string Digits(int count) {
        std::string digits;
        for (int i = 0; i < count; ++i) digits.push_back(static_cast<char>('0' + Pick(10)));
        return digits;
    }
    // Mostly small stakes, sometimes large ones, now and then past the 16-bit range.
    std::string Whole() {
        static constexpr std::array<int, 4> ceilings{12, 120, 40000, 2000000};
        return std::to_string(
            Pick(ceilings[static_cast<std::size_t>(Pick(static_cast<int>(ceilings.size())))]));
    }
    std::string Exponent() {
        static constexpr std::array<const char*, 4> letters{"e", "E", "d", "D"};
        static constexpr std::array<int, 3> ceilings{3, 6, 500};
        return std::string(letters[static_cast<std::size_t>(Pick(4))]) + Sign() +
               std::to_string(Pick(ceilings[static_cast<std::size_t>(Pick(3))]));
    }
    std::string Radix() {
        // Each set of digits ends with one that stops the number.
        static constexpr std::string_view HexDigits = "0123456789abcdefABCDEFg";
        static constexpr std::string_view OctalDigits = "012345678";
        static constexpr int MaxRadixDigits = 5;
        const bool hex = Pick(2) == 0;
        std::string text = std::string("&") + (hex ? "Hh" : "Oo")[Pick(2)];
        const std::string_view digits = hex ? HexDigits : OctalDigits;
        const int length = Pick(MaxRadixDigits + 1);
        for (int i = 0; i < length; ++i) {
            text.push_back(digits[static_cast<std::size_t>(Pick(static_cast<int>(digits.size())))]);
        }
        return text;
    }
    std::string Junk() {
        static constexpr std::array<const char*, 24> junk{
            "",   "-",    ".",     "+",   "abc",  "5abc", "1,5",    "e5",
            "&",  "&X12", "inf",   "nan", "0x1F", "--5",  "+-3",    "1.2.3",
            "1e", "1e+",  "12e3x", "-0",  "-.5",  ".5",   "1e-400", "\n"};
        return junk[static_cast<std::size_t>(Pick(static_cast<int>(junk.size())))];
    }
    std::string WithBlanks(std::string text) {
        static constexpr std::array<char, 3> blanks{' ', '\t', '\n'};
        const int count = 1 + Pick(3);
        for (int i = 0; i < count; ++i) {
            const auto at = static_cast<std::size_t>(Pick(static_cast<int>(text.size()) + 1));
            text.insert(at, 1, blanks[static_cast<std::size_t>(Pick(3))]);
        }
        return text;
    }

    std::mt19937& dice_;
};

// One table played at random by a simulated player, checked after every step.
class SoakPlayer {
  public:
    SoakPlayer(unsigned seed, Tally& tally) : dice_(seed), stakes_(dice_), tally_(tally) {
        // The fallback generator hands out the cards; each table gets its own seed.
        h_.random = testing::ScriptedRandom{seed};
        h_.statistics.whileOpen = [this] { CheckStatisticsWindowAtGameOver(); };
    }

    // Plays until `rounds` draws have been made, or until a check fails.
    void Play(long rounds) {
        long draws = 0;
        while (draws < rounds && !::testing::Test::HasFailure()) {
            h_.log.clear();
            switch (h_.data.State()) {
                case GameState::Idle:
                    StartFromIdle();
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
    bool Chance(int percent) { return std::uniform_int_distribution<int>(0, 99)(dice_) < percent; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice_); }
    double Within(double seconds) {
        return std::uniform_real_distribution<double>(0.0, seconds)(dice_);
    }
    bool Ticked(Option option) const { return h_.table.Checked(option); }
    void Toggle(Option option) { h_.table.SetChecked(option, !Ticked(option)); }
    Option AnyOption() {
        return AllOptions[static_cast<std::size_t>(Pick(static_cast<int>(AllOptions.size())))];
    }

    void StartFromIdle() {
        if (Chance(percent::NewGameFromMenuWhenIdle)) {
            h_.logic.StartNewGame();
        } else {
            h_.logic.Place_Bet_Click();
        }
        dealsThisGame_ = 0;
        CheckFreshGame("new game from the idle table");
        if (Chance(percent::RichGame)) MakeRich();
    }

    // A game that has gone on long and well: the score sits near the top of the 16-bit range.
    void MakeRich() {
        h_.data.Score = Saturate(IntegerMax - Pick(RichScoreSpread));
        h_.table.SetText(Control::Score_Value, NumberText(h_.data.Score));
    }

    void BetAndDeal() {
        if (Chance(percent::NewGameFromMenu)) {
            h_.logic.StartNewGame();
            dealsThisGame_ = 0;
            CheckFreshGame("new game from the menu between rounds");
        }
        if (Chance(percent::ToggleOption)) Toggle(AnyOption());
        const int changes = Pick(MaxStakeChanges + 1);
        for (int i = 0; i < changes && !::testing::Test::HasFailure(); ++i) {
            if (Chance(percent::TypeStake)) TypeStake();
            if (Chance(percent::StepStake)) StepStake();
        }
        Deal();
    }

    void TypeStake() {
        const std::string typed = stakes_.Next();
        const std::string before = h_.table.Text(Control::Bet_Value);
        const Integer bet = h_.data.Bet;
        const Integer score = h_.data.Score;
        const Integer maxBet = ToInteger(static_cast<double>(score) / 10.0);
        const Integer limit = Ticked(Option::Limit) ? maxBet : score;

        h_.table.Type(typed);

        const std::string box = h_.table.Text(Control::Bet_Value);
        ASSERT_FALSE(box.empty()) << "typed \"" << typed << '"';
        if (typed == before) {
            EXPECT_EQ(bet, h_.data.Bet)
                << "typed the text the box already held: \"" << typed << '"';
            return;
        }
        EXPECT_EQ(maxBet, h_.data.MaxBet) << "typed \"" << typed << '"';
        const double v = ReadStakeText(typed);
        // Nothing, a negative stake, or more than the limit is refused.
        if (!(v > 0.0) || v > limit) {
            ++tally_.stakesRefused;
            EXPECT_EQ(bet, h_.data.Bet) << "refused \"" << typed << '"';
            EXPECT_EQ(NumberText(bet), box) << "refused \"" << typed << '"';
        } else {
            ++tally_.stakesTaken;
            EXPECT_EQ(ToInteger(v), h_.data.Bet) << "took \"" << typed << '"';
            EXPECT_LE(h_.data.Bet, limit) << "took \"" << typed << '"';
            EXPECT_EQ(typed, box) << "took \"" << typed << '"';
        }
    }

    void StepStake() {
        const int presses = 1 + Pick(MaxStakeSteps);
        for (int i = 0; i < presses; ++i) {
            const Integer bet = h_.data.Bet;
            const Integer score = h_.data.Score;
            const std::string before = h_.table.Text(Control::Bet_Value);
            if (Chance(percent::StepDown)) {
                h_.logic.Bet_Down_Click();
                // "<" never takes the stake below 1; at 1 or less it does nothing at all.
                const bool still = bet <= 1;
                EXPECT_EQ(still ? bet : bet - 1, h_.data.Bet) << "< at " << bet;
                EXPECT_EQ(still ? before : NumberText(bet - 1), h_.table.Text(Control::Bet_Value))
                    << "< at " << bet;
            } else {
                h_.logic.Bet_Up_Click();
                const Integer maxBet = ToInteger(static_cast<double>(score) / 10.0);
                Integer expected = bet;
                if (Ticked(Option::Limit)) {
                    expected = bet < maxBet ? SatAdd(bet, 1) : maxBet;
                } else if (bet != score) {
                    expected = SatAdd(bet, 1);
                }
                EXPECT_EQ(expected, h_.data.Bet) << "> at " << bet << ", score " << score;
                EXPECT_EQ(maxBet, h_.data.MaxBet) << "> at " << bet << ", score " << score;
                const bool untouched = !Ticked(Option::Limit) && bet == score;
                EXPECT_EQ(untouched ? before : NumberText(expected),
                          h_.table.Text(Control::Bet_Value));
            }
            EXPECT_GE(h_.data.Bet, 0);
        }
    }

    void Deal() {
        const Integer score = h_.data.Score;
        const Integer bet = h_.data.Bet;
        const bool sound = Ticked(Option::Sound);
        Integer ceiling = Ticked(Option::Limit) ? h_.data.MaxBet : score;
        if (score > 0) ceiling = std::min(ceiling, score);
        const Integer taken = std::min(bet, ceiling);
        if (taken != bet) ++tally_.stakesLowered;

        dealsThisGame_ = SatAdd(dealsThisGame_, 1);
        PlayRoundWithEvents(DealShow);
        ++tally_.deals;
        if (events_.newGame) {
            ++tally_.dealsAbandoned;
            CheckAbandoned("deal");
            return;
        }

        EXPECT_EQ(taken, h_.data.Bet) << "stake " << bet << ", score " << score;
        EXPECT_EQ(score - taken, h_.data.Score) << "stake " << bet << ", score " << score;
        EXPECT_EQ(GameState::CardsOut, h_.data.State());
        CheckFiveDifferentCards("deal");
        EXPECT_EQ(HandOf(h_.data), h_.table.Pictures()) << "the dealt cards face up";
        for (int place = 1; place <= Places; ++place) {
            EXPECT_EQ(FlagFalse, h_.data.Held[place]) << place;
            EXPECT_EQ(0, h_.data.HeldCard[place]) << place;
        }
        EXPECT_EQ(text::Draw, h_.table.Caption(Control::Place_Bet));
        EXPECT_TRUE(h_.table.Enabled(Control::Place_Bet));
        EXPECT_FALSE(h_.table.Enabled(Control::Bet_Value));
        for (int place = 1; place <= Places; ++place) {
            EXPECT_TRUE(h_.table.Enabled(HC(place))) << place;
        }
        if (!events_.optionChanged) {
            EXPECT_EQ(sound ? Places : 0, Count(h_.log, "sound cflip.wav async"))
                << "cards turned at the deal";
        }
    }

    void HoldAndDraw() {
        std::array<bool, Places + 1> held{};
        for (int place = 1; place <= Places; ++place) {
            if (Chance(percent::HoldEachCard)) {
                h_.logic.HC_Click(place);
                held[place] = !held[place];
            }
            if (Chance(percent::HoldClickedTwice)) {
                h_.logic.HC_Click(place);
                h_.logic.HC_Click(place);
            }
        }
        for (int place = 1; place <= Places; ++place) {
            EXPECT_EQ(ToFlag(held[place]), h_.data.Held[place]) << place;
            EXPECT_EQ(held[place] ? h_.data.Hand[place] : 0, h_.data.HeldCard[place]) << place;
            EXPECT_EQ(held[place] ? text::Clear : text::Hold, h_.table.Caption(HC(place))) << place;
        }
        if (Chance(percent::ToggleOption)) Toggle(AnyOption());

        const std::array<int, Places> before = HandOf(h_.data);
        const Integer score = h_.data.Score;
        const Integer bet = h_.data.Bet;
        const std::array<Integer, GameData::HandsPlayed + 1> stats = h_.data.HandStats;
        const bool sound = Ticked(Option::Sound);
        const bool statisticsAfterGame = Ticked(Option::StatAfterGame);
        const int openings = h_.statistics.Openings();

        PlayRoundWithEvents(DrawShow);
        ++tally_.draws;
        if (events_.newGame) {
            ++tally_.drawsAbandoned;
            CheckAbandoned("draw");
            return;
        }

        CheckFiveDifferentCards("draw");
        int turned = 0;
        for (int place = 1; place <= Places; ++place) {
            const int card = h_.data.Hand[place];
            if (held[place]) {
                EXPECT_EQ(before[place - 1], card) << "held place " << place;
                EXPECT_EQ(0, h_.data.Discards[place]) << "held place " << place;
                continue;
            }
            ++turned;
            EXPECT_EQ(before[place - 1], h_.data.Discards[place]) << place;
            for (int given = 1; given <= Places; ++given) {
                if (!held[given]) {
                    EXPECT_NE(before[given - 1], card) << "place " << place << " drew a discard";
                }
            }
        }
        EXPECT_EQ(bet, h_.data.Bet) << "the draw leaves the stake alone";

        // The hand is judged again, apart from the engine, and its win read from the pay table.
        PerPlace<CardNumber> hand = h_.data.Hand;
        PerPlace<Flag> marks{};
        const Evaluation judged = EvaluateHand(hand, h_.data.CardIndex, bet, marks);
        const Integer win = judged.Found ? SatMul(bet, Multiplier(judged.Code)) : Integer{0};
        EXPECT_EQ(SatAdd(score, win), h_.data.Score) << "score " << score << " + win " << win;
        std::array<Integer, GameData::HandsPlayed + 1> expectedStats = stats;
        if (judged.Found) {
            const auto code = static_cast<std::size_t>(judged.Code);
            expectedStats[code] = SatAdd(expectedStats[code], 1);
            ++tally_.wins[code];
        }
        EXPECT_EQ(expectedStats, h_.data.HandStats);
        if (h_.data.Score == IntegerMax) ++tally_.scoresAtTop;
        if (!events_.optionChanged) {
            EXPECT_EQ(sound ? turned : 0, Count(h_.log, "sound cflip.wav async"))
                << "cards turned at the draw";
            EXPECT_EQ(sound && judged.Found, Count(h_.log, "sound alert.wav wait") > 0)
                << "the win's count-up";
        }

        if (h_.data.Score != 0) {
            EXPECT_EQ(GameState::Betting, h_.data.State());
            EXPECT_EQ(HandOf(h_.data), h_.table.Pictures()) << "the final hand stays face up";
            CheckBettingControls();
            return;
        }

        ++tally_.gameOvers;
        EXPECT_EQ(GameState::Idle, h_.data.State());
        EXPECT_EQ(text::GameOver, h_.table.Text(Control::Score_Value));
        EXPECT_EQ(GameOverTexts, Count(h_.log, std::string("text Score_Value=") + text::GameOver));
        EXPECT_EQ(text::NewGame, h_.table.Caption(Control::Place_Bet));
        EXPECT_TRUE(h_.table.Enabled(Control::Place_Bet));
        EXPECT_FALSE(h_.table.Enabled(Control::Bet_Value));
        CheckStartUpHand();
        if (!events_.optionChanged) {
            EXPECT_EQ(openings + (statisticsAfterGame ? 1 : 0), h_.statistics.Openings());
        }
    }

    // Plays one deal or draw with events aimed at random moments of its waits: a new game with a
    // click on the main button right after it, a stray click, or an option ticked or unticked.
    void PlayRoundWithEvents(double show) {
        events_ = RoundEvents{};
        ++round_;
        const long round = round_;
        const double now = h_.clock.Now();
        if (Chance(percent::NewGameDuringRound)) {
            h_.clock.At(now + Within(show), [this, round] {
                if (round != round_ || events_.newGame) return;
                NewGameDuringRound();
            });
        }
        if (Chance(percent::StrayClickDuringRound)) {
            h_.clock.At(now + Within(show), [this, round] {
                if (round != round_ || events_.newGame) return;
                StrayClick();
            });
        }
        if (Chance(percent::ToggleDuringRound)) {
            const Option option = AnyOption();
            h_.clock.At(now + Within(show), [this, round, option] {
                if (round != round_ || events_.newGame) return;
                Toggle(option);
                events_.optionChanged = true;
            });
        }
        h_.logic.Place_Bet_Click();
        // Whatever of this round still lies ahead in the schedule must do nothing later.
        ++round_;
        EXPECT_FALSE(h_.engine.RoundUnderWay());
    }

    void NewGameDuringRound() {
        EXPECT_TRUE(h_.engine.RoundUnderWay());
        h_.logic.StartNewGame();
        dealsThisGame_ = 0;
        // The new game enables the main button; a click on it now must not start a round inside
        // the one that is unwinding.
        h_.logic.Place_Bet_Click();
        EXPECT_EQ(0, h_.data.HandStats[GameData::HandsPlayed])
            << "a round started inside the abandoned one";
        EXPECT_EQ(GameState::Betting, h_.data.State());
        events_.newGame = true;
        events_.logAfterNewGame = h_.log.size();
    }

    // A click on the main button while a round waits: the button is switched off, but even a click
    // that got through must change nothing.
    void StrayClick() {
        ++tally_.strayClicks;
        EXPECT_TRUE(h_.engine.RoundUnderWay());
        const GameData before = h_.data;
        const std::size_t logged = h_.log.size();
        h_.logic.Place_Bet_Click();
        EXPECT_EQ(logged, h_.log.size()) << "a click inside a round did something";
        EXPECT_EQ(before.HandStats, h_.data.HandStats);
        EXPECT_EQ(before.Score, h_.data.Score);
        EXPECT_EQ(before.Bet, h_.data.Bet);
        EXPECT_EQ(before.State(), h_.data.State());
        EXPECT_EQ(before.Hand, h_.data.Hand);
    }

    // A round abandoned for a new game: once it has unwound, the table is the new game's alone.
    void CheckAbandoned(const char* stage) {
        EXPECT_EQ(events_.logAfterNewGame, h_.log.size())
            << "the abandoned " << stage << " went on";
        CheckFreshGame(stage);
    }

    void CheckFreshGame(const char* when) {
        EXPECT_EQ(StartingScore, h_.data.Score) << when;
        EXPECT_EQ(StartingStake, h_.data.Bet) << when;
        EXPECT_EQ(StartingMaxBet, h_.data.MaxBet) << when;
        EXPECT_EQ(GameState::Betting, h_.data.State()) << when;
        for (int i = 1; i <= GameData::HandsPlayed; ++i) {
            EXPECT_EQ(0, h_.data.HandStats[i]) << when << ' ' << i;
        }
        EXPECT_EQ(NumberText(StartingScore), h_.table.Text(Control::Score_Value)) << when;
        EXPECT_EQ(NumberText(StartingStake), h_.table.Text(Control::Bet_Value)) << when;
        for (int place = 1; place <= Places; ++place) {
            EXPECT_EQ(h_.data.BackPicture(), h_.table.Picture(place)) << when << " place " << place;
        }
        CheckBettingControls();
    }

    void CheckBettingControls() {
        EXPECT_EQ(text::Deal, h_.table.Caption(Control::Place_Bet));
        EXPECT_TRUE(h_.table.Enabled(Control::Place_Bet));
        EXPECT_TRUE(h_.table.Enabled(Control::Bet_Value));
        EXPECT_TRUE(h_.table.Enabled(Control::Bet_Up));
        EXPECT_TRUE(h_.table.Enabled(Control::Bet_Down));
        for (int place = 1; place <= Places; ++place) {
            EXPECT_FALSE(h_.table.Enabled(HC(place))) << place;
            EXPECT_EQ(text::Hold, h_.table.Caption(HC(place))) << place;
        }
    }

    void CheckFiveDifferentCards(const char* stage) {
        std::array<int, Places> cards = HandOf(h_.data);
        for (int card : cards) {
            EXPECT_GE(card, 1) << stage;
            EXPECT_LE(card, CardCount) << stage;
        }
        std::sort(cards.begin(), cards.end());
        EXPECT_EQ(cards.end(), std::adjacent_find(cards.begin(), cards.end()))
            << stage << ": a card twice";
    }

    // Ace, King, Queen, Jack and Ten of one suit.
    void CheckStartUpHand() {
        const int suit = SuitOf(h_.table.Picture(1));
        constexpr std::array<int, Places> ranks{Rank::Ace, Rank::King, Rank::Queen, Rank::Jack,
                                                Rank::Ten};
        for (int place = 1; place <= Places; ++place) {
            EXPECT_EQ(h_.data.CardIndex(suit, ranks[static_cast<std::size_t>(place - 1)]),
                      h_.table.Picture(place))
                << place;
        }
    }

    void CheckStatisticsWindowAtGameOver() {
        ++tally_.statisticsShown;
        EXPECT_EQ(GameState::Idle, h_.data.State());
        EXPECT_EQ(0, h_.data.Score);
        EXPECT_EQ(FlagFalse, h_.data.ShowPayTable);
        EXPECT_EQ(text::GameOver, h_.table.Text(Control::Score_Value));
    }

    // What holds between any two steps.
    void CheckAlways() {
        EXPECT_FALSE(h_.engine.RoundUnderWay());
        EXPECT_GE(h_.data.Score, 0);
        EXPECT_GE(h_.data.Bet, 0);
        // Winning cards are marked only inside a payout.
        for (int place = 1; place <= Places; ++place) {
            EXPECT_EQ(FlagFalse, h_.data.WinCard[place])
                << "place " << place << " marked outside a payout";
        }
        EXPECT_EQ(dealsThisGame_, h_.data.HandStats[GameData::HandsPlayed])
            << "hands played in this game";
        if (h_.data.State() != GameState::Idle) {
            EXPECT_EQ(NumberText(h_.data.Score), h_.table.Text(Control::Score_Value));
        }
    }

    Harness h_;
    std::mt19937 dice_;
    StakeTexts stakes_;
    Tally& tally_;
    RoundEvents events_;
    long round_ = 0;
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
    for (int place = 1; place <= Places; ++place) {
        EXPECT_EQ(FlagFalse, h.data.WinCard[place]) << "place " << place << " still marked";
    }

    h.DealCards({11, 24, 28, 45, 4});  // two Jacks, a Two, a Six and a Four
    h.log.clear();
    // A Seven, an Eight and a King come for the last three places: Jacks or Better.
    h.DrawCards({1, 2}, {Unused, Unused, 33, 47, 13});
    ASSERT_EQ(1, h.data.HandStats[static_cast<int>(HandCode::JackBetter)]);
    EXPECT_EQ(0, Count(h.log, "picture 3=" + std::to_string(WinPicture)))
        << "a card outside the pair flashed";
}

TEST(SoakTest, RandomGamesKeepEveryRuleOfTheTable) {
    const long rounds = SoakRounds();
    Tally tally;
    unsigned seed = 1;
    for (long played = 0; played < rounds && !HasFailure(); played += RoundsPerTable, ++seed) {
        SCOPED_TRACE("table seed " + std::to_string(seed));
        SoakPlayer player(seed, tally);
        player.Play(std::min(RoundsPerTable, rounds - played));
    }
    if (HasFailure()) return;

    EXPECT_EQ(rounds, tally.draws);
    std::cout << "[ soak     ] " << tally.deals << " deals (" << tally.dealsAbandoned
              << " abandoned), " << tally.draws << " draws (" << tally.drawsAbandoned
              << " abandoned), " << tally.gameOvers << " games over, " << tally.strayClicks
              << " stray clicks, stakes typed " << tally.stakesTaken << " taken / "
              << tally.stakesRefused << " refused, " << tally.stakesLowered
              << " lowered at the deal, " << tally.scoresAtTop << " scores at 32767\n";
    std::cout << "[ soak     ] wins by hand:";
    for (int code = 1; code <= HandCodeCount; ++code) {
        std::cout << ' ' << tally.wins[static_cast<std::size_t>(code)];
    }
    std::cout << '\n';

    // A shorter run, chosen through the environment, cannot be expected to reach the rare corners.
    if (rounds < DefaultRounds) return;
    EXPECT_GT(tally.dealsAbandoned, 0);
    EXPECT_GT(tally.drawsAbandoned, 0);
    EXPECT_GT(tally.strayClicks, 0);
    EXPECT_GT(tally.gameOvers, 0);
    EXPECT_GT(tally.statisticsShown, 0);
    EXPECT_GT(tally.stakesTaken, 0);
    EXPECT_GT(tally.stakesRefused, 0);
    EXPECT_GT(tally.stakesLowered, 0);
    EXPECT_GT(tally.scoresAtTop, 0);
    // Every hand but the two rarest comes up many times in a full run.
    for (int code = 1; code <= static_cast<int>(HandCode::Flush); ++code) {
        EXPECT_GT(tally.wins[static_cast<std::size_t>(code)], 0) << "hand code " << code;
    }
}

}  // namespace
}  // namespace vantorel
