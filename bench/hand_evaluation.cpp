// How fast the hand judge is: every hand of five different cards, once per iteration.

#include <benchmark/benchmark.h>

#include "AllHands.h"
#include "Cards.h"
#include "GameData.h"
#include "HandEvaluation.h"

namespace vantorel {
namespace {

constexpr Integer BenchBet = 3;

void BM_EvaluateEveryHand(benchmark::State& state) {
    CardIndexTable index;
    index.Fill();
    long long judged = 0;
    for (auto _ : state) {
        long long winners = 0;
        ForEachHand([&](const PerPlace<CardNumber>& hand) {
            PerPlace<Flag> winCard{};
            const Evaluation result = EvaluateHand(hand, index, BenchBet, winCard);
            winners += result.Found ? 1 : 0;
            benchmark::DoNotOptimize(winCard);
            ++judged;
        });
        benchmark::DoNotOptimize(winners);
    }
    if (judged % AllHandsCount != 0) state.SkipWithError("the enumeration missed hands");
    state.SetItemsProcessed(judged);
}
BENCHMARK(BM_EvaluateEveryHand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantorel

BENCHMARK_MAIN();
