#include "ShellOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QString>

namespace vantorel {

QUrl ShellOpenUrl(const std::string& Target) {
    const QString target = QString::fromStdString(Target);
    if (target.isEmpty()) return {};
    const QUrl address(target);
    if (address.isValid() && address.scheme().size() > 1) return address;
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(target));
}

void ShellOpen(const std::string& Target) noexcept {
    try {
        QDesktopServices::openUrl(ShellOpenUrl(Target));
    } catch (...) {
        // Opening a link is a courtesy; nothing it could throw is worth ending the game for.
    }
}

}  // namespace vantorel
