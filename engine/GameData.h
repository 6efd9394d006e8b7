#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "Cards.h"
#include "Integer.h"

namespace vantorel {

// Card positions are 1..5 from the left; element 0 of these arrays is never used.
inline constexpr int Places = 5;
template <typename T>
using PerPlace = std::array<T, Places + 1>;

// Whether the window shows "New Game", "Deal" or "Draw": the two flags read as one state.
enum class GameState { Idle, Betting, CardsOut };

// The state of the game and the values the windows share. The main window owns the one instance
// for the whole run and hands it to whoever needs it.
struct GameData {
    Integer Score = 0;
    Integer Bet = 0;
    Integer MaxBet = 0;
    Flag GameInProgress = FlagFalse;
    Flag BettingPhase = FlagFalse;

    PerPlace<CardNumber> Hand{};
    PerPlace<Flag> Held{};
    PerPlace<CardNumber> HeldCard{};
    PerPlace<Flag> WinCard{};
    PerPlace<CardNumber> Discards{};

    // 1..9 count wins by HandCode, 10 counts hands played; 0 is unused.
    std::array<Integer, 11> HandStats{};
    static constexpr int HandsPlayed = 10;

    CardIndexTable CardIndex;
    Flag RedDeck = FlagFalse;
    Flag ShowPayTable = FlagFalse;

    std::string AppPath;
    std::string VersionDate;

    GameState State() const {
        if (!IsSet(GameInProgress)) return GameState::Idle;
        return IsSet(BettingPhase) ? GameState::Betting : GameState::CardsOut;
    }
    int BackPicture() const { return IsSet(RedDeck) ? RedBackPicture : BlueBackPicture; }
    // A file in the program's folder (the options file, the sounds), joined by the platform's
    // separator.
    std::string InAppPath(std::string_view file) const {
        return (std::filesystem::path(AppPath) / file).string();
    }
};

}  // namespace vantorel
