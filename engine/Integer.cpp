#include "Integer.h"

#include <cmath>

namespace vantorel {

double RoundHalfEven(double v) {
    const double down = std::floor(v);
    const double diff = v - down;
    if (diff < 0.5) return down;
    if (diff > 0.5) return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

Integer ToInteger(double v) {
    if (std::isnan(v)) return 0;
    const double r = RoundHalfEven(v);
    if (r <= static_cast<double>(IntegerMin)) return static_cast<Integer>(IntegerMin);
    if (r >= static_cast<double>(IntegerMax)) return static_cast<Integer>(IntegerMax);
    return static_cast<Integer>(r);
}

std::string NumberText(long long v) {
    return v < 0 ? std::to_string(v) : " " + std::to_string(v);
}

}  // namespace vantorel
