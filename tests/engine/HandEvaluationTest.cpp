#include <gtest/gtest.h>

#include <array>

#include "AllHands.h"
#include "HandEvaluation.h"

namespace vantorel {
namespace {

// By hand code: no win, then Jacks or Better, Two Pairs, Three of a Kind, Full House, Four of a
// Kind, Run, Flush, Running Flush, Royal Flush. How many of every five-card hand each is (the Ace
// runs both low and high), the pay printed for the player, and how many cards the win marks.
constexpr std::array<long long, 10> HandsOfEach{2'062'860, 337'920, 123'552, 54'912, 3'744,
                                                624,       10'200,  5'108,   36,     4};
constexpr std::array<int, 10> PrintedPay{0, 1, 2, 3, 8, 25, 4, 5, 50, 1000};
constexpr std::array<int, 10> MarkedCards{0, 2, 4, 3, 5, 4, 5, 5, 5, 5};
constexpr Integer TestBet = 3;

// A marked card of a pair, three or four shares its rank with another card of the hand.
TEST(HandEvaluationTest, EveryHandIsJudgedMarkedAndPaidAsPrinted) {
    CardIndexTable index;
    index.Fill();
    std::array<long long, 10> perCode{}, wrong{};
    ForEachHand([&](const PerPlace<CardNumber>& hand) {
        PerPlace<Flag> marks{};
        const Evaluation got = EvaluateHand(hand, index, TestBet, marks);
        const auto code = static_cast<std::size_t>(got.Code);
        ++perCode[code];
        std::array<int, 14> ofRank{};
        for (int i = 1; i <= 5; ++i) ++ofRank[(hand[i] - 1) % 13 + 1];
        int marked = 0, unpaired = 0;
        for (int i = 1; i <= 5; ++i) {
            marked += IsSet(marks[i]) ? 1 : 0;
            unpaired += IsSet(marks[i]) && ofRank[(hand[i] - 1) % 13 + 1] < 2 ? 1 : 0;
        }
        if (got.Found != (code != 0) || got.Win != TestBet * PrintedPay[code] ||
            marked != MarkedCards[code] || (MarkedCards[code] < 5 && unpaired > 0))
            ++wrong[code];
    });
    EXPECT_EQ(HandsOfEach, perCode);
    EXPECT_EQ((std::array<long long, 10>{}), wrong) << "hands misjudged, by the code given";
}

}  // namespace
}  // namespace vantorel
