#pragma once

#include "Cards.h"
#include "GameData.h"
#include "Integer.h"
#include "PayTable.h"

namespace vantorel {

// The result of judging the five cards after a draw.
struct Evaluation {
    bool Found = false;  // a winning hand
    HandCode Code = HandCode::None;
    Integer Win = 0;  // Bet x the multiplier, clamped to 16 bits; 0 without a win
};

// The four tests of a hand. Each returns whether it passed and, only then, marks the positions
// of its combination True in WinCard; nothing here ever clears a mark.
class HandTests {
  public:
    HandTests(const PerPlace<CardNumber>& Hand, const CardIndexTable& CardIndex,
              PerPlace<Flag>& WinCard)
        : hand_(Hand), cardIndex_(CardIndex), winCard_(WinCard) {}

    bool CheckRoyal(int Suit);
    bool CheckRun();
    bool CheckFlush(int Suit);
    bool CheckSets(int Kind);

  private:
    const PerPlace<CardNumber>& hand_;
    const CardIndexTable& cardIndex_;
    PerPlace<Flag>& winCard_;
};

// Judges Hand: Royal Flush first; else run and flush together; else the five kinds of sets, the
// highest that passes winning. Marks the winning positions in WinCard (expected all False on
// entry).
Evaluation EvaluateHand(const PerPlace<CardNumber>& Hand, const CardIndexTable& CardIndex,
                        Integer Bet, PerPlace<Flag>& WinCard);

}  // namespace vantorel
