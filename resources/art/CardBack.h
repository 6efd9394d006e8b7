#pragma once

#include <QSizeF>

class QPainter;

namespace vantorel::art {

enum class BackColour { Red, Blue };

// A card back: a white margin round a woven lattice in the back's colour, with a medallion of
// the four suits in the middle.
void PaintCardBack(QPainter& painter, QSizeF size, BackColour colour);

// The white card lettered "WIN" that is flashed over the winning cards.
void PaintWinCard(QPainter& painter, QSizeF size);

}  // namespace vantorel::art
