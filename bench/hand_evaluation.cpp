// How fast the hand judge is: every hand of five different cards, once per iteration.

#include <benchmark/benchmark.h>

#include "Cards.h"
#include "GameData.h"
#include "HandEvaluation.h"

namespace vantorel {
namespace {

constexpr Integer BenchBet = 3;
constexpr long long AllHands = 2'598'960;

void BM_EvaluateEveryHand(benchmark::State& state) {
    CardIndexTable index;
    index.Fill();
    long long judged = 0;
    for (auto _ : state) {
        long long winners = 0;
        PerPlace<CardNumber> hand{};
        for (int a = 1; a <= CardCount; ++a) {
            hand[1] = static_cast<CardNumber>(a);
            for (int b = a + 1; b <= CardCount; ++b) {
                hand[2] = static_cast<CardNumber>(b);
                for (int c = b + 1; c <= CardCount; ++c) {
                    hand[3] = static_cast<CardNumber>(c);
                    for (int d = c + 1; d <= CardCount; ++d) {
                        hand[4] = static_cast<CardNumber>(d);
                        for (int e = d + 1; e <= CardCount; ++e) {
                            hand[5] = static_cast<CardNumber>(e);
                            PerPlace<Flag> winCard{};
                            const Evaluation result = EvaluateHand(hand, index, BenchBet, winCard);
                            winners += result.Found ? 1 : 0;
                            benchmark::DoNotOptimize(winCard);
                            ++judged;
                        }
                    }
                }
            }
        }
        benchmark::DoNotOptimize(winners);
    }
    if (judged % AllHands != 0) state.SkipWithError("the enumeration missed hands");
    state.SetItemsProcessed(judged);
}
BENCHMARK(BM_EvaluateEveryHand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorel

BENCHMARK_MAIN();
