#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace vantorel::art {

// The bold sans-serif face of every lettering on the pictures. The family is only a wish; the
// style hint lets any system fall back to its own sans serif.
QFont LetteringFont(QFont::Stretch stretch = QFont::Unstretched);

// The outline of `text` scaled so that its inked height is box.height(), narrowed if it would be
// wider than box.width(), and centred in `box`. Working with outlines rather than drawText keeps
// letters exactly as high as the layout asks whatever the font's own metrics are.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box);

}  // namespace vantorel::art
