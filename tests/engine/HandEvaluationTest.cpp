#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "AllHands.h"
#include "HandEvaluation.h"
#include "PayTable.h"

namespace vantorel {
namespace {

constexpr Integer TestBet = 3;

// Five cards as a player writes them, position 1 first: rank A 2..9 T J Q K, then suit
// D(iamonds) C(lubs) H(earts) S(pades), e.g. "JD JC 3H 7S KD".
using FiveCards = std::string_view;

// A picture of the marks, position 1 first: '#' marked, '.' not.
using MarkPattern = std::string_view;
constexpr MarkPattern AllMarked = "#####";
constexpr MarkPattern NoneMarked = ".....";

CardIndexTable FilledIndex() {
    CardIndexTable index;
    index.Fill();
    return index;
}

PerPlace<CardNumber> HandFrom(const CardIndexTable& index, FiveCards cards) {
    constexpr std::string_view RankLetters = "A23456789TJQK";
    constexpr std::string_view SuitLetters = "DCHS";
    constexpr std::size_t Stride = 3;  // two letters and a blank
    PerPlace<CardNumber> hand{};
    for (int place = 1; place <= Places; ++place) {
        const std::size_t at = (place - 1) * Stride;
        const bool there = at + 1 < cards.size();
        const std::size_t rank = there ? RankLetters.find(cards[at]) : std::string_view::npos;
        const std::size_t suit = there ? SuitLetters.find(cards[at + 1]) : std::string_view::npos;
        if (rank == std::string_view::npos || suit == std::string_view::npos) {
            ADD_FAILURE() << "no card at place " << place << " of \"" << cards << "\"";
            continue;
        }
        hand[place] = index(static_cast<int>(suit) + 1, static_cast<int>(rank) + 1);
    }
    return hand;
}

PerPlace<Flag> MarksFrom(MarkPattern pattern) {
    PerPlace<Flag> marks{};
    for (int i = 1; i <= Places; ++i) marks[i] = ToFlag(pattern[i - 1] == '#');
    return marks;
}

std::string HandText(const PerPlace<CardNumber>& hand) {
    std::string text;
    for (int i = 1; i <= Places; ++i) text += (i > 1 ? " " : "") + std::to_string(hand[i]);
    return text;
}

// What a hand should be, worked out from its rank counts and suits alone, the way a player
// reads the cards, and independently of the order in which the game's tests look at them.
struct Judgement {
    HandCode code = HandCode::None;
    PerPlace<Flag> marks{};
};

Judgement ReadLikeAPlayer(const PerPlace<CardNumber>& hand) {
    std::array<int, RankCount + 1> count{};
    bool oneSuit = true;
    int lowest = RankCount;
    int highest = 1;
    for (int i = 1; i <= Places; ++i) {
        ++count[RankOf(hand[i])];
        oneSuit = oneSuit && SuitOf(hand[i]) == SuitOf(hand[1]);
        lowest = std::min(lowest, RankOf(hand[i]));
        highest = std::max(highest, RankOf(hand[i]));
    }
    const int most = *std::max_element(count.begin(), count.end());
    const auto pairs = std::count(count.begin(), count.end(), 2);
    const bool broadway = count[Rank::Ace] == 1 && count[Rank::Ten] == 1 &&
                          count[Rank::Jack] == 1 && count[Rank::Queen] == 1 &&
                          count[Rank::King] == 1;
    const bool straight = most == 1 && (highest - lowest == Places - 1 || broadway);
    const bool highPair = count[Rank::Jack] == 2 || count[Rank::Queen] == 2 ||
                          count[Rank::King] == 2 || count[Rank::Ace] == 2;

    // The winner and how many of a rank its marked cards hold; 0 marks all five.
    const auto [code, times] = oneSuit && broadway       ? std::pair{HandCode::Royal, 0}
                               : oneSuit && straight     ? std::pair{HandCode::RunFlush, 0}
                               : most == 4               ? std::pair{HandCode::FourKind, 4}
                               : most == 3 && pairs == 1 ? std::pair{HandCode::FullHouse, 0}
                               : oneSuit                 ? std::pair{HandCode::Flush, 0}
                               : straight                ? std::pair{HandCode::Run, 0}
                               : most == 3               ? std::pair{HandCode::ThreeKind, 3}
                               : pairs == 2              ? std::pair{HandCode::TwoPair, 2}
                               : highPair                ? std::pair{HandCode::JackBetter, 2}
                                                         : std::pair{HandCode::None, -1};
    Judgement j{code, {}};
    for (int i = 1; i <= Places; ++i) {
        j.marks[i] = ToFlag(times == 0 || count[RankOf(hand[i])] == times);
    }
    return j;
}

TEST(HandEvaluationTest, EveryHandOfFiveDifferentCardsIsJudgedAndMarkedAsAPlayerReadsIt) {
    const CardIndexTable index = FilledIndex();
    std::array<long long, HandCodeCount + 1> perCode{};
    long long hands = 0;
    long long wrong = 0;
    std::string firstWrong;

    ForEachHand([&](const PerPlace<CardNumber>& hand) {
        PerPlace<Flag> winCard{};
        const Evaluation got = EvaluateHand(hand, index, TestBet, winCard);
        const Judgement want = ReadLikeAPlayer(hand);
        ++hands;
        ++perCode[static_cast<int>(got.Code)];
        const bool right = got.Code == want.code && got.Found == (want.code != HandCode::None) &&
                           got.Win == TestBet * Multiplier(want.code) && winCard == want.marks;
        if (!right && wrong++ == 0) {
            firstWrong = HandText(hand) + ": code " + std::to_string(static_cast<int>(got.Code)) +
                         ", want " + std::to_string(static_cast<int>(want.code));
        }
    });

    EXPECT_EQ(AllHandsCount, hands);
    // No win, then Jacks or Better to Royal Flush in HandCode order: the textbook counts, with the
    // Ace running both low and high.
    const std::array<long long, HandCodeCount + 1> expectedPerCode{
        2'062'860, 337'920, 123'552, 54'912, 3'744, 624, 10'200, 5'108, 36, 4};
    EXPECT_EQ(expectedPerCode, perCode);
    EXPECT_EQ(0, wrong) << "hands judged or marked unlike a player reads them, the first: "
                        << firstWrong;
}

// One hand with what it must give; its cards are tried in every order.
struct Row {
    std::string_view name;
    FiveCards cards;
    Integer bet;
    HandCode code;
    Integer win;
    MarkPattern marks;
};

// Failures name the row rather than dump its bytes.
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// clang-format off
const std::array<Row, 28> Rows{{
    {"PairOfTensPaysNothing", "TD TC 3H 7S KD", TestBet, HandCode::None, 0, NoneMarked},
    {"PairOfJacksPaysTheStakeBack", "JD JC 3H 7S KD", TestBet, HandCode::JackBetter, 3, "##..."},
    {"PairOfAcesPaysTheStakeBack", "2H AC 9H AS QD", TestBet, HandCode::JackBetter, 3, ".#.#."},
    {"AceToFiveOfMixedSuitsIsARun", "AD 2C 3H 4S 5D", TestBet, HandCode::Run, 12, AllMarked},
    {"TenToAceOfMixedSuitsIsARun", "TD JC QH KS AD", TestBet, HandCode::Run, 12, AllMarked},
    {"JackToTwoDoesNotWrapRound", "JD QC KH AS 2D", TestBet, HandCode::None, 0, NoneMarked},
    {"RoyalFlushInDiamonds", "AD KD QD JD TD", TestBet, HandCode::Royal, 3000, AllMarked},
    {"RoyalFlushInClubs", "AC KC QC JC TC", TestBet, HandCode::Royal, 3000, AllMarked},
    {"RoyalFlushInHearts", "AH KH QH JH TH", TestBet, HandCode::Royal, 3000, AllMarked},
    {"RoyalFlushInSpades", "AS KS QS JS TS", TestBet, HandCode::Royal, 3000, AllMarked},
    {"KingHighRunningFlushInDiamonds", "9D KD QD JD TD", TestBet, HandCode::RunFlush, 150, AllMarked},
    {"KingHighRunningFlushInClubs", "9C KC QC JC TC", TestBet, HandCode::RunFlush, 150, AllMarked},
    {"KingHighRunningFlushInHearts", "9H KH QH JH TH", TestBet, HandCode::RunFlush, 150, AllMarked},
    {"KingHighRunningFlushInSpades", "9S KS QS JS TS", TestBet, HandCode::RunFlush, 150, AllMarked},
    {"AceToFiveRunningFlush", "3H AH 5H 2H 4H", TestBet, HandCode::RunFlush, 150, AllMarked},
    {"RoyalRanksOfMixedSuitsAreOnlyARun", "AS KS QS JS TH", TestBet, HandCode::Run, 12, AllMarked},
    {"TwoPairsMarkTheirFourCards", "4D 4C 9H 9S KD", TestBet, HandCode::TwoPair, 6, "####."},
    {"TwoHighPairsAreTwoPairs", "JD 5C AH JS AD", TestBet, HandCode::TwoPair, 6, "#.###"},
    {"ThreeOfAKindBeatsTwoPairs", "4D 4C 4H 9S KD", TestBet, HandCode::ThreeKind, 9, "###.."},
    {"ThreeJacksAreThreeOfAKindNotJacksOrBetter", "JD 2C JH 7S JC", TestBet, HandCode::ThreeKind, 9, "#.#.#"},
    {"FullHouseWithALowPair", "4D 4C 4H KS KD", TestBet, HandCode::FullHouse, 24, AllMarked},
    {"FullHouseWithAPairOfJacks", "KD JC KH JS KS", TestBet, HandCode::FullHouse, 24, AllMarked},
    {"FlushPaysLessThanAFullHouse", "2S 5S 7S 9S JS", TestBet, HandCode::Flush, 15, AllMarked},
    {"FlushOneCardShortOfARunningFlush", "2C 3C 4C 5C 7C", TestBet, HandCode::Flush, 15, AllMarked},
    {"FourOfAKindLeavesItsKickerUnmarked", "QD QC 3D QH QS", TestBet, HandCode::FourKind, 75, "##.##"},
    {"RoyalAtAStakeOf32PaysInFull", "AH KH QH JH TH", 32, HandCode::Royal, 32000, AllMarked},
    {"RoyalAtAStakeOf33SaturatesHigh", "AH KH QH JH TH", 33, HandCode::Royal, 32767, AllMarked},
    {"RoyalAtAStakeOfMinus33SaturatesLow", "AH KH QH JH TH", -33, HandCode::Royal, -32768, AllMarked},
}};
// clang-format on

class HandEvaluationRowTest : public testing::TestWithParam<Row> {};

TEST_P(HandEvaluationRowTest, EveryOrderOfTheCardsGivesTheSameResultWithMarksFollowingTheirCards) {
    const Row& row = GetParam();
    const CardIndexTable index = FilledIndex();
    const PerPlace<CardNumber> asWritten = HandFrom(index, row.cards);
    std::array<int, Places> order{};
    std::iota(order.begin(), order.end(), 0);
    int orders = 0;
    do {
        PerPlace<CardNumber> hand{};
        std::string marks(Places, '.');
        for (int place = 1; place <= Places; ++place) {
            hand[place] = asWritten[order[place - 1] + 1];
            marks[place - 1] = row.marks[order[place - 1]];
        }
        SCOPED_TRACE("hand " + HandText(hand));
        PerPlace<Flag> winCard{};
        const Evaluation result = EvaluateHand(hand, index, row.bet, winCard);
        EXPECT_EQ(static_cast<int>(row.code), static_cast<int>(result.Code));
        EXPECT_EQ(row.code != HandCode::None, result.Found);
        EXPECT_EQ(row.win, result.Win);
        EXPECT_EQ(MarksFrom(marks), winCard);
        ++orders;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(120, orders);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, HandEvaluationRowTest, testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<Row>& param) {
                             return std::string(param.param.name);
                         });

// The four single tests, asked directly: what each passes and marks on its own, including the
// overlaps of CheckSets that the highest-kind-wins order relies on.
enum class Check { Royal, Run, Flush, Sets };

struct CheckRow {
    std::string_view name;
    FiveCards cards;
    Check check;
    int argument;  // the suit, or the kind of set; unused by the run
    bool passes;
    MarkPattern marks;
};

void PrintTo(const CheckRow& row, std::ostream* os) {
    *os << row.name;
}

// clang-format off
const std::array<CheckRow, 24> CheckRows{{
    {"RoyalPassesForTheSuitOfItsCards", "TC AC QC KC JC", Check::Royal, Suit::Clubs, true, AllMarked},
    {"RoyalFailsForDiamonds", "TC AC QC KC JC", Check::Royal, Suit::Diamonds, false, NoneMarked},
    {"RoyalFailsForHearts", "TC AC QC KC JC", Check::Royal, Suit::Hearts, false, NoneMarked},
    {"RoyalFailsForSpades", "TC AC QC KC JC", Check::Royal, Suit::Spades, false, NoneMarked},
    {"FlushPassesForTheSuitOfItsCards", "TC AC QC KC JC", Check::Flush, Suit::Clubs, true, AllMarked},
    {"FlushFailsForDiamonds", "TC AC QC KC JC", Check::Flush, Suit::Diamonds, false, NoneMarked},
    {"FlushFailsForHearts", "TC AC QC KC JC", Check::Flush, Suit::Hearts, false, NoneMarked},
    {"FlushFailsForSpades", "TC AC QC KC JC", Check::Flush, Suit::Spades, false, NoneMarked},
    {"RunIgnoresSuits", "7S 5D 8H 4C 6S", Check::Run, 0, true, AllMarked},
    {"APairIsNeverARun", "7S 5D 7H 4C 6S", Check::Run, 0, false, NoneMarked},
    {"JacksOrBetterMarksTheLaterOfTwoHighPairs", "JD JC AH AS 5D", Check::Sets, 1, true, "..##."},
    {"JacksOrBetterLooksAtTheKingAfterTheJack", "KD KC JH JS 5D", Check::Sets, 1, true, "##..."},
    {"JacksOrBetterLooksAtTheAceLast", "AD AC QH QS 5D", Check::Sets, 1, true, "##..."},
    {"JacksOrBetterIgnoresThreeJacks", "JD JC JH 2S 7D", Check::Sets, 1, false, NoneMarked},
    {"JacksOrBetterPassesOnAFullHousesHighPair", "4D 4C 4H KS KD", Check::Sets, 1, true, "...##"},
    {"TwoPairsMarksBothPairs", "JD JC AH AS 5D", Check::Sets, 2, true, "####."},
    {"TwoPairsFailsOnAFullHouse", "4D 4C 4H KS KD", Check::Sets, 2, false, NoneMarked},
    {"ThreeOfAKindPassesOnAFullHouse", "4D 4C 4H KS KD", Check::Sets, 3, true, "###.."},
    {"ThreeOfAKindFailsOnFourOfAKind", "QD QC QH QS 3D", Check::Sets, 3, false, NoneMarked},
    {"FullHouseMarksAllFive", "4D 4C 4H KS KD", Check::Sets, 4, true, AllMarked},
    {"FullHouseFailsOnThreeAndTwoOdd", "4D 4C 4H KS 2D", Check::Sets, 4, false, NoneMarked},
    {"FourOfAKindMarksItsFour", "QD QC QH QS 3D", Check::Sets, 5, true, "####."},
    {"KindZeroNeverPasses", "QD QC QH QS 3D", Check::Sets, 0, false, NoneMarked},
    {"KindSixNeverPasses", "QD QC QH QS 3D", Check::Sets, 6, false, NoneMarked},
}};
// clang-format on

class HandTestsTest : public testing::TestWithParam<CheckRow> {};

// Each row runs twice: on a clear WinCard it marks exactly its pattern, and on a fully marked one
// it clears nothing, passing or failing.
TEST_P(HandTestsTest, PassesAndMarksAsItsArgumentSaysAndNeverClearsAMark) {
    const CheckRow& row = GetParam();
    const CardIndexTable index = FilledIndex();
    const PerPlace<CardNumber> hand = HandFrom(index, row.cards);
    for (const MarkPattern start : {NoneMarked, AllMarked}) {
        SCOPED_TRACE(start);
        PerPlace<Flag> winCard = MarksFrom(start);
        HandTests tests(hand, index, winCard);
        const bool passed = row.check == Check::Royal   ? tests.CheckRoyal(row.argument)
                            : row.check == Check::Flush ? tests.CheckFlush(row.argument)
                            : row.check == Check::Run   ? tests.CheckRun()
                                                        : tests.CheckSets(row.argument);
        EXPECT_EQ(row.passes, passed);
        EXPECT_EQ(MarksFrom(start == AllMarked ? AllMarked : row.marks), winCard);
    }
}

INSTANTIATE_TEST_SUITE_P(SingleTests, HandTestsTest, testing::ValuesIn(CheckRows),
                         [](const testing::TestParamInfo<CheckRow>& param) {
                             return std::string(param.param.name);
                         });

}  // namespace
}  // namespace vantorel
