#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace vantorel::art {

// The natural card is 137 x 199; a card shown at another size keeps its parts where they belong
// (pips spread over the whole face, indices in the corners) while symbols and letters grow by
// one uniform factor, so a card stretched into a narrow place never gets squashed hearts.
class CardLayout {
  public:
    static constexpr qreal NaturalWidth = 137;
    static constexpr qreal NaturalHeight = 199;

    explicit CardLayout(QSizeF size);

    QSizeF Size() const { return size_; }
    QRectF Bounds() const { return {QPointF(0, 0), size_}; }
    // The factor by which symbols and letters grow from their natural size.
    qreal Unit() const { return unit_; }
    qreal CornerRadius() const;
    // The outline of the card, half a pixel inside the bounds so its thin edge is crisp.
    QRectF EdgeRect() const;

    // The top-left corner index: the box holding the rank and the centre of the small suit.
    QRectF IndexRankBox() const;
    QPointF IndexSuitCentre() const;
    qreal IndexSuitHeight() const;

    // A pip position in the classic grid: column 0..2 from the left, row 0..1 from the top.
    QPointF PipCentre(int column, qreal row) const;
    qreal PipHeight() const;
    qreal AcePipHeight() const;

    // The coloured frame of a court card, leaving the corner indices outside it.
    QRectF CourtFrame() const;

  private:
    QSizeF size_;
    qreal unit_;
};

}  // namespace vantorel::art
