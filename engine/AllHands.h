#pragma once

#include "Cards.h"
#include "GameData.h"

namespace vantorel {

inline constexpr long long AllHandsCount = 2'598'960;

// Calls `visit(hand)` for every hand of five different cards, in rising card order. A template,
// so that the exhaustive test and the benchmark pay nothing for the call.
template <typename Visit>
void ForEachHand(Visit&& visit) {
    PerPlace<CardNumber> hand{};
    for (int a = 1; a <= CardCount; ++a) {
        hand[1] = static_cast<CardNumber>(a);
        for (int b = a + 1; b <= CardCount; ++b) {
            hand[2] = static_cast<CardNumber>(b);
            for (int c = b + 1; c <= CardCount; ++c) {
                hand[3] = static_cast<CardNumber>(c);
                for (int d = c + 1; d <= CardCount; ++d) {
                    hand[4] = static_cast<CardNumber>(d);
                    for (int e = d + 1; e <= CardCount; ++e) {
                        hand[5] = static_cast<CardNumber>(e);
                        visit(static_cast<const PerPlace<CardNumber>&>(hand));
                    }
                }
            }
        }
    }
}

}  // namespace vantorel
