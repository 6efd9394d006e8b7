#pragma once

#include <QSizeF>

class QPainter;

namespace vantorel::art {

// A plain white card with rounded corners and a thin grey edge, filling `size`.
void PaintCardBlank(QPainter& painter, QSizeF size);

// The face of the card of `suit` (1..4) and `rank` (1 Ace .. 13 King), filling `size`.
void PaintCardFace(QPainter& painter, QSizeF size, int suit, int rank);

}  // namespace vantorel::art
