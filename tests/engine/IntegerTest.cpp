#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Cards.h"
#include "Integer.h"
#include "Random.h"

namespace vantorel {
namespace {

TEST(IntegerTest, RoundsHalfToEven) {
    struct Row {
        double in;
        double out;
    };
    for (const Row& r :
         {Row{0.5, 0}, Row{1.5, 2}, Row{2.5, 2}, Row{-0.5, -0}, Row{-1.5, -2}, Row{-2.5, -2},
          Row{6.5, 6}, Row{7.5, 8}, Row{10.4, 10}, Row{10.6, 11}, Row{-10.6, -11}}) {
        EXPECT_EQ(RoundHalfEven(r.in), r.out) << r.in;
    }
}

TEST(IntegerTest, ConversionSaturatesAtTheSixteenBitEdges) {
    EXPECT_EQ(ToInteger(32767.4), 32767);
    EXPECT_EQ(ToInteger(32767.5), 32767);
    EXPECT_EQ(ToInteger(1e300), 32767);
    EXPECT_EQ(ToInteger(-32768.5), -32768);
    EXPECT_EQ(ToInteger(-1e300), -32768);
    EXPECT_EQ(ToInteger(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(ToInteger(std::nan("")), 0);
}

TEST(IntegerTest, ArithmeticClampsInsteadOfWrapping) {
    EXPECT_EQ(SatAdd(32767, 1), 32767);
    EXPECT_EQ(SatAdd(32000, 5000), 32767);
    EXPECT_EQ(SatSub(-32768, 1), -32768);
    EXPECT_EQ(SatSub(-30000, 5000), -32768);
    EXPECT_EQ(SatMul(33, 1000), 32767);
    EXPECT_EQ(SatMul(-33, 1000), -32768);
    EXPECT_EQ(SatAdd(100, -5), 95);
}

TEST(IntegerTest, NumberTextHasALeadingBlankUnlessNegative) {
    EXPECT_EQ(NumberText(100), " 100");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-5), "-5");
    EXPECT_EQ(NumberText(-32768), "-32768");
}

class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(float u) : u_(u) {}
    float Next() override { return u_; }
    void Reseed() override {}

  private:
    float u_;
};

TEST(RandomCardTest, EdgesOfTheUnitIntervalGiveTheFirstAndLastCard) {
    CardIndexTable index;
    index.Fill();
    FixedRandom zero(0.0f);
    EXPECT_EQ(RandomCard(zero, index), 1);  // Ace of diamonds
    FixedRandom top(std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(RandomCard(top, index), 52);  // King of spades, never 53
}

TEST(RandomCardTest, UnitFromBitsStaysBelowOne) {
    EXPECT_EQ(UnitFromBits(0), 0.0f);
    EXPECT_LT(UnitFromBits(0xFFFFFFFFu), 1.0f);
    EXPECT_EQ(UnitFromBits(0xFFFFFFFFu), std::nextafter(1.0f, 0.0f));
}

TEST(RandomCardTest, ClockGeneratorCoversEveryCardAndNothingElse) {
    CardIndexTable index;
    index.Fill();
    ClockRandom random;
    std::array<int, 53> seen{};
    for (int i = 0; i < 52 * 200; ++i) {
        const int card = RandomCard(random, index);
        ASSERT_GE(card, 1);
        ASSERT_LE(card, 52);
        ++seen[card];
    }
    for (int card = 1; card <= 52; ++card) EXPECT_GT(seen[card], 0) << card;
}

TEST(CardIndexTest, FillsSuitBySuitAndLeavesRowAndColumnZeroEmpty) {
    CardIndexTable index;
    index.Fill();
    EXPECT_EQ(index(1, 1), 1);
    EXPECT_EQ(index(2, 13), 26);
    EXPECT_EQ(index(4, 10), 49);
    EXPECT_EQ(index(0, 5), 0);
    EXPECT_EQ(index(3, 0), 0);
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            EXPECT_EQ(SuitOf(index(suit, rank)), suit);
            EXPECT_EQ(RankOf(index(suit, rank)), rank);
        }
}

}  // namespace
}  // namespace vantorel
