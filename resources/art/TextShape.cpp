#include "TextShape.h"

#include <QTransform>
#include <algorithm>

namespace vantorel::art {
namespace {
// Outlines are taken at a large size and scaled down, so hinting never distorts them.
constexpr int OutlinePixelSize = 200;
}  // namespace

QFont LetteringFont(QFont::Stretch stretch) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferOutline);
    font.setWeight(QFont::Bold);
    font.setStretch(stretch);
    font.setPixelSize(OutlinePixelSize);
    return font;
}

QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box) {
    QFont large = font;
    large.setPixelSize(OutlinePixelSize);
    QPainterPath outline;
    outline.addText(0, 0, large, text);
    const QRectF inked = outline.boundingRect();
    if (inked.isEmpty()) return {};
    const qreal scaleY = box.height() / inked.height();
    const qreal scaleX = std::min(scaleY, box.width() / inked.width());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scaleX, scaleY);
    fit.translate(-inked.center().x(), -inked.center().y());
    return fit.map(outline);
}

}  // namespace vantorel::art
