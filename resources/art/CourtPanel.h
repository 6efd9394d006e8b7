#pragma once

#include <QRectF>

class QPainter;

namespace vantorel::art {

// The framed picture of a Jack, Queen or King (`rank` 11..13) of `suit`, filling `frame`: a half
// figure with its letter and suit at the top, repeated turned half round in the lower half.
void PaintCourtPanel(QPainter& painter, const QRectF& frame, int suit, int rank);

}  // namespace vantorel::art
