#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace vantorel::art {

// Which way up a symbol stands: the pips of the lower half of a card and the lower corner index
// are turned half round, as on a printed card.
enum class Facing { Upright, Inverted };

// The outline of a suit (1 diamonds, 2 clubs, 3 hearts, 4 spades), 1 unit high and centred on
// the origin, so every picture scales the same shape to its own size.
const QPainterPath& SuitShape(int suit);

// The ink of a suit: red for diamonds and hearts, black for clubs and spades.
QColor SuitInk(int suit);

bool IsRedSuit(int suit);

// Fills the suit's shape `height` pixels high centred on `centre`.
void PaintSuit(QPainter& painter, int suit, QPointF centre, qreal height,
               Facing facing = Facing::Upright);

// As PaintSuit, in a given colour.
void PaintSuitIn(QPainter& painter, int suit, QPointF centre, qreal height, const QColor& ink,
                 Facing facing = Facing::Upright);

}  // namespace vantorel::art
