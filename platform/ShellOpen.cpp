#include "ShellOpen.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace vantorel {

void ShellOpen(const std::string& Target) noexcept {
    // fromUserInput turns a bare "www.example.org" into a web address and a local path into a
    // file URL, so callers pass whatever the player would type.
    try {
        QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(Target)));
    } catch (...) {
        // Opening a link is a courtesy; nothing it could throw is worth ending the game for.
    }
}

}  // namespace vantorel
