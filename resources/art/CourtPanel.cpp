#include "CourtPanel.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "ArtPalette.h"
#include "Cards.h"
#include "SuitSymbol.h"
#include "TextShape.h"

namespace vantorel::art {
namespace {

// The half figure is drawn in a box of DesignWidth x DesignHeight units whose bottom edge is
// the line across the middle of the frame.
constexpr qreal DesignWidth = 100;
constexpr qreal DesignHeight = 120;
constexpr qreal OutlineWidth = 1.1;

// Each suit dresses its court in its own pair of colours; red courts never lend their red to a
// black suit.
struct CourtDress {
    QColor robe;
    QColor trim;
    QColor lips;
};

CourtDress DressOf(int suit) {
    switch (suit) {
        case Suit::Diamonds:
            return {palette::CourtNavy, palette::SuitRed, palette::SuitRed};
        case Suit::Hearts:
            return {palette::SuitRed, palette::CourtNavy, palette::SuitRed};
        case Suit::Clubs:
            return {palette::CourtSlate, palette::CourtInk, palette::CourtSkinShade};
        default:
            return {palette::CourtInk, palette::CourtSlate, palette::CourtSkinShade};
    }
}

const QColor KingBeard{222, 222, 226};
const QColor QueenHair{176, 122, 42};
const QColor JackHair{94, 59, 30};
const QColor HalberdShaft{122, 82, 48};

class HalfFigure {
  public:
    HalfFigure(QPainter& painter, int suit, int rank)
        : p_(painter), suit_(suit), rank_(rank), dress_(DressOf(suit)) {}

    void Paint() {
        if (rank_ == Rank::Queen) PaintQueenHair();
        PaintRobe();
        PaintCollar();
        PaintHead();
        PaintHeadwear();
        PaintHeldItem();
        PaintLetter();
    }

  private:
    QPen Outline() const { return QPen(palette::CourtOutline, OutlineWidth); }

    void Fill(const QPainterPath& path, const QColor& colour) {
        p_.setPen(Outline());
        p_.setBrush(colour);
        p_.drawPath(path);
    }

    void PaintQueenHair() {
        QPainterPath hair;
        hair.moveTo(50, 32);
        hair.cubicTo(30, 32, 33, 62, 26, 86);
        hair.lineTo(74, 86);
        hair.cubicTo(67, 62, 70, 32, 50, 32);
        hair.closeSubpath();
        Fill(hair, QueenHair);
    }

    void PaintRobe() {
        QPainterPath robe;
        robe.moveTo(5, DesignHeight + 1);
        robe.lineTo(5, 101);
        robe.cubicTo(5, 90, 20, 84, 36, 81);
        robe.lineTo(64, 81);
        robe.cubicTo(80, 84, 95, 90, 95, 101);
        robe.lineTo(95, DesignHeight + 1);
        robe.closeSubpath();
        Fill(robe, dress_.robe);

        // Bands of the second colour down either side, edged in gold.
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath band;
            band.moveTo(50 + side * 34, DesignHeight + 1);
            band.quadTo(50 + side * 32, 97, 50 + side * 15, 87);
            p_.setBrush(Qt::NoBrush);
            p_.setPen(QPen(palette::CourtOutline, 8.5, Qt::SolidLine, Qt::FlatCap));
            p_.drawPath(band);
            p_.setPen(QPen(dress_.trim, 6.5, Qt::SolidLine, Qt::FlatCap));
            p_.drawPath(band);
            p_.setPen(QPen(palette::CourtGold, 1.2, Qt::DotLine, Qt::FlatCap));
            p_.drawPath(band);
        }

        // A gold front panel sown with small suit symbols.
        const QRectF panel(42, 86, 16, DesignHeight - 86 + 1);
        p_.setPen(Outline());
        p_.setBrush(palette::CourtGold);
        p_.drawRect(panel);
        for (const qreal y : {95.0, 106.0, 117.0}) {
            PaintSuitIn(p_, suit_, QPointF(50, y), 7, dress_.robe);
        }
    }

    void PaintCollar() {
        QPainterPath collar;
        collar.moveTo(33, 81);
        collar.quadTo(50, 97, 67, 81);
        collar.lineTo(61, 77);
        collar.quadTo(50, 86, 39, 77);
        collar.closeSubpath();
        switch (rank_) {
            case Rank::King:
                // Ermine: white fur with black tails.
                Fill(collar, palette::CardWhite);
                p_.setPen(Qt::NoPen);
                p_.setBrush(palette::SuitBlack);
                for (const qreal x : {39.0, 50.0, 61.0}) {
                    const qreal y = x == 50.0 ? 87.5 : 83.5;
                    p_.drawEllipse(QPointF(x, y), 1.1, 1.8);
                }
                break;
            case Rank::Queen: {
                Fill(collar, palette::CourtGold);
                PaintSuitIn(p_, suit_, QPointF(50, 90.5), 7, dress_.trim);
                break;
            }
            default: {
                // A pleated ruff.
                Fill(collar, palette::CardWhite);
                p_.setPen(QPen(palette::CourtOutline, 0.6));
                for (qreal x = 37; x <= 63; x += 4.5) {
                    const qreal dip = 6 * (1 - ((x - 50) / 17) * ((x - 50) / 17));
                    p_.drawLine(QPointF(x, 78 + dip * 0.4), QPointF(x, 81 + dip));
                }
                break;
            }
        }
    }

    void PaintHead() {
        if (rank_ == Rank::Jack) {
            Fill(SideLocks(9), JackHair);
        } else if (rank_ == Rank::King) {
            Fill(SideLocks(8), KingBeard);
        }
        p_.setPen(Outline());
        p_.setBrush(palette::CourtSkin);
        p_.drawRect(QRectF(45, 64, 10, 15));
        p_.drawEllipse(QPointF(50, 52), 12.5, 15.5);

        // Eyes, brows, nose and mouth.
        p_.setPen(Qt::NoPen);
        p_.setBrush(palette::CourtOutline);
        p_.drawEllipse(QPointF(45.3, 50), 1.3, 1.1);
        p_.drawEllipse(QPointF(54.7, 50), 1.3, 1.1);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(palette::CourtOutline, 0.9, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(QPointF(42.5, 46.8), QPointF(47.8, 46.2));
        p_.drawLine(QPointF(52.2, 46.2), QPointF(57.5, 46.8));
        QPainterPath nose;
        nose.moveTo(50.3, 50);
        nose.lineTo(48.8, 56.5);
        nose.lineTo(51.2, 57.2);
        p_.drawPath(nose);

        if (rank_ == Rank::King) {
            PaintBeard();
        } else {
            QPainterPath mouth;
            mouth.moveTo(47, 61);
            mouth.quadTo(50, 63, 53, 61);
            p_.setPen(QPen(dress_.lips, 1.5, Qt::SolidLine, Qt::RoundCap));
            p_.drawPath(mouth);
        }
    }

    static QPainterPath SideLocks(qreal length) {
        QPainterPath locks;
        locks.addEllipse(QPointF(37.5, 48 + length / 3), 4, length);
        locks.addEllipse(QPointF(62.5, 48 + length / 3), 4, length);
        return locks;
    }

    void PaintBeard() {
        QPainterPath beard;
        beard.moveTo(37.6, 54);
        beard.cubicTo(38, 71, 44, 79, 50, 80);
        beard.cubicTo(56, 79, 62, 71, 62.4, 54);
        beard.quadTo(59, 63.5, 50, 64);
        beard.quadTo(41, 63.5, 37.6, 54);
        beard.closeSubpath();
        Fill(beard, KingBeard);
        QPainterPath moustache;
        moustache.moveTo(50, 59.5);
        moustache.quadTo(46, 59, 43, 62.5);
        moustache.moveTo(50, 59.5);
        moustache.quadTo(54, 59, 57, 62.5);
        p_.setPen(QPen(palette::CourtOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
        p_.drawPath(moustache);
        p_.setPen(QPen(KingBeard, 0.9, Qt::SolidLine, Qt::RoundCap));
        p_.drawPath(moustache);
        p_.setPen(QPen(palette::CourtOutline, 0.5));
        for (const qreal x : {44.0, 50.0, 56.0}) {
            p_.drawLine(QPointF(x, 67), QPointF(x + (50 - x) * 0.2, 75));
        }
    }

    void PaintHeadwear() {
        switch (rank_) {
            case Rank::King:
                PaintCrown();
                break;
            case Rank::Queen:
                PaintTiara();
                break;
            default:
                PaintCap();
                break;
        }
    }

    void PaintCrown() {
        QPainterPath crown;
        crown.moveTo(35, 38);
        crown.lineTo(35, 14);
        crown.lineTo(40, 26);
        crown.lineTo(44, 19);
        crown.lineTo(47, 26);
        crown.lineTo(50, 11);
        crown.lineTo(53, 26);
        crown.lineTo(56, 19);
        crown.lineTo(60, 26);
        crown.lineTo(65, 14);
        crown.lineTo(65, 38);
        crown.closeSubpath();
        Fill(crown, palette::CourtGold);
        p_.setPen(Outline());
        p_.setBrush(palette::CourtGoldDark);
        p_.drawRect(QRectF(35, 30, 30, 8));
        for (const QPointF tip : {QPointF(35, 13), QPointF(44, 18), QPointF(50, 10),
                                  QPointF(56, 18), QPointF(65, 13)}) {
            p_.setBrush(palette::CourtGold);
            p_.drawEllipse(tip, 1.8, 1.8);
        }
        p_.setBrush(dress_.trim);
        p_.drawEllipse(QPointF(42, 34), 1.9, 1.9);
        p_.drawEllipse(QPointF(58, 34), 1.9, 1.9);
        p_.setBrush(dress_.robe);
        p_.drawEllipse(QPointF(50, 34), 2.3, 2.3);
    }

    void PaintTiara() {
        QPainterPath tiara;
        tiara.moveTo(36.5, 40);
        tiara.quadTo(50, 31, 63.5, 40);
        tiara.lineTo(62, 32);
        tiara.lineTo(57, 32.5);
        tiara.lineTo(55, 27);
        tiara.lineTo(50, 29);
        tiara.lineTo(45, 27);
        tiara.lineTo(43, 32.5);
        tiara.lineTo(38, 32);
        tiara.closeSubpath();
        Fill(tiara, palette::CourtGold);
        PaintSuitIn(p_, suit_, QPointF(50, 22), 11, dress_.trim);
        p_.setPen(Outline());
        p_.setBrush(dress_.robe);
        p_.drawEllipse(QPointF(44, 34), 1.4, 1.4);
        p_.drawEllipse(QPointF(56, 34), 1.4, 1.4);
    }

    void PaintCap() {
        QPainterPath feather;
        feather.moveTo(58, 32);
        feather.cubicTo(62, 22, 68, 14, 76, 9);
        feather.cubicTo(74, 18, 68, 27, 62, 34);
        feather.closeSubpath();
        Fill(feather, palette::CardWhite);
        p_.setPen(QPen(palette::CourtOutline, 0.6));
        p_.drawLine(QPointF(60, 33), QPointF(74, 12));

        QPainterPath cap;
        cap.moveTo(34, 40);
        cap.cubicTo(32, 26, 46, 22, 54, 23);
        cap.cubicTo(64, 24, 70, 30, 66, 40);
        cap.closeSubpath();
        Fill(cap, dress_.trim);
        p_.setPen(Outline());
        p_.setBrush(palette::CourtGold);
        p_.drawRect(QRectF(35, 36, 30, 5));
        p_.setBrush(dress_.robe);
        p_.drawEllipse(QPointF(50, 38.5), 1.6, 1.6);
    }

    void PaintFist(QPointF at) {
        p_.setPen(Outline());
        p_.setBrush(palette::CourtSkin);
        p_.drawEllipse(at, 4.8, 4.2);
        p_.setPen(QPen(palette::CourtOutline, 0.5));
        p_.drawLine(at + QPointF(-2.5, -0.8), at + QPointF(2.5, -0.8));
        p_.drawLine(at + QPointF(-2.5, 1.2), at + QPointF(2.5, 1.2));
    }

    void PaintHeldItem() {
        switch (rank_) {
            case Rank::King:
                PaintSceptre();
                break;
            case Rank::Queen:
                PaintFlower();
                break;
            default:
                PaintHalberd();
                break;
        }
    }

    void PaintSceptre() {
        constexpr qreal x = 85;
        p_.setPen(Outline());
        p_.setBrush(palette::CourtGold);
        p_.drawRect(QRectF(x - 1.8, 27, 3.6, 84));
        p_.drawEllipse(QPointF(x, 22), 5.5, 5.5);
        p_.setPen(QPen(palette::CourtOutline, 0.7));
        p_.drawLine(QPointF(x - 5.5, 22), QPointF(x + 5.5, 22));
        p_.setPen(QPen(palette::CourtGoldDark, 1.6, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(QPointF(x, 16.5), QPointF(x, 9.5));
        p_.drawLine(QPointF(x - 3, 12.5), QPointF(x + 3, 12.5));
        PaintFist(QPointF(x, 100));
    }

    void PaintFlower() {
        constexpr qreal x = 84;
        QPainterPath stem;
        stem.moveTo(x - 1, 104);
        stem.quadTo(x - 5, 70, x, 34);
        p_.setBrush(Qt::NoBrush);
        p_.setPen(QPen(palette::CourtLeaf, 1.8, Qt::SolidLine, Qt::RoundCap));
        p_.drawPath(stem);
        for (const qreal side : {-1.0, 1.0}) {
            p_.save();
            p_.translate(x - 2.5 + side * 4, 66 - side * 8);
            p_.rotate(side * 35);
            p_.setPen(QPen(palette::CourtOutline, 0.6));
            p_.setBrush(palette::CourtLeaf);
            p_.drawEllipse(QPointF(0, 0), 2.2, 5);
            p_.restore();
        }
        constexpr int petals = 5;
        const QPointF heart(x, 29);
        p_.setPen(Outline());
        p_.setBrush(dress_.trim);
        for (int i = 0; i < petals; ++i) {
            p_.save();
            p_.translate(heart);
            p_.rotate(360.0 * i / petals);
            p_.drawEllipse(QPointF(0, -4.6), 3.4, 4.2);
            p_.restore();
        }
        p_.setBrush(palette::CourtGold);
        p_.drawEllipse(heart, 2.8, 2.8);
        PaintFist(QPointF(x - 1, 100));
    }

    void PaintHalberd() {
        constexpr qreal x = 86;
        p_.setPen(Outline());
        p_.setBrush(HalberdShaft);
        p_.drawRect(QRectF(x - 1.5, 14, 3, DesignHeight - 14 + 1));
        QPainterPath head;
        head.moveTo(x, 2);
        head.lineTo(x + 3, 14);
        head.lineTo(x - 3, 14);
        head.closeSubpath();
        QPainterPath blade;
        blade.moveTo(x + 1.5, 16);
        blade.quadTo(x + 9, 14, x + 11, 10);
        blade.quadTo(x + 8, 21, x + 11, 31);
        blade.quadTo(x + 8, 27, x + 1.5, 26);
        blade.closeSubpath();
        QPainterPath spike;
        spike.moveTo(x - 1.5, 18);
        spike.lineTo(x - 8, 23);
        spike.lineTo(x - 1.5, 23);
        spike.closeSubpath();
        Fill(head, palette::CourtSilver);
        Fill(blade, palette::CourtSilver);
        Fill(spike, palette::CourtSilver);
        PaintFist(QPointF(x, 100));
    }

    void PaintLetter() {
        static const std::array<QString, 3> letters = {QStringLiteral("J"), QStringLiteral("Q"),
                                                       QStringLiteral("K")};
        const QString& letter = letters.at(static_cast<std::size_t>(rank_ - Rank::Jack));
        const QRectF box(4, 6, 20, 22);
        p_.fillPath(FittedText(letter, LetteringFont(), box), SuitInk(suit_));
        PaintSuit(p_, suit_, QPointF(box.center().x(), box.bottom() + 11), 14);
    }

    QPainter& p_;
    int suit_;
    int rank_;
    CourtDress dress_;
};

QColor FrameInk(int suit) {
    return IsRedSuit(suit) ? palette::SuitRed : palette::CourtInk;
}

}  // namespace

void PaintCourtPanel(QPainter& painter, const QRectF& frame, int suit, int rank) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::CourtCream);
    painter.drawRect(frame);

    const qreal halfHeight = frame.height() / 2;
    const qreal scale = std::min(frame.width() / DesignWidth, halfHeight / DesignHeight);
    painter.save();
    painter.setClipRect(frame);
    for (int half = 0; half < 2; ++half) {
        painter.save();
        if (half == 1) {
            painter.translate(frame.center());
            painter.rotate(180);
            painter.translate(-frame.center());
        }
        painter.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), halfHeight),
                            Qt::IntersectClip);
        painter.translate(frame.center().x() - DesignWidth * scale / 2,
                          frame.top() + halfHeight - DesignHeight * scale);
        painter.scale(scale, scale);
        HalfFigure(painter, suit, rank).Paint();
        painter.restore();
    }
    painter.restore();

    // The frame: a line across the middle, a coloured edge and a fine gold rule inside it.
    const qreal line = std::max(1.0, 1.6 * scale);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(FrameInk(suit), line * 0.8));
    painter.drawLine(QPointF(frame.left(), frame.center().y()),
                     QPointF(frame.right(), frame.center().y()));
    painter.setPen(QPen(FrameInk(suit), line));
    painter.drawRect(frame);
    painter.setPen(QPen(palette::CourtGoldDark, line * 0.6));
    const qreal inset = line * 1.6;
    painter.drawRect(frame.adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

}  // namespace vantorel::art
