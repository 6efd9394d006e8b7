#pragma once

#include <QMargins>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <functional>

class QWidget;

namespace vantorel {

// Where a window's outer frame goes, given the outer size of the window.
using FramePlace = std::function<QPointF(const QSizeF& outer)>;

// The outer frame of a top-level window (title bar included) as the window manager has drawn it;
// before the window is framed, the window itself.
QRect OuterFrame(const QWidget& window);

// The frame of the window's border and title bar, once the window manager has drawn it.
QMargins FrameMargins(const QWidget& window);

// Puts the outer frame of a top-level window where `place` wants it. A window manager draws the
// frame only once the window is mapped, so until then `expected` (the frame of another window
// already drawn, or none) stands in for it; when the window is first shown on the screen it is
// placed again by its real frame, which moves it only when the guess was wrong.
void PlaceOuterFrame(QWidget& window, FramePlace place, QMargins expected);

}  // namespace vantorel
