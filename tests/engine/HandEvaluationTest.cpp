#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "AllHands.h"
#include "Cards.h"
#include "GameData.h"
#include "HandEvaluation.h"
#include "Integer.h"
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
        const std::size_t rank =
            at + 1 < cards.size() ? RankLetters.find(cards[at]) : std::string_view::npos;
        const std::size_t suit =
            at + 1 < cards.size() ? SuitLetters.find(cards[at + 1]) : std::string_view::npos;
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
    for (int i = 1; i <= Places; ++i) {
        marks[i] = ToFlag(pattern[i - 1] == '#');
    }
    return marks;
}

// A code as a failure message should show it: its pay-table name and number.
std::string CodeText(HandCode code) {
    const int number = static_cast<int>(code);
    return code == HandCode::None
               ? "no win (0)"
               : std::string(PayTable[number].name) + " (" + std::to_string(number) + ")";
}

std::string HandText(const PerPlace<CardNumber>& hand) {
    std::string text;
    for (int i = 1; i <= Places; ++i) {
        text += (i > 1 ? " " : "") + std::to_string(hand[i]);
    }
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
    for (int i = 1; i <= Places; ++i) {
        ++count[RankOf(hand[i])];
    }
    const int most = *std::max_element(count.begin(), count.end());
    const int pairs = static_cast<int>(std::count(count.begin(), count.end(), 2));

    bool oneSuit = true;
    int lowest = RankCount;
    int highest = 1;
    for (int i = 1; i <= Places; ++i) {
        oneSuit = oneSuit && SuitOf(hand[i]) == SuitOf(hand[1]);
        lowest = std::min(lowest, RankOf(hand[i]));
        highest = std::max(highest, RankOf(hand[i]));
    }
    const bool broadway = count[Rank::Ace] == 1 && count[Rank::Ten] == 1 &&
                          count[Rank::Jack] == 1 && count[Rank::Queen] == 1 &&
                          count[Rank::King] == 1;
    const bool straight = most == 1 && (highest - lowest == Places - 1 || broadway);

    Judgement j;
    auto markRanksHeld = [&](int times) {
        for (int i = 1; i <= Places; ++i) {
            if (count[RankOf(hand[i])] == times) j.marks[i] = FlagTrue;
        }
    };
    auto markAll = [&] { std::fill(j.marks.begin() + 1, j.marks.end(), FlagTrue); };

    if (oneSuit && broadway) {
        j.code = HandCode::Royal;
        markAll();
    } else if (oneSuit && straight) {
        j.code = HandCode::RunFlush;
        markAll();
    } else if (most == 4) {
        j.code = HandCode::FourKind;
        markRanksHeld(4);
    } else if (most == 3 && pairs == 1) {
        j.code = HandCode::FullHouse;
        markAll();
    } else if (oneSuit) {
        j.code = HandCode::Flush;
        markAll();
    } else if (straight) {
        j.code = HandCode::Run;
        markAll();
    } else if (most == 3) {
        j.code = HandCode::ThreeKind;
        markRanksHeld(3);
    } else if (pairs == 2) {
        j.code = HandCode::TwoPair;
        markRanksHeld(2);
    } else if (count[Rank::Jack] == 2 || count[Rank::Queen] == 2 || count[Rank::King] == 2 ||
               count[Rank::Ace] == 2) {
        j.code = HandCode::JackBetter;
        markRanksHeld(2);
    }
    return j;
}

TEST(HandEvaluationTest, EveryHandOfFiveDifferentCardsIsJudgedAndMarkedAsAPlayerReadsIt) {
    const CardIndexTable index = FilledIndex();
    std::array<long long, HandCodeCount + 1> perCode{};
    long long hands = 0;
    long long wrong = 0;
    std::vector<std::string> firstWrong;

    ForEachHand([&](const PerPlace<CardNumber>& hand) {
        PerPlace<Flag> winCard{};
        const Evaluation got = EvaluateHand(hand, index, TestBet, winCard);
        const Judgement want = ReadLikeAPlayer(hand);
        ++hands;
        ++perCode[static_cast<int>(got.Code)];

        const bool wins = want.code != HandCode::None;
        const int multiplier = PayTable[static_cast<int>(want.code)].multiplier;
        const bool right = got.Code == want.code && got.Found == wins &&
                           got.Win == TestBet * multiplier && winCard == want.marks;
        if (!right) {
            ++wrong;
            if (firstWrong.size() < 5) {
                firstWrong.push_back(HandText(hand) + ": code " +
                                     std::to_string(static_cast<int>(got.Code)) + ", want " +
                                     std::to_string(static_cast<int>(want.code)));
            }
        }
    });

    EXPECT_EQ(2'598'960, hands);
    const std::array<long long, HandCodeCount + 1> expectedPerCode{
        2'062'860,  // no win
        337'920,    // Jacks or Better
        123'552,    // Two Pairs
        54'912,     // Three of a Kind
        3'744,      // Full House
        624,        // Four of a Kind
        10'200,     // Run
        5'108,      // Flush
        36,         // Running Flush
        4,          // Royal Flush
    };
    EXPECT_EQ(expectedPerCode, perCode);
    std::string examples;
    for (const std::string& line : firstWrong) examples += "\n  " + line;
    EXPECT_EQ(0, wrong) << "hands judged or marked unlike a player reads them, for example:"
                        << examples;
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
const std::array<Row, 33> Rows{{
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
    {"FourAcesLeaveTheKingUnmarked", "AD AC AH AS KS", TestBet, HandCode::FourKind, 75, "####."},
    {"NothingAtAll", "2D 5C 8H JS KD", TestBet, HandCode::None, 0, NoneMarked},
    {"RoyalAtAStakeOf33SaturatesHigh", "AH KH QH JH TH", 33, HandCode::Royal, 32767, AllMarked},
    {"RoyalAtAStakeOfMinus33SaturatesLow", "AH KH QH JH TH", -33, HandCode::Royal, -32768, AllMarked},
    {"RoyalAtAStakeOf32PaysInFull", "AH KH QH JH TH", 32, HandCode::Royal, 32000, AllMarked},
    {"RunningFlushAtAStakeOf656Saturates", "9C KC QC JC TC", 656, HandCode::RunFlush, 32767, AllMarked},
    {"TwoPairsAtTheHighestStakeSaturate", "4D 4C 9H 9S KD", 32767, HandCode::TwoPair, 32767, "####."},
    {"LosingHandAtTheHighestStakeWinsNothing", "TD TC 3H 7S KD", 32767, HandCode::None, 0, NoneMarked},
}};
// clang-format on

class HandEvaluationRowTest : public testing::TestWithParam<Row> {};

TEST_P(HandEvaluationRowTest, EveryOrderOfTheCardsGivesTheSameResultWithMarksFollowingTheirCards) {
    const Row& row = GetParam();
    const CardIndexTable index = FilledIndex();
    std::array<int, Places> order{};
    std::iota(order.begin(), order.end(), 0);
    const PerPlace<CardNumber> asWritten = HandFrom(index, row.cards);
    int orders = 0;
    do {
        PerPlace<CardNumber> hand{};
        std::string markText(Places, '.');
        for (int place = 1; place <= Places; ++place) {
            hand[place] = asWritten[order[place - 1] + 1];
            markText[place - 1] = row.marks[order[place - 1]];
        }
        SCOPED_TRACE("hand " + HandText(hand));
        PerPlace<Flag> winCard{};
        const Evaluation result = EvaluateHand(hand, index, row.bet, winCard);
        EXPECT_EQ(CodeText(row.code), CodeText(result.Code));
        EXPECT_EQ(row.code != HandCode::None, result.Found);
        EXPECT_EQ(row.win, result.Win);
        EXPECT_EQ(MarksFrom(markText), winCard);
        ++orders;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(120, orders);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, HandEvaluationRowTest, testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<Row>& param) {
                             return std::string(param.param.name);
                         });

// The single tests, asked directly: what each passes and marks on its own, including the
// overlaps that the highest-kind-wins order relies on.
struct SetsRow {
    std::string_view name;
    FiveCards cards;
    int kind;
    bool found;
    MarkPattern marks;
};

// clang-format off
const std::array<SetsRow, 14> SetsRows{{
    {"JacksOrBetterMarksTheLaterOfTwoHighPairs", "JD JC AH AS 5D", 1, true, "..##."},
    {"JacksOrBetterLooksAtTheKingAfterTheJack", "KD KC JH JS 5D", 1, true, "##..."},
    {"JacksOrBetterLooksAtTheAceLast", "AD AC QH QS 5D", 1, true, "##..."},
    {"JacksOrBetterIgnoresThreeJacks", "JD JC JH 2S 7D", 1, false, NoneMarked},
    {"JacksOrBetterPassesOnAFullHousesHighPair", "4D 4C 4H KS KD", 1, true, "...##"},
    {"TwoPairsMarksBothPairs", "JD JC AH AS 5D", 2, true, "####."},
    {"TwoPairsFailsOnAFullHouse", "4D 4C 4H KS KD", 2, false, NoneMarked},
    {"ThreeOfAKindPassesOnAFullHouse", "4D 4C 4H KS KD", 3, true, "###.."},
    {"ThreeOfAKindFailsOnFourOfAKind", "QD QC QH QS 3D", 3, false, NoneMarked},
    {"FullHouseMarksAllFive", "4D 4C 4H KS KD", 4, true, AllMarked},
    {"FullHouseFailsOnThreeAndTwoOdd", "4D 4C 4H KS 2D", 4, false, NoneMarked},
    {"FourOfAKindMarksItsFour", "QD QC QH QS 3D", 5, true, "####."},
    {"KindZeroNeverPasses", "QD QC QH QS 3D", 0, false, NoneMarked},
    {"KindSixNeverPasses", "QD QC QH QS 3D", 6, false, NoneMarked},
}};
// clang-format on

void PrintTo(const SetsRow& row, std::ostream* os) {
    *os << row.name;
}

class CheckSetsTest : public testing::TestWithParam<SetsRow> {};

TEST_P(CheckSetsTest, PassesAndMarksAsItsKindSays) {
    const SetsRow& row = GetParam();
    const CardIndexTable index = FilledIndex();
    const PerPlace<CardNumber> hand = HandFrom(index, row.cards);
    PerPlace<Flag> winCard{};
    HandTests tests(hand, index, winCard);
    EXPECT_EQ(row.found, tests.CheckSets(row.kind));
    EXPECT_EQ(MarksFrom(row.marks), winCard);
}

INSTANTIATE_TEST_SUITE_P(Kinds, CheckSetsTest, testing::ValuesIn(SetsRows),
                         [](const testing::TestParamInfo<SetsRow>& param) {
                             return std::string(param.param.name);
                         });

class HandTestsTest : public testing::Test {
  protected:
    PerPlace<CardNumber> HandOf(FiveCards cards) const { return HandFrom(index_, cards); }

    CardIndexTable index_ = FilledIndex();
};

TEST_F(HandTestsTest, RoyalAndFlushPassOnlyForTheSuitTheCardsAreIn) {
    const PerPlace<CardNumber> hand = HandOf("TC AC QC KC JC");
    for (int suit = Suit::Diamonds; suit <= Suit::Spades; ++suit) {
        SCOPED_TRACE("suit " + std::to_string(suit));
        PerPlace<Flag> royalMarks{};
        PerPlace<Flag> flushMarks{};
        HandTests royal(hand, index_, royalMarks);
        HandTests flush(hand, index_, flushMarks);
        const bool isClubs = suit == Suit::Clubs;
        EXPECT_EQ(isClubs, royal.CheckRoyal(suit));
        EXPECT_EQ(isClubs, flush.CheckFlush(suit));
        EXPECT_EQ(MarksFrom(isClubs ? AllMarked : NoneMarked), royalMarks);
        EXPECT_EQ(MarksFrom(isClubs ? AllMarked : NoneMarked), flushMarks);
    }
}

TEST_F(HandTestsTest, RunIgnoresSuitsAndLeavesTheHandInPlace) {
    const PerPlace<CardNumber> hand = HandOf("7S 5D 8H 4C 6S");
    const PerPlace<CardNumber> before = hand;
    PerPlace<Flag> winCard{};
    HandTests tests(hand, index_, winCard);
    EXPECT_TRUE(tests.CheckRun());
    EXPECT_EQ(MarksFrom(AllMarked), winCard);
    EXPECT_EQ(before, hand);
}

TEST_F(HandTestsTest, APairIsNeverARun) {
    const PerPlace<CardNumber> hand = HandOf("7S 5D 7H 4C 6S");
    PerPlace<Flag> winCard{};
    HandTests tests(hand, index_, winCard);
    EXPECT_FALSE(tests.CheckRun());
    EXPECT_EQ(MarksFrom(NoneMarked), winCard);
}

TEST_F(HandTestsTest, FailingTestsNeverClearAMark) {
    const PerPlace<CardNumber> hand = HandOf("2D 5C 8H JS KD");
    PerPlace<Flag> winCard = MarksFrom(AllMarked);
    HandTests tests(hand, index_, winCard);
    EXPECT_FALSE(tests.CheckRoyal(Suit::Diamonds));
    EXPECT_FALSE(tests.CheckRun());
    EXPECT_FALSE(tests.CheckFlush(Suit::Diamonds));
    EXPECT_FALSE(tests.CheckSets(1));
    EXPECT_EQ(MarksFrom(AllMarked), winCard);

    PerPlace<Flag> someMarks = MarksFrom(".#..#");
    const Evaluation result = EvaluateHand(hand, index_, TestBet, someMarks);
    EXPECT_FALSE(result.Found);
    EXPECT_EQ(MarksFrom(".#..#"), someMarks);
}

}  // namespace
}  // namespace vantorel
