#include "Random.h"

#include <chrono>
#include <cmath>

namespace vantorel {

ClockRandom::ClockRandom() {
    Reseed();
}

float ClockRandom::Next() {
    return UnitFromBits(static_cast<std::uint32_t>(engine_()));
}

void ClockRandom::Reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

CardNumber RandomCard(RandomSource& random, const CardIndexTable& cardIndex) {
    const double u1 = random.Next();
    const double u2 = random.Next();
    const int suit = 1 + static_cast<int>(std::floor(4.0 * u1));
    const int rank = 1 + static_cast<int>(std::floor(13.0 * u2));
    return cardIndex(suit, rank);
}

}  // namespace vantorel
