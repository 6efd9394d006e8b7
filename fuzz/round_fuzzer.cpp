// Rounds played on a whole table without a window, every choice taken from the input: the holds,
// the stake typed or stepped, the options, and the numbers chance hands out. After every deal and
// draw it checks what a player can always rely on, without working out any rule of the game.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Harness.h"

namespace {

using vantorel::Control;
using vantorel::GameData;
using vantorel::Option;
using vantorel::testing::Harness;

constexpr int NumbersPerRound = 24;

void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "round_fuzzer: %s\n", rule);
    std::abort();
}

// Five different cards, each one shown at its own place.
void CheckHand(const Harness& h) {
    std::array<int, 5> cards{};
    for (int place = 1; place <= 5; ++place) {
        cards[place - 1] = h.data.Hand[place];
        Check(cards[place - 1] >= 1 && cards[place - 1] <= 52, "a card outside 1..52");
        Check(h.table.Pictures()[place - 1] == cards[place - 1], "a place shows another card");
    }
    std::sort(cards.begin(), cards.end());
    Check(std::adjacent_find(cards.begin(), cards.end()) == cards.end(), "the same card twice");
}

void CheckCounts(const Harness& h, const std::array<std::int16_t, 11>& before) {
    Check(h.data.Score >= 0, "the score fell below 0");
    Check(h.data.Bet >= 0, "a negative stake");
    for (int i = 1; i <= GameData::HandsPlayed; ++i)
        Check(h.data.HandStats[i] >= before[i], "a count went down");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Harness h;
    h.logic.Place_Bet_Click();  // a new game
    std::size_t at = 0;
    const auto next = [&] { return at < size ? data[at++] : std::uint8_t{0}; };
    while (at < size) {
        const std::uint8_t options = next(), stake = next(), holds = next();
        h.table.SetChecked(Option::QuickPlay, (options & 1U) == 0);
        h.table.SetChecked(Option::Limit, (options & 2U) != 0);
        if (options & 4U) h.table.SetText(Control::Bet_Value, std::to_string(stake));
        if (options & 8U) (stake & 1U) ? h.logic.Bet_Up_Click() : h.logic.Bet_Down_Click();
        for (int i = 0; i < NumbersPerRound; ++i)
            h.random.QueueNumber(static_cast<float>(next()) / 256.0f);

        const auto before = h.data.HandStats;
        h.logic.Place_Bet_Click();  // deal
        CheckHand(h);
        CheckCounts(h, before);
        const auto dealt = h.data.Hand;
        for (int place = 1; place <= 5; ++place)
            if (holds & (1U << place)) h.logic.HC_Click(place);
        const auto held = h.data.Held;
        h.logic.Place_Bet_Click();  // draw
        if (h.data.State() != vantorel::GameState::Idle) CheckHand(h);
        CheckCounts(h, before);
        for (int place = 1; place <= 5; ++place) {
            if (vantorel::IsSet(held[place])) {
                Check(h.data.Hand[place] == dealt[place], "a held card moved or changed");
                continue;
            }
            for (int other = 1; other <= 5; ++other)
                Check(h.data.Hand[other] != dealt[place], "a discarded card came back");
        }
        if (h.data.State() == vantorel::GameState::Idle) h.logic.Place_Bet_Click();  // a new game
        h.log.clear();
    }
    return 0;
}
