#pragma once

#include <array>

#include "Integer.h"

namespace vantorel {

// A card is its number 1..52 = (Suit - 1) * 13 + Rank; 0 is "no card". Suits: 1 diamonds,
// 2 clubs, 3 hearts, 4 spades. Ranks: 1 Ace, 2..10, 11 Jack, 12 Queen, 13 King.
using CardNumber = Integer;

inline constexpr int SuitCount = 4;
inline constexpr int RankCount = 13;
inline constexpr int CardCount = SuitCount * RankCount;

namespace Suit {
inline constexpr int Diamonds = 1, Clubs = 2, Hearts = 3, Spades = 4;
}
namespace Rank {
inline constexpr int Ace = 1, Ten = 10, Jack = 11, Queen = 12, King = 13;
}

// The picture list `Cards`: 1..52 are the faces in card-number order, then three specials.
inline constexpr int RedBackPicture = 53;
inline constexpr int BlueBackPicture = 54;
inline constexpr int WinPicture = 55;
inline constexpr int PictureCount = 55;

constexpr int RankOf(int card) {
    return (card - 1) % RankCount + 1;
}
constexpr int SuitOf(int card) {
    return (card - 1) / RankCount + 1;
}

// The only road from a suit and a rank to a card number. Row 0 and column 0 are unused and 0.
class CardIndexTable {
  public:
    // Fills the table suit by suit, rank by rank, as start-up does once.
    void Fill();
    CardNumber operator()(int suit, int rank) const { return table_.at(suit).at(rank); }

  private:
    std::array<std::array<CardNumber, RankCount + 1>, SuitCount + 1> table_{};
};

}  // namespace vantorel
