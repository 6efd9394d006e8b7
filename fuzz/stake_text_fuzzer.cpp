// Arbitrary bytes read as a stake, then typed into the box of a whole table under several settings.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

#include "Harness.h"
#include "StakeText.h"

namespace {

void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "stake_text_fuzzer: %s\n", rule);
    std::abort();
}

// A new game, a stake above the score, a ceiling of 0, the last point, the top of the range.
constexpr std::array<std::tuple<std::int16_t, std::int16_t, bool>, 5> Settings{
    {{100, 5, true}, {40, 60, false}, {5, 1, true}, {1, 1, false}, {32767, 32767, false}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // A number or 0, never NaN, and negative only after a minus sign.
    const double v = vantorel::ReadStakeText(text);
    Check(!std::isnan(v), "the reader gave NaN");
    Check(v >= 0.0 || text.find('-') != std::string::npos, "a reading negative without a minus");

    static vantorel::testing::Harness h;
    for (const auto& [score, bet, limit] : Settings) {
        h.log.clear();
        h.table.SetChecked(vantorel::Option::Limit, limit);
        h.logic.StartNewGame();
        h.data.Score = score;
        h.data.Bet = bet;
        h.table.SetText(vantorel::Control::Bet_Value, vantorel::NumberText(bet));
        h.table.SetText(vantorel::Control::Bet_Value, text);
        const std::string box = h.table.Text(vantorel::Control::Bet_Value);
        Check(!box.empty(), "the box was left empty");
        // A taken stake is what the box says, never negative and never more than the score.
        if (h.data.Bet != bet)
            Check(box == text && h.data.Bet >= 0 && h.data.Bet <= score,
                  "a taken entry was not kept as typed, or is outside 0..the score");
    }
    return 0;
}
