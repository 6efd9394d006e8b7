#pragma once

#include <array>
#include <string_view>

#include "Integer.h"

namespace vantorel {

// The code of a winning hand; it indexes HandStats and the pay table. 0 is no win.
enum class HandCode : int {
    None = 0,
    JackBetter = 1,
    TwoPair = 2,
    ThreeKind = 3,
    FullHouse = 4,
    FourKind = 5,
    Run = 6,
    Flush = 7,
    RunFlush = 8,
    Royal = 9,
};

inline constexpr int HandCodeCount = 9;

struct PayLine {
    HandCode code;
    int multiplier;
    std::string_view name;
};

// The one pay table: the payout multiplies by it and the pay-table window prints it, so the two
// can never disagree. The win includes the stake, which the deal took from the score.
// Indexed by HandCode; element 0 stands for no win.
inline constexpr std::array<PayLine, HandCodeCount + 1> PayTable{{
    {HandCode::None, 0, ""},
    {HandCode::JackBetter, 1, "Jacks or Better"},
    {HandCode::TwoPair, 2, "Two Pairs"},
    {HandCode::ThreeKind, 3, "Three of a Kind"},
    {HandCode::FullHouse, 8, "Full House"},
    {HandCode::FourKind, 25, "Four of a Kind"},
    {HandCode::Run, 4, "Run"},
    {HandCode::Flush, 5, "Flush"},
    {HandCode::RunFlush, 50, "Running Flush"},
    {HandCode::Royal, 1000, "Royal Flush"},
}};

constexpr int Multiplier(HandCode code) {
    return PayTable[static_cast<int>(code)].multiplier;
}

// Bet x multiplier, formed wide and clamped: a Royal Flush at a stake of 33 would pass 32767.
constexpr Integer WinFor(HandCode code, Integer bet) {
    return SatMul(bet, Multiplier(code));
}

}  // namespace vantorel
