// Arbitrary bytes for the stake box: first for its reader alone, then typed into the box of a whole
// table without a window, under several table settings. A broken rule aborts saying which.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Harness.h"
#include "StakeText.h"

namespace {

using vantorel::Control;

void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "stake_text_fuzzer: %s\n", rule);
    std::abort();
}

// Blanks, tabs and line feeds never change a reading, and only a minus sign makes one negative.
void CheckReader(const std::string& text) {
    const double v = vantorel::ReadStakeText(text);
    Check(!std::isnan(v), "the reader gave NaN");
    std::string squeezed;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') squeezed.push_back(c);
    Check(vantorel::ReadStakeText(squeezed) == v || (std::isnan(v)), "blanks changed the reading");
    Check(squeezed.empty() || squeezed[0] == '-' ? v <= 0.0 : v >= 0.0,
          "the sign was read wrongly");
}

struct Setting {
    std::int16_t score, bet;
    bool limit;
};
// A new game, a stake above the score, a ceiling of 0, the last point, the top of the range.
constexpr std::array<Setting, 5> Settings{
    {{100, 5, true}, {40, 60, false}, {5, 1, true}, {1, 1, false}, {32767, 32767, false}}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckReader(text);
    static vantorel::testing::Harness h;
    for (const Setting& setting : Settings) {
        h.log.clear();
        h.table.SetChecked(vantorel::Option::Limit, setting.limit);
        h.logic.StartNewGame();
        h.data.Score = setting.score;
        h.data.Bet = setting.bet;
        h.table.SetText(Control::Bet_Value, vantorel::NumberText(setting.bet));
        h.table.SetText(Control::Bet_Value, text);
        const std::string box = h.table.Text(Control::Bet_Value);
        Check(!box.empty(), "the box was left empty");
        if (h.data.Bet == setting.bet) continue;
        // A taken stake is what the box says, never negative and never more than the score.
        Check(box == text, "a taken entry was not kept as typed");
        Check(h.data.Bet >= 0 && h.data.Bet <= setting.score,
              "a stake outside 0..the score was taken");
    }
    return 0;
}
