#pragma once

#include <cstdint>
#include <random>

#include "Cards.h"

namespace vantorel {

// One stream of uniform single-precision numbers u with 0 <= u < 1 for the whole program.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;
    // Reseeds from the clock (the time of day); no seed is ever stored.
    virtual void Reseed() = 0;
};

// Maps the top 24 bits of a 32-bit word to [0, 1): every value is exact in a float and the
// largest is 1 - 2^-24, so the result can never round up to 1.
constexpr float UnitFromBits(std::uint32_t word) {
    return static_cast<float>(word >> 8) * (1.0f / 16777216.0f);
}

class ClockRandom final : public RandomSource {
  public:
    ClockRandom();
    float Next() override;
    void Reseed() override;

  private:
    std::mt19937 engine_;
};

// Draws one card: two numbers of the generator, the first for the suit and the second for the
// rank. The products are formed in double precision: in single precision the largest u below 1
// would give 4 * u + 1 == 5.
CardNumber RandomCard(RandomSource& random, const CardIndexTable& cardIndex);

}  // namespace vantorel
