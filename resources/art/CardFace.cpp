#include "CardFace.h"

#include <QPainter>
#include <array>

#include "ArtPalette.h"
#include "CardLayout.h"
#include "Cards.h"
#include "CourtPanel.h"
#include "SuitSymbol.h"
#include "TextShape.h"

namespace vantorel::art {
namespace {

// A pip's place in the classic grid: column 0 left, 1 middle, 2 right; row 0 top to 1 bottom.
struct PipSpot {
    int column;
    double row;
};

struct PipLayout {
    int count;
    std::array<PipSpot, 10> spots;
};

constexpr double Third = 1.0 / 3.0;
constexpr double Sixth = 1.0 / 6.0;

// The pips of 2..10 as printed cards have them; the Ace's single large pip is drawn apart.
constexpr std::array<PipLayout, Rank::Ten + 1> PipLayouts = {{
    {0, {}},
    {0, {}},
    {2, {{{1, 0}, {1, 1}}}},
    {3, {{{1, 0}, {1, 0.5}, {1, 1}}}},
    {4, {{{0, 0}, {2, 0}, {0, 1}, {2, 1}}}},
    {5, {{{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}}}},
    {6, {{{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}}}},
    {7, {{{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}}}},
    {8, {{{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}}}},
    {9,
     {{{0, 0},
       {2, 0},
       {0, Third},
       {2, Third},
       {1, 0.5},
       {0, 2 * Third},
       {2, 2 * Third},
       {0, 1},
       {2, 1}}}},
    {10,
     {{{0, 0},
       {2, 0},
       {1, Sixth},
       {0, Third},
       {2, Third},
       {0, 2 * Third},
       {2, 2 * Third},
       {1, 5 * Sixth},
       {0, 1},
       {2, 1}}}},
}};

// Pips below the middle stand on their heads, as on a printed card; the middle row stays upright.
Facing FacingOfRow(double row) {
    return row > 0.5 ? Facing::Inverted : Facing::Upright;
}

QString RankLabel(int rank) {
    static const std::array<QString, RankCount + 1> labels = {
        QString(),           QStringLiteral("A"), QStringLiteral("2"),  QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),  QStringLiteral("7"),
        QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("J"),
        QStringLiteral("Q"), QStringLiteral("K")};
    return labels.at(static_cast<std::size_t>(rank));
}

// The rank and small suit in the top-left corner; the caller turns the painter for the other.
void PaintIndex(QPainter& painter, const CardLayout& layout, int suit, int rank) {
    const QFont font = LetteringFont(QFont::SemiCondensed);
    painter.fillPath(FittedText(RankLabel(rank), font, layout.IndexRankBox()), SuitInk(suit));
    PaintSuit(painter, suit, layout.IndexSuitCentre(), layout.IndexSuitHeight());
}

void PaintPips(QPainter& painter, const CardLayout& layout, int suit, int rank) {
    const PipLayout& pips = PipLayouts.at(static_cast<std::size_t>(rank));
    for (int i = 0; i < pips.count; ++i) {
        const PipSpot spot = pips.spots.at(static_cast<std::size_t>(i));
        PaintSuit(painter, suit, layout.PipCentre(spot.column, spot.row), layout.PipHeight(),
                  FacingOfRow(spot.row));
    }
}

// The Ace carries one large pip; the Ace of spades, traditionally the showpiece of a pack, has
// its pip ringed by a fine line.
void PaintAce(QPainter& painter, const CardLayout& layout, int suit) {
    const QPointF centre = layout.Bounds().center();
    const qreal height = layout.AcePipHeight();
    if (suit == Suit::Spades) {
        const qreal ringRadius = height * 0.72;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette::CourtGoldDark, 1.2 * layout.Unit()));
        painter.drawEllipse(centre, ringRadius, ringRadius);
        painter.setPen(QPen(palette::SuitBlack, 0.8 * layout.Unit()));
        painter.drawEllipse(centre, ringRadius - 3 * layout.Unit(), ringRadius - 3 * layout.Unit());
    }
    PaintSuit(painter, suit, centre, height);
}

}  // namespace

void PaintCardBlank(QPainter& painter, QSizeF size) {
    const CardLayout layout(size);
    painter.save();
    painter.setPen(QPen(palette::CardEdge, 1.0));
    painter.setBrush(palette::CardWhite);
    painter.drawRoundedRect(layout.EdgeRect(), layout.CornerRadius(), layout.CornerRadius());
    painter.restore();
}

void PaintCardFace(QPainter& painter, QSizeF size, int suit, int rank) {
    const CardLayout layout(size);
    PaintCardBlank(painter, size);
    painter.save();
    if (rank >= Rank::Jack) {
        PaintCourtPanel(painter, layout.CourtFrame(), suit, rank);
    } else if (rank == Rank::Ace) {
        PaintAce(painter, layout, suit);
    } else {
        PaintPips(painter, layout, suit, rank);
    }
    PaintIndex(painter, layout, suit, rank);
    painter.translate(layout.Bounds().center());
    painter.rotate(180);
    painter.translate(-layout.Bounds().center());
    PaintIndex(painter, layout, suit, rank);
    painter.restore();
}

}  // namespace vantorel::art
