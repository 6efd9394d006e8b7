#pragma once

#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QSizeF>

namespace vantorel::art {

// The device size of a picture of `size` device-independent pixels shown at `ratio`.
inline QSize DeviceSize(QSize size, qreal ratio) {
    return {qRound(size.width() * ratio), qRound(size.height() * ratio)};
}

// A transparent pixmap of `size` at `ratio`, painted by `paint(painter, logicalSize)` with
// antialiasing. The logical size is the device size divided back, so the painting fills every
// device pixel even where size * ratio is not whole.
template <typename PaintFunction>
QPixmap PaintedPixmap(QSize size, qreal ratio, PaintFunction&& paint) {
    const QSize device = DeviceSize(size, ratio);
    if (device.isEmpty()) return {};
    QPixmap pixmap(device);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paint(painter, QSizeF(device) / ratio);
    painter.end();
    return pixmap;
}

}  // namespace vantorel::art
