#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Cards.h"
#include "Integer.h"
#include "Random.h"
#include "ScriptedRandom.h"

namespace vantorel {
namespace {

TEST(IntegerTest, RoundsHalfToEven) {
    const std::pair<double, double> rows[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2},   {-0.5, -0}, {-1.5, -2},   {-2.5, -2},
        {6.5, 6}, {7.5, 8}, {10.4, 10}, {10.6, 11}, {-10.6, -11},
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(out, RoundHalfEven(in)) << in;
}

TEST(IntegerTest, ConversionAndArithmeticClampAtTheSixteenBitEdges) {
    const std::pair<double, int> conversions[] = {
        {32767.4, 32767},   {32767.5, 32767}, {1e300, 32767},
        {-32768.5, -32768}, {-1e300, -32768}, {std::numeric_limits<double>::infinity(), 32767},
    };
    for (const auto& [in, out] : conversions) EXPECT_EQ(out, ToInteger(in)) << in;
    EXPECT_EQ(0, ToInteger(std::nan("")));
    const std::pair<int, int> sums[] = {
        {SatAdd(32767, 1), 32767},      {SatAdd(32000, 5000), 32767}, {SatSub(-32768, 1), -32768},
        {SatSub(-30000, 5000), -32768}, {SatMul(33, 1000), 32767},    {SatMul(-33, 1000), -32768},
        {SatAdd(100, -5), 95},
    };
    for (std::size_t row = 0; row < std::size(sums); ++row)
        EXPECT_EQ(sums[row].second, sums[row].first) << "row " << row;
}

TEST(IntegerTest, NumberTextHasALeadingBlankUnlessNegative) {
    EXPECT_EQ(" 100", NumberText(100));
    EXPECT_EQ(" 0", NumberText(0));
    EXPECT_EQ("-5", NumberText(-5));
    EXPECT_EQ("-32768", NumberText(-32768));
}

TEST(RandomCardTest, EdgesOfTheUnitIntervalGiveTheFirstAndLastCard) {
    const float belowOne = std::nextafter(1.0f, 0.0f);
    EXPECT_EQ(0.0f, UnitFromBits(0));
    EXPECT_EQ(belowOne, UnitFromBits(0xFFFFFFFFu));  // never 1 itself
    CardIndexTable index;
    index.Fill();
    testing::ScriptedRandom random;
    random.QueueNumber(0.0f);
    random.QueueNumber(0.0f);
    EXPECT_EQ(1, RandomCard(random, index));  // Ace of diamonds
    random.QueueNumber(belowOne);
    random.QueueNumber(belowOne);
    EXPECT_EQ(52, RandomCard(random, index));  // King of spades, never 53
}

TEST(RandomCardTest, ClockGeneratorCoversEveryCardAndNothingElse) {
    CardIndexTable index;
    index.Fill();
    ClockRandom random;
    std::array<int, 53> seen{};
    for (int i = 0; i < 52 * 200; ++i) {
        const int card = RandomCard(random, index);
        ASSERT_TRUE(card >= 1 && card <= 52) << card;
        ++seen[static_cast<std::size_t>(card)];
    }
    for (int card = 1; card <= 52; ++card)
        EXPECT_GT(seen[static_cast<std::size_t>(card)], 0) << card;
}

TEST(CardIndexTest, FillsSuitBySuitAndLeavesRowAndColumnZeroEmpty) {
    CardIndexTable index;
    index.Fill();
    EXPECT_EQ(0, index(0, 5));
    EXPECT_EQ(0, index(3, 0));
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            EXPECT_EQ((suit - 1) * 13 + rank, index(suit, rank));
            EXPECT_EQ(suit, SuitOf(index(suit, rank)));
            EXPECT_EQ(rank, RankOf(index(suit, rank)));
        }
}

}  // namespace
}  // namespace vantorel
