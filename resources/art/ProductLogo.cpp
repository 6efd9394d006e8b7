// The product logo: a fan of the four aces over the name, on a panel of card-table felt.

#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>
#include <array>

#include "ArtPalette.h"
#include "Artwork.h"
#include "Canvas.h"
#include "Cards.h"
#include "SuitSymbol.h"
#include "TextShape.h"

namespace vantorel::art {
namespace {

constexpr int LogoWidth = 95;
constexpr int LogoHeight = 140;
constexpr qreal FanSpreadDegrees = 19;
const QSizeF FanCardSize(38, 55);
const QPointF FanPivot(47.5, 90);
// How far above the pivot the lower edge of each card in the fan stands.
constexpr qreal FanLift = 4;
const QColor FanShadow(0, 0, 0, 70);
const QColor NameGold(242, 201, 76);
const QColor TaglineCream(236, 226, 196);

void PaintFanCard(QPainter& painter, int suit) {
    const QRectF card(-FanCardSize.width() / 2, -FanLift - FanCardSize.height(),
                      FanCardSize.width(), FanCardSize.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(FanShadow);
    painter.drawRoundedRect(card.translated(1.2, 1.2), 3, 3);
    painter.setPen(QPen(palette::CardEdge, 0.8));
    painter.setBrush(palette::CardWhite);
    painter.drawRoundedRect(card, 3, 3);
    const QRectF index(card.left() + 2.2, card.top() + 2.5, 6, 7);
    painter.fillPath(FittedText(QStringLiteral("A"), LetteringFont(), index), SuitInk(suit));
    PaintSuit(painter, suit, QPointF(index.center().x(), index.bottom() + 4.5), 5);
    PaintSuit(painter, suit, card.center() + QPointF(1.5, 1), 19);
}

void PaintLogo(QPainter& painter, QSizeF size) {
    const QRectF panel = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    QRadialGradient felt(panel.center() - QPointF(0, 20), size.height() * 0.75);
    felt.setColorAt(0, palette::FeltGreen.lighter(115));
    felt.setColorAt(1, palette::FeltDark);
    painter.setPen(QPen(palette::CourtGold, 1.0));
    painter.setBrush(felt);
    painter.drawRoundedRect(panel, 9, 9);
    painter.setPen(QPen(QColor(232, 180, 0, 110), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(3, 3, -3, -3), 7, 7);

    const std::array<int, SuitCount> suits = {Suit::Clubs, Suit::Diamonds, Suit::Hearts,
                                              Suit::Spades};
    for (std::size_t i = 0; i < suits.size(); ++i) {
        painter.save();
        painter.translate(FanPivot);
        painter.rotate(FanSpreadDegrees * (static_cast<qreal>(i) - 1.5));
        PaintFanCard(painter, suits.at(i));
        painter.restore();
    }

    const QPainterPath name =
        FittedText(QStringLiteral("Vantorel"), LetteringFont(), QRectF(8, 100, 79, 17));
    painter.setPen(QPen(palette::FeltDark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(NameGold);
    painter.drawPath(name);
    painter.setPen(Qt::NoPen);
    painter.drawPath(name);
    painter.fillPath(FittedText(QStringLiteral("DRAW POKER"), LetteringFont(QFont::SemiCondensed),
                                QRectF(20, 123, 55, 6.5)),
                     TaglineCream);
}

}  // namespace

QPixmap ProductLogo(qreal devicePixelRatio) {
    if (devicePixelRatio <= 0) return {};
    const QString key = QStringLiteral("vantorel/logo@%1").arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = PaintedPixmap(QSize(LogoWidth, LogoHeight), devicePixelRatio, PaintLogo);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace vantorel::art
