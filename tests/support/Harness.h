#pragma once

#include <string>

#include "Engine.h"
#include "FakeTable.h"
#include "GameData.h"
#include "RecordingServices.h"
#include "ScriptedRandom.h"
#include "TableLogic.h"
#include "VirtualClock.h"

namespace vantorel::testing {

// A whole table without a window: the game's state, the engine and the player's controls, wired to
// a recording table, a virtual clock, scripted chance and silent sound, as the window wires them to
// the real ones. After construction the table stands as at start-up.
struct Harness {
    Harness();

    // Starts a game as the main button does on the idle table.
    void StartGame() { logic.Place_Bet_Click(); }
    // Deals with the given five cards coming out of the generator (no duplicates among them).
    void DealCards(const std::vector<int>& cards);
    // Holds the given positions (1..5) and draws with the given replacement cards coming out for
    // every position in turn (held positions draw too; pass 0 there to let the generator choose).
    void DrawCards(const std::vector<int>& held, const std::vector<int>& drawn);

    EventLog log;
    GameData data;
    FakeTable table{log};
    VirtualClock clock{log};
    ScriptedRandom random;
    RecordingSound sound{log};
    RecordingStatistics statistics{log};
    Engine engine{data, EngineServices{table, statistics, clock, sound, random}};
    TableLogic logic{data, engine, table};
};

}  // namespace vantorel::testing
