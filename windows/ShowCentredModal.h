#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QDialog;
class QWidget;

namespace vantorel {

// Where a window of outer size `window` goes so that it is centred over `table`, the table's
// outer frame: Top = table.Top + (table.Height - window.Height) / 2, Left likewise. The halving
// is exact and nothing keeps the window on the screen, so a window larger than the table gets
// negative offsets.
QPointF CentredTopLeft(const QRectF& table, const QSizeF& window);

// The one way a secondary window is opened. The window has already been built and has filled
// itself; this places its outer frame centred over the table's outer frame (frame and title bar
// included) and runs it modally, blocking every other window of the program, until it closes.
void ShowCentredModal(QDialog& window, const QWidget& table);

}  // namespace vantorel
