#include "ShowCentredModal.h"

#include <QDialog>
#include <QWidget>
#include <cmath>

namespace vantorel {

QPointF CentredTopLeft(const QRectF& table, const QSizeF& window) {
    const qreal top = table.top() + (table.height() - window.height()) / 2;
    const qreal left = table.left() + (table.width() - window.width()) / 2;
    return {left, top};
}

void ShowCentredModal(QDialog& window, const QWidget& table) {
    // The outer size of a window is known only once its native window exists; creating it here
    // lets the platform report the frame and title bar before the window is first shown. A window
    // manager that tells its frame only after mapping leaves the client size to stand in for it.
    window.winId();
    const QPointF place = CentredTopLeft(table.frameGeometry(), window.frameGeometry().size());

    // A window sits on whole pixels; a half pixel from an odd difference always goes up and to
    // the left, so the same sizes always land in the same place. Moving a window positions its
    // outer frame.
    window.move(static_cast<int>(std::floor(place.x())), static_cast<int>(std::floor(place.y())));

    // No owner is named: the modality is the application's, so no other window takes input.
    window.setWindowModality(Qt::ApplicationModal);
    window.exec();
}

}  // namespace vantorel
