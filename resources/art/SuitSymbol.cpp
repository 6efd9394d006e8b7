#include "SuitSymbol.h"

#include <QPainter>
#include <array>

#include "ArtPalette.h"
#include "Cards.h"

namespace vantorel::art {
namespace {

// The shapes are drawn in a box 1 unit high whose centre is the origin; y grows downwards.
// Shapes built from overlapping parts (club leaves, spade stem) run all parts the same way round
// and fill by winding, so the overlaps fill solid. They are not merged into one outline, which
// would flatten the curves into polygons.

QPainterPath DiamondShape() {
    constexpr qreal halfWidth = 0.38;
    constexpr qreal bow = 0.16;  // How far the sides curve in towards the centre.
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(bow, -0.22, halfWidth, 0);
    p.quadTo(bow, 0.22, 0, 0.5);
    p.quadTo(-bow, 0.22, -halfWidth, 0);
    p.quadTo(-bow, -0.22, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath HeartShape() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.1, 0.33, -0.48, 0.12, -0.48, -0.18);
    p.cubicTo(-0.48, -0.38, -0.35, -0.5, -0.23, -0.5);
    p.cubicTo(-0.1, -0.5, -0.02, -0.42, 0, -0.3);
    p.cubicTo(0.02, -0.42, 0.1, -0.5, 0.23, -0.5);
    p.cubicTo(0.35, -0.5, 0.48, -0.38, 0.48, -0.18);
    p.cubicTo(0.48, 0.12, 0.1, 0.33, 0, 0.5);
    p.closeSubpath();
    return p;
}

// The flared foot shared by the spade and the club, from the join at `joinY` down to the base.
void AddStem(QPainterPath& p, qreal joinY) {
    QPainterPath stem;
    stem.moveTo(0.045, joinY);
    stem.cubicTo(0.05, 0.36, 0.1, 0.46, 0.22, 0.5);
    stem.lineTo(-0.22, 0.5);
    stem.cubicTo(-0.1, 0.46, -0.05, 0.36, -0.045, joinY);
    stem.closeSubpath();
    p.addPath(stem);
}

QPainterPath SpadeShape() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.08, -0.34, 0.48, -0.16, 0.48, 0.09);
    p.cubicTo(0.48, 0.27, 0.35, 0.35, 0.24, 0.35);
    p.cubicTo(0.14, 0.35, 0.07, 0.31, 0.03, 0.24);
    p.lineTo(-0.03, 0.24);
    p.cubicTo(-0.07, 0.31, -0.14, 0.35, -0.24, 0.35);
    p.cubicTo(-0.35, 0.35, -0.48, 0.27, -0.48, 0.09);
    p.cubicTo(-0.48, -0.16, -0.08, -0.34, 0, -0.5);
    p.closeSubpath();
    AddStem(p, 0.2);
    p.setFillRule(Qt::WindingFill);
    return p;
}

QPainterPath ClubShape() {
    constexpr qreal leafRadius = 0.215;
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addEllipse(QPointF(0, -0.28), leafRadius, leafRadius);
    p.addEllipse(QPointF(-0.26, 0.07), leafRadius, leafRadius);
    p.addEllipse(QPointF(0.26, 0.07), leafRadius, leafRadius);
    p.addEllipse(QPointF(0, 0.0), 0.13, 0.13);
    AddStem(p, 0.1);
    return p;
}

}  // namespace

const QPainterPath& SuitShape(int suit) {
    static const std::array<QPainterPath, SuitCount + 1> shapes = {
        QPainterPath(), DiamondShape(), ClubShape(), HeartShape(), SpadeShape()};
    return shapes.at(static_cast<std::size_t>(suit));
}

bool IsRedSuit(int suit) {
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

QColor SuitInk(int suit) {
    return IsRedSuit(suit) ? palette::SuitRed : palette::SuitBlack;
}

void PaintSuit(QPainter& painter, int suit, QPointF centre, qreal height, Facing facing) {
    PaintSuitIn(painter, suit, centre, height, SuitInk(suit), facing);
}

void PaintSuitIn(QPainter& painter, int suit, QPointF centre, qreal height, const QColor& ink,
                 Facing facing) {
    painter.save();
    painter.translate(centre);
    if (facing == Facing::Inverted) painter.rotate(180);
    painter.scale(height, height);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(SuitShape(suit));
    painter.restore();
}

}  // namespace vantorel::art
