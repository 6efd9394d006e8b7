#pragma once

#include <deque>
#include <vector>

#include "Random.h"

namespace vantorel::testing {

// Chance on a script: hands out exactly the numbers a test feeds it, then falls back to a seeded
// generator so a test only scripts what it cares about.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(unsigned seed = 12345) : fallback_(seed) {}

    float Next() override;
    void Reseed() override { ++reseeds_; }

    // Queues the two numbers that make RandomCard give `card` (1..52).
    void QueueCard(int card);
    void QueueCards(const std::vector<int>& cards);
    void QueueNumber(float u) { queue_.push_back(u); }

    int Reseeds() const { return reseeds_; }
    int Drawn() const { return drawn_; }
    std::size_t Queued() const { return queue_.size(); }

  private:
    std::deque<float> queue_;
    std::mt19937 fallback_;
    int reseeds_ = 0;
    int drawn_ = 0;
};

}  // namespace vantorel::testing
