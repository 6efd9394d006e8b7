#include "CardBack.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "ArtPalette.h"
#include "CardFace.h"
#include "CardLayout.h"
#include "Cards.h"
#include "SuitSymbol.h"
#include "TextShape.h"

namespace vantorel::art {
namespace {

// Measures on the natural card, in its pixels.
constexpr qreal BackMargin = 7;
constexpr qreal LatticeStep = 9;
constexpr qreal StrandWidth = 3.2;
constexpr qreal BorderInset = 4;
constexpr qreal MedallionRadiusX = 26;
constexpr qreal MedallionRadiusY = 34;
constexpr qreal WinWordMargin = 17;

QColor BackInk(BackColour colour) {
    return colour == BackColour::Red ? palette::BackRed : palette::BackBlue;
}

// Two sets of diagonal strands that pass over and under each other in turn, like cane work.
void PaintLattice(QPainter& painter, const QRectF& area, const QColor& ground, qreal unit) {
    const qreal step = LatticeStep * unit;
    const QColor strand = ground.lighter(140);
    const QColor shadow = ground.darker(150);
    const qreal reach = area.width() + area.height();
    const int strands = static_cast<int>(std::ceil(reach / step)) + 2;

    painter.save();
    painter.setClipRect(area);
    painter.translate(area.center());
    painter.rotate(45);
    const qreal half = reach / 2 + step;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = -strands / 2; i <= strands / 2; ++i) {
            const qreal at = i * step;
            const QLineF line =
                pass == 0 ? QLineF(at, -half, at, half) : QLineF(-half, at, half, at);
            painter.setPen(
                QPen(shadow, StrandWidth * unit + 1.2 * unit, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line);
            painter.setPen(QPen(strand, StrandWidth * unit, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line);
        }
    }
    // Where the first strands should lie on top, lay a short piece of them over the crossing.
    for (int i = -strands / 2; i <= strands / 2; ++i) {
        for (int j = -strands / 2; j <= strands / 2; ++j) {
            if ((i + j) % 2 == 0) continue;
            const QPointF crossing(i * step, j * step);
            const QPointF along(0, StrandWidth * unit * 0.9);
            painter.setPen(
                QPen(shadow, StrandWidth * unit + 1.2 * unit, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(crossing - along, crossing + along);
            painter.setPen(QPen(strand, StrandWidth * unit, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(crossing - along * 1.4, crossing + along * 1.4);
        }
    }
    painter.restore();
}

void PaintMedallion(QPainter& painter, QPointF centre, const QColor& ground, qreal unit) {
    const qreal rx = MedallionRadiusX * unit;
    const qreal ry = MedallionRadiusY * unit;
    painter.setPen(QPen(palette::CardWhite, 2.4 * unit));
    painter.setBrush(ground);
    painter.drawEllipse(centre, rx, ry);
    painter.setPen(QPen(ground.lighter(165), 1.0 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, rx - 3.5 * unit, ry - 3.5 * unit);

    // The four suits stand round the centre like the points of a compass.
    const qreal suitHeight = 12.5 * unit;
    const std::array<QPointF, SuitCount> offsets = {QPointF(0, -14), QPointF(-10.5, 0),
                                                    QPointF(0, 14), QPointF(10.5, 0)};
    const std::array<int, SuitCount> suits = {Suit::Spades, Suit::Hearts, Suit::Diamonds,
                                              Suit::Clubs};
    for (std::size_t i = 0; i < suits.size(); ++i) {
        PaintSuitIn(painter, suits.at(i), centre + offsets.at(i) * unit, suitHeight,
                    palette::CardWhite);
    }
}

}  // namespace

void PaintCardBack(QPainter& painter, QSizeF size, BackColour colour) {
    const CardLayout layout(size);
    const qreal unit = layout.Unit();
    const QColor ground = BackInk(colour);
    PaintCardBlank(painter, size);

    painter.save();
    const QRectF field = layout.Bounds().adjusted(BackMargin * unit, BackMargin * unit,
                                                  -BackMargin * unit, -BackMargin * unit);
    const qreal radius = layout.CornerRadius() * 0.6;
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, radius, radius);
    painter.fillPath(fieldPath, ground);
    painter.save();
    painter.setClipPath(fieldPath);
    PaintLattice(painter, field, ground, unit);
    painter.restore();

    const qreal inset = BorderInset * unit;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ground, 3.0 * unit));
    painter.drawRoundedRect(field.adjusted(inset / 2, inset / 2, -inset / 2, -inset / 2), radius,
                            radius);
    painter.setPen(QPen(palette::CardWhite, 1.2 * unit));
    painter.drawRoundedRect(field.adjusted(inset, inset, -inset, -inset), radius * 0.6,
                            radius * 0.6);
    PaintMedallion(painter, field.center(), ground, unit);
    painter.restore();
}

void PaintWinCard(QPainter& painter, QSizeF size) {
    const CardLayout layout(size);
    const qreal unit = layout.Unit();
    PaintCardBlank(painter, size);
    painter.save();

    // A gold rule inside the edge.
    const qreal inset = 6 * unit;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::CourtGold, 2.0 * unit));
    painter.drawRoundedRect(layout.Bounds().adjusted(inset, inset, -inset, -inset),
                            layout.CornerRadius() * 0.7, layout.CornerRadius() * 0.7);

    // The word, as wide as the card allows, outlined so it stands out when it flashes.
    const QRectF bounds = layout.Bounds();
    const qreal wordHeight = std::min(bounds.width() * 0.36, bounds.height() * 0.3);
    const qreal side = WinWordMargin * unit;
    const QRectF wordBox(bounds.left() + side, bounds.center().y() - wordHeight / 2,
                         bounds.width() - 2 * side, wordHeight);
    const QPainterPath word = FittedText(QStringLiteral("WIN"), LetteringFont(), wordBox);
    painter.setPen(
        QPen(palette::SuitRed.darker(160), 1.2 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(palette::SuitRed);
    painter.drawPath(word);

    // Stars above and below the word.
    const qreal starGap = wordHeight * 0.55 + 14 * unit;
    for (const qreal dy : {-starGap, starGap}) {
        for (const qreal dx : {-26.0, 0.0, 26.0}) {
            const qreal r = (dx == 0.0 ? 8.0 : 5.5) * unit;
            const QPointF centre = bounds.center() + QPointF(dx * unit, dy);
            QPainterPath star;
            constexpr int points = 5;
            for (int k = 0; k < 2 * points; ++k) {
                const qreal angle = std::numbers::pi * k / points - std::numbers::pi / 2;
                const qreal reach = k % 2 == 0 ? r : r * 0.45;
                const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * reach;
                if (k == 0) {
                    star.moveTo(at);
                } else {
                    star.lineTo(at);
                }
            }
            star.closeSubpath();
            painter.fillPath(star, palette::CourtGold);
        }
    }
    painter.restore();
}

}  // namespace vantorel::art
