#include "QtSysInfoHost.h"

#include <QMessageBox>
#include <QProcess>
#include <QString>

#include "Texts.h"

namespace vantorel {

bool QtSysInfoHost::StartProgram(const std::string& path) {
    // Detached: the program runs on its own in its own normal window, and nobody waits for it.
    return QProcess::startDetached(QString::fromStdString(path), {});
}

void QtSysInfoHost::ShowMessage(const std::string& prompt) {
    QMessageBox box(QMessageBox::NoIcon, text::Title, QString::fromStdString(prompt),
                    QMessageBox::Ok, &owner_);
    box.setObjectName("SysInfoMessage");
    box.exec();
}

}  // namespace vantorel
