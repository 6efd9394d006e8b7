#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace vantorel {

// The game's numbers are 16-bit: score, stake, win, counters and card numbers all live in
// -32768..32767. Arithmetic on them is done in a wider type and clamped, so a value at the
// edge stays at the edge instead of wrapping round or trapping.
using Integer = std::int16_t;

// A flag is an Integer holding True as -1 and False as 0. Most readers take any non-zero
// value as True; the few that compare with FlagTrue exactly say so.
using Flag = std::int16_t;
inline constexpr Flag FlagTrue = -1;
inline constexpr Flag FlagFalse = 0;

constexpr Flag ToFlag(bool b) {
    return b ? FlagTrue : FlagFalse;
}
constexpr bool IsSet(Flag f) {
    return f != 0;
}

inline constexpr long long IntegerMin = std::numeric_limits<Integer>::min();
inline constexpr long long IntegerMax = std::numeric_limits<Integer>::max();

constexpr Integer Saturate(long long v) {
    if (v < IntegerMin) return static_cast<Integer>(IntegerMin);
    if (v > IntegerMax) return static_cast<Integer>(IntegerMax);
    return static_cast<Integer>(v);
}

constexpr Integer SatAdd(long long a, long long b) {
    return Saturate(a + b);
}
constexpr Integer SatSub(long long a, long long b) {
    return Saturate(a - b);
}
constexpr Integer SatMul(long long a, long long b) {
    return Saturate(a * b);
}

// Rounds half to even ("banker's rounding"): 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -1.5 -> -2.
double RoundHalfEven(double v);

// A fraction converted to an Integer: rounded half to even, clamped to the 16-bit range.
// NaN reads as 0.
Integer ToInteger(double v);

// The text a number takes in a text box, a frame caption or a won/lost count: a leading
// blank when it is not negative (" 100", " 0", "-5").
std::string NumberText(long long v);

}  // namespace vantorel
