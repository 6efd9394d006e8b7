#pragma once

#include <vector>

#include "Engine.h"
#include "FakeTable.h"
#include "TableLogic.h"

namespace vantorel::testing {

// A whole table without a window, wired to the fakes; after construction it stands as at start-up.
struct Harness {
    Harness() {
        table.onBetValueChange = [this] { logic.Bet_Value_Change(); };
        logic.Form_Load("/opt/vantorel");
    }
    // Deals (or draws) with these five cards coming out, then the duplicate check's ten spares.
    void Deal(const std::vector<int>& cards) {
        random.QueueCards(cards);
        Spare(10);
        logic.Place_Bet_Click();
    }
    // Holds the places given and draws with these five cards coming out (held places draw too).
    void Draw(const std::vector<int>& held, const std::vector<int>& cards) {
        for (int place : held) logic.HC_Click(place);
        Deal(cards);
    }
    void Spare(int count) {
        for (int i = 0; i < count; ++i) random.QueueCard(52);
    }

    EventLog log;
    GameData data;
    FakeTable table{log};
    VirtualClock clock{log};
    ScriptedRandom random;
    RecordingSound sound{log};
    Engine engine{data, EngineServices{table, table, clock, sound, random}};
    TableLogic logic{data, engine, table};
};

}  // namespace vantorel::testing
