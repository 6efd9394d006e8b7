#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "FakeTable.h"
#include "RecordingServices.h"
#include "ScriptedRandom.h"
#include "Table.h"
#include "VirtualClock.h"

namespace vantorel::testing {

// The real main window on the offscreen platform, with time, chance and sound under the test's
// control: its waits pass on a virtual clock, its cards come from a script.
struct VirtualTable {
    EventLog log;
    VirtualClock clock{log};
    RecordingSound sound{log};
    ScriptedRandom random;
    Table table{TableServices{clock, sound, random}, "/opt/vantorel"};

    // A control or menu item of the window by its name; the test fails when there is none.
    template <typename T>
    T* Find(const QString& name) {
        T* found = table.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
};

}  // namespace vantorel::testing
