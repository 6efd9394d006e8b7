#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "AllHands.h"
#include "HandEvaluation.h"

namespace vantorel {
namespace {

// The pay table as printed for the player, by hand code 1..9: Jacks or Better, Two Pairs, Three of
// a Kind, Full House, Four of a Kind, Run, Flush, Running Flush, Royal Flush.
constexpr std::array<int, 10> PrintedPay{0, 1, 2, 3, 8, 25, 4, 5, 50, 1000};
constexpr Integer TestBet = 3;

struct Judgement {
    int code = 0;
    PerPlace<Flag> marks{};
};

// What a player reads in five cards from their rank counts and suits alone.
Judgement ReadLikeAPlayer(const PerPlace<CardNumber>& hand) {
    std::array<int, 14> count{};
    bool oneSuit = true;
    int low = 13, high = 1;
    for (int i = 1; i <= 5; ++i) {
        const int rank = (hand[i] - 1) % 13 + 1;
        ++count[rank];
        oneSuit = oneSuit && (hand[i] - 1) / 13 == (hand[1] - 1) / 13;
        low = std::min(low, rank);
        high = std::max(high, rank);
    }
    const int most = *std::max_element(count.begin(), count.end());
    const auto pairs = std::count(count.begin(), count.end(), 2);
    const bool broadway = count[1] && count[10] && count[11] && count[12] && count[13];
    const bool straight = most == 1 && (high - low == 4 || broadway);
    const bool highPair = count[1] == 2 || count[11] == 2 || count[12] == 2 || count[13] == 2;
    // The winner, and how many of a rank its marked cards hold (0: all five).
    const auto [code, times] = oneSuit && broadway       ? std::pair{9, 0}
                               : oneSuit && straight     ? std::pair{8, 0}
                               : most == 4               ? std::pair{5, 4}
                               : most == 3 && pairs == 1 ? std::pair{4, 0}
                               : oneSuit                 ? std::pair{7, 0}
                               : straight                ? std::pair{6, 0}
                               : most == 3               ? std::pair{3, 3}
                               : pairs == 2              ? std::pair{2, 2}
                               : highPair                ? std::pair{1, 2}
                                                         : std::pair{0, -1};
    Judgement j{code, {}};
    for (int i = 1; i <= 5; ++i)
        j.marks[i] = ToFlag(times == 0 || count[(hand[i] - 1) % 13 + 1] == times);
    return j;
}

TEST(HandEvaluationTest, EveryHandIsJudgedMarkedAndPaidAsAPlayerReadsIt) {
    CardIndexTable index;
    index.Fill();
    std::array<long long, 10> perCode{};
    long long wrong = 0;
    std::string firstWrong;
    ForEachHand([&](const PerPlace<CardNumber>& hand) {
        PerPlace<Flag> marks{};
        const Evaluation got = EvaluateHand(hand, index, TestBet, marks);
        const Judgement want = ReadLikeAPlayer(hand);
        ++perCode[static_cast<std::size_t>(got.Code)];
        const bool right = static_cast<int>(got.Code) == want.code &&
                           got.Found == (want.code != 0) &&
                           got.Win == TestBet * PrintedPay[static_cast<std::size_t>(want.code)] &&
                           marks == want.marks;
        if (!right && wrong++ == 0) {
            for (int i = 1; i <= 5; ++i) firstWrong += std::to_string(hand[i]) + " ";
            firstWrong += "gave code " + std::to_string(static_cast<int>(got.Code)) + " win " +
                          std::to_string(got.Win) + ", a player reads code " +
                          std::to_string(want.code);
        }
    });
    // No win, then Jacks or Better to Royal Flush: the counts of every five-card hand, the Ace
    // running both low and high.
    EXPECT_EQ((std::array<long long, 10>{2'062'860, 337'920, 123'552, 54'912, 3'744, 624, 10'200,
                                         5'108, 36, 4}),
              perCode);
    EXPECT_EQ(0, wrong) << "the first: " << firstWrong;
}

}  // namespace
}  // namespace vantorel
