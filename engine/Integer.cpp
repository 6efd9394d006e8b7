#include "Integer.h"

#include <array>
#include <cmath>
#include <cstdio>

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
    std::array<char, 32> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), v < 0 ? "%lld" : " %lld", v);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace vantorel
