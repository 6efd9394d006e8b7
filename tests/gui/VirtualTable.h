#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "FakeTable.h"
#include "Table.h"

namespace vantorel::testing {

// The real main window in the folder given, its waits on a virtual clock and its cards from a
// script.
struct VirtualTable {
    explicit VirtualTable(const QString& folder = "/opt/vantorel")
        : table{TableServices{clock, sound, random}, folder} {}
    EventLog log;
    VirtualClock clock{log};
    RecordingSound sound{log};
    ScriptedRandom random;
    Table table;

    template <typename T>
    T& Find(const QString& name) {
        if (T* found = table.findChild<T*>(name)) return *found;
        throw std::logic_error("no control " + name.toStdString());
    }
};

// Runs `answer` on the modal window that `open` brings up, from inside its event loop; a watchdog
// closes a window left open. Returns whether a modal window was there to answer.
inline bool AnswerModal(const std::function<void()>& open,
                        const std::function<void(QDialog&)>& answer) {
    bool answered = false;
    QTimer poll, watchdog;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal != nullptr && !std::exchange(answered, true)) answer(*modal);
    });
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->done(0);
    });
    poll.start(10);
    watchdog.start(5000);
    open();
    return answered;
}

}  // namespace vantorel::testing
