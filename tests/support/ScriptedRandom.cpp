#include "ScriptedRandom.h"

namespace vantorel::testing {

float ScriptedRandom::Next() {
    ++drawn_;
    if (queue_.empty()) return UnitFromBits(static_cast<std::uint32_t>(fallback_()));
    const float u = queue_.front();
    queue_.pop_front();
    return u;
}

void ScriptedRandom::QueueCard(int card) {
    // The middle of each interval, so the floor in RandomCard lands exactly on the wanted suit and
    // rank.
    queue_.push_back((static_cast<float>(SuitOf(card) - 1) + 0.5f) / 4.0f);
    queue_.push_back((static_cast<float>(RankOf(card) - 1) + 0.5f) / 13.0f);
}

void ScriptedRandom::QueueCards(const std::vector<int>& cards) {
    for (int card : cards) QueueCard(card);
}

}  // namespace vantorel::testing
