// Rounds on a whole table, every choice and chance from the input, checked after each deal and
// draw.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Harness.h"

namespace {

using namespace vantorel;

void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "round_fuzzer: %s\n", rule);
    std::abort();
}

// Five different cards, each shown at its own place; no count goes down, nothing negative.
void CheckTable(const testing::Harness& h, const std::array<Integer, 11>& before) {
    auto cards = h.table.Pictures();
    for (int place = 1; place <= 5; ++place)
        Check(cards[place - 1] == h.data.Hand[place], "a place shows another card");
    std::sort(cards.begin(), cards.end());
    Check(cards[0] >= 1 && cards[4] <= 52, "a card outside 1..52");
    Check(std::adjacent_find(cards.begin(), cards.end()) == cards.end(), "the same card twice");
    Check(h.data.Score >= 0 && h.data.Bet >= 0, "a negative score or stake");
    for (int i = 1; i <= GameData::HandsPlayed; ++i)
        Check(h.data.HandStats[i] >= before[i], "a count went down");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::Harness h;
    h.logic.Place_Bet_Click();  // a new game
    std::size_t at = 0;
    const auto next = [&] { return at < size ? data[at++] : std::uint8_t{0}; };
    while (at < size) {
        const std::uint8_t options = next(), stake = next(), holds = next();
        h.table.SetChecked(Option::QuickPlay, (options & 1U) == 0);
        h.table.SetChecked(Option::Limit, (options & 2U) != 0);
        if (options & 4U) h.table.SetText(Control::Bet_Value, std::to_string(stake));
        if (options & 8U) (stake & 1U) ? h.logic.Bet_Up_Click() : h.logic.Bet_Down_Click();
        for (int i = 0; i < 24; ++i) h.random.QueueNumber(static_cast<float>(next()) / 256.0f);
        h.log.clear();
        const auto before = h.data.HandStats;
        h.logic.Place_Bet_Click();  // deal
        CheckTable(h, before);
        const auto dealt = h.data.Hand;
        for (int place = 1; place <= 5; ++place)
            if (holds & (1U << place)) h.logic.HC_Click(place);
        const auto held = h.data.Held;
        h.logic.Place_Bet_Click();                // draw
        if (h.data.State() == GameState::Idle) {  // game over: the start-up hand shows
            h.logic.Place_Bet_Click();            // a new game
            continue;
        }
        CheckTable(h, before);
        for (int place = 1; place <= 5; ++place)
            for (int other = 1; other <= 5; ++other)
                Check(IsSet(held[place]) ? h.data.Hand[place] == dealt[place]
                                         : h.data.Hand[other] != dealt[place],
                      "a held card moved, or a discarded card came back");
    }
    return 0;
}
