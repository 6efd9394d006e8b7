#include "CardLayout.h"

#include <algorithm>

namespace vantorel::art {
namespace {
// Measures on the natural 137 x 199 card, in its pixels.
constexpr qreal CornerRadiusAtUnit = 8;
constexpr qreal IndexCentreX = 12.5;
constexpr qreal IndexTop = 7;
constexpr qreal IndexRankHeight = 17;
constexpr qreal IndexRankMaxWidth = 19;
constexpr qreal IndexGap = 4;
constexpr qreal IndexSuitHeightAtUnit = 13;
constexpr qreal PipHeightAtUnit = 28;
constexpr qreal AcePipHeightAtUnit = 66;

// Fractions of the card: pip columns and the first and last pip rows.
constexpr qreal PipColumnLeft = 0.285;
constexpr qreal PipColumnStep = 0.215;
constexpr qreal PipRowTop = 0.19;
constexpr qreal PipRowBottom = 0.81;
constexpr qreal CourtFrameSide = 0.185;
constexpr qreal CourtFrameEnd = 0.07;
}  // namespace

CardLayout::CardLayout(QSizeF size)
    : size_(size), unit_(std::min(size.width() / NaturalWidth, size.height() / NaturalHeight)) {}

qreal CardLayout::CornerRadius() const {
    return CornerRadiusAtUnit * unit_;
}

QRectF CardLayout::EdgeRect() const {
    return Bounds().adjusted(0.5, 0.5, -0.5, -0.5);
}

QRectF CardLayout::IndexRankBox() const {
    const qreal width = IndexRankMaxWidth * unit_;
    return {IndexCentreX * unit_ - width / 2, IndexTop * unit_, width, IndexRankHeight * unit_};
}

QPointF CardLayout::IndexSuitCentre() const {
    const QRectF rank = IndexRankBox();
    return {rank.center().x(), rank.bottom() + IndexGap * unit_ + IndexSuitHeight() / 2};
}

qreal CardLayout::IndexSuitHeight() const {
    return IndexSuitHeightAtUnit * unit_;
}

QPointF CardLayout::PipCentre(int column, qreal row) const {
    const qreal x = (PipColumnLeft + PipColumnStep * column) * size_.width();
    const qreal y = (PipRowTop + (PipRowBottom - PipRowTop) * row) * size_.height();
    return {x, y};
}

qreal CardLayout::PipHeight() const {
    return PipHeightAtUnit * unit_;
}

qreal CardLayout::AcePipHeight() const {
    return AcePipHeightAtUnit * unit_;
}

QRectF CardLayout::CourtFrame() const {
    const qreal side = CourtFrameSide * size_.width();
    const qreal end = CourtFrameEnd * size_.height();
    return Bounds().adjusted(side, end, -side, -end);
}

}  // namespace vantorel::art
