#include "ShowCentredModal.h"

#include <QDialog>
#include <QWidget>

#include "PlaceOuterFrame.h"

namespace vantorel {

QPointF CentredTopLeft(const QRectF& table, const QSizeF& window) {
    const qreal top = table.top() + (table.height() - window.height()) / 2;
    const qreal left = table.left() + (table.width() - window.width()) / 2;
    return {left, top};
}

void ShowCentredModal(QDialog& window, const QWidget& table) {
    // The table is framed already, and a window manager draws the same frame round this window,
    // so the table's frame stands in for this one's until it is drawn.
    PlaceOuterFrame(
        window, [&table](const QSizeF& outer) { return CentredTopLeft(OuterFrame(table), outer); },
        FrameMargins(table));

    // No owner is named: the modality is the application's, so no other window takes input.
    window.setWindowModality(Qt::ApplicationModal);
    window.exec();
}

}  // namespace vantorel
