#include "Artwork.h"

#include <QPixmapCache>

#include "Canvas.h"
#include "CardBack.h"
#include "CardFace.h"
#include "CardLayout.h"
#include "Cards.h"

namespace vantorel::art {
namespace {

// The table repaints its five card places often and the flashes of a win swap pictures many
// times a second; rendering a card costs far more than a cache lookup. Enough room is kept for
// a full pack at the table's size on a double-density screen.
constexpr int CacheLimitKilobytes = 48 * 1024;

void EnsureCacheRoom() {
    if (QPixmapCache::cacheLimit() < CacheLimitKilobytes) {
        QPixmapCache::setCacheLimit(CacheLimitKilobytes);
    }
}

QString CacheKey(int n, QSize size, qreal ratio) {
    return QStringLiteral("vantorel/card/%1/%2x%3@%4")
        .arg(n)
        .arg(size.width())
        .arg(size.height())
        .arg(ratio);
}

void PaintPicture(QPainter& painter, QSizeF size, int n) {
    if (n == RedBackPicture) {
        PaintCardBack(painter, size, BackColour::Red);
    } else if (n == BlueBackPicture) {
        PaintCardBack(painter, size, BackColour::Blue);
    } else if (n == WinPicture) {
        PaintWinCard(painter, size);
    } else {
        PaintCardFace(painter, size, SuitOf(n), RankOf(n));
    }
}

}  // namespace

QPixmap CardPicture(int n, QSize size, qreal devicePixelRatio) {
    if (n < 1 || n > PictureCount || devicePixelRatio <= 0) return {};
    const QString key = CacheKey(n, size, devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = PaintedPixmap(size, devicePixelRatio, [n](QPainter& painter, QSizeF logical) {
        PaintPicture(painter, logical, n);
    });
    if (!pixmap.isNull()) {
        EnsureCacheRoom();
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QSize CardPictureSize() {
    return {static_cast<int>(CardLayout::NaturalWidth),
            static_cast<int>(CardLayout::NaturalHeight)};
}

}  // namespace vantorel::art
