// The window icons and the link's pointer.

#include <QPainterPath>
#include <algorithm>
#include <array>

#include "ArtPalette.h"
#include "Artwork.h"
#include "Canvas.h"
#include "Cards.h"
#include "SuitSymbol.h"

namespace vantorel::art {
namespace {

constexpr std::array<int, 4> WindowIconSizes = {16, 32, 48, 64};
constexpr std::array<int, 2> BalloonIconSizes = {16, 32};
// The balloon icons are designed on a 32-pixel grid and scaled to the smaller form.
constexpr qreal BalloonGrid = 32;

enum class BalloonMark { Information = 1, Question = 2 };

void PaintSuitGrid(QPainter& painter, QSizeF size) {
    const qreal cell = size.width() / 2;
    const qreal suitHeight = cell * 0.88;
    struct Place {
        int suit;
        int column;
        int row;
    };
    constexpr std::array<Place, SuitCount> places = {
        {{Suit::Spades, 0, 0}, {Suit::Hearts, 1, 0}, {Suit::Diamonds, 0, 1}, {Suit::Clubs, 1, 1}}};
    // A faint light rim keeps the black suits visible on a dark title bar.
    const QColor rim(255, 255, 255, 110);
    const qreal rimWidth = std::max(0.6, size.width() / 40);
    for (const Place& place : places) {
        const QPointF centre((place.column + 0.5) * cell, (place.row + 0.5) * cell);
        painter.save();
        painter.translate(centre);
        painter.scale(suitHeight, suitHeight);
        // The rim is stroked first and the fill laid over it, which also covers the strokes
        // along the inner seams of shapes built from overlapping parts.
        painter.strokePath(SuitShape(place.suit), QPen(rim, rimWidth * 2 / suitHeight));
        painter.fillPath(SuitShape(place.suit), SuitInk(place.suit));
        painter.restore();
    }
}

QPainterPath BalloonShape() {
    QPainterPath body;
    body.addEllipse(QRectF(2.5, 2.5, 27, 21));
    QPainterPath tail;
    tail.moveTo(8, 18);
    tail.lineTo(4.5, 29.5);
    tail.lineTo(16, 22);
    tail.closeSubpath();
    return body.united(tail);
}

void PaintBalloon(QPainter& painter, QSizeF size, BalloonMark mark) {
    const qreal scale = size.width() / BalloonGrid;
    // Lines keep at least one device pixel in the small form, so they do not fade to grey.
    const qreal edgeWidth = 1.0 / scale;
    painter.scale(scale, scale);
    painter.setPen(QPen(palette::BalloonEdge, edgeWidth));
    painter.setBrush(palette::CardWhite);
    painter.drawPath(BalloonShape());

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::BalloonBlue);
    if (mark == BalloonMark::Information) {
        painter.drawEllipse(QPointF(16, 7.6), 2.2, 2.2);
        painter.drawRoundedRect(QRectF(14.1, 10.6, 3.8, 8.6), 0.8, 0.8);
        painter.drawRect(QRectF(12.6, 17.6, 6.8, 2.0));
        painter.drawRect(QRectF(12.8, 10.6, 2.5, 1.6));
    } else {
        QPainterPath hook;
        hook.moveTo(12.4, 9.6);
        hook.cubicTo(12.4, 5.0, 19.8, 5.0, 19.8, 9.4);
        hook.cubicTo(19.8, 12.4, 16.0, 12.6, 16.0, 15.8);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette::BalloonBlue, std::max(2.8, 1.6 / scale), Qt::SolidLine,
                            Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(hook);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette::BalloonBlue);
        painter.drawEllipse(QPointF(16, 19.4), 1.8, 1.8);
    }
}

// The pointer's outline on its 32-pixel grid. Edges sit on half pixels so the one-pixel outline
// falls on whole pixels; the tip of the raised finger is the top of pixel (12, 1).
QPainterPath HandShape() {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(9.5, 1.5, 6, 18), 3, 3);
    hand.addRoundedRect(QRectF(15.5, 12.5, 5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(20.5, 13.5, 4, 9), 2, 2);
    hand.addRoundedRect(QRectF(24.5, 15.5, 4, 8), 2, 2);
    hand.addRoundedRect(QRectF(9.5, 17.5, 19, 11), 4, 4);
    QPainterPath thumb;
    thumb.moveTo(10.5, 26.5);
    thumb.lineTo(4.2, 19.6);
    thumb.cubicTo(3.2, 18.4, 4.6, 16.4, 6.2, 17.4);
    thumb.lineTo(10.5, 20.5);
    thumb.closeSubpath();
    hand.addPath(thumb);
    return hand.simplified();
}

void PaintHand(QPainter& painter) {
    const QPen outline(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    painter.drawPath(HandShape());
    // The cuff and the clefts between the folded fingers.
    painter.drawRect(QRectF(11.5, 27.5, 16, 3));
    painter.drawLine(QPointF(15.5, 17.5), QPointF(15.5, 20.5));
    painter.drawLine(QPointF(20.5, 17.5), QPointF(20.5, 20.5));
    painter.drawLine(QPointF(24.5, 18.5), QPointF(24.5, 21.5));
}

}  // namespace

QIcon WindowIcon() {
    QIcon icon;
    for (const int side : WindowIconSizes) {
        icon.addPixmap(PaintedPixmap(QSize(side, side), 1.0, PaintSuitGrid));
    }
    return icon;
}

QIcon IconBankIcon(int n) {
    if (n != static_cast<int>(BalloonMark::Information) &&
        n != static_cast<int>(BalloonMark::Question)) {
        return {};
    }
    const auto mark = static_cast<BalloonMark>(n);
    QIcon icon;
    for (const int side : BalloonIconSizes) {
        icon.addPixmap(PaintedPixmap(QSize(side, side), 1.0, [mark](QPainter& p, QSizeF size) {
            PaintBalloon(p, size, mark);
        }));
    }
    return icon;
}

QCursor HandCursor() {
    constexpr int side = 32;
    constexpr int hotX = 12;
    constexpr int hotY = 1;
    const QPixmap picture =
        PaintedPixmap(QSize(side, side), 1.0, [](QPainter& p, QSizeF) { PaintHand(p); });
    return QCursor(picture, hotX, hotY);
}

}  // namespace vantorel::art
