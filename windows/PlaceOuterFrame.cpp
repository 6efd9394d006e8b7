#include "PlaceOuterFrame.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <utility>

namespace vantorel {

namespace {

QSizeF Outer(const QSize& client, const QMargins& frame) {
    return QSizeF(client.width() + frame.left() + frame.right(),
                  client.height() + frame.top() + frame.bottom());
}

// A window sits on whole pixels; a half pixel from an odd difference always goes up and to the
// left, so the same sizes always land in the same place.
QPoint OnPixels(const QPointF& place) {
    return {static_cast<int>(std::floor(place.x())), static_cast<int>(std::floor(place.y()))};
}

// Places the window once more when it is first exposed, by the frame it really got, and then
// goes away. It watches the widget for its first show, when the native window exists, and then
// that native window for its first exposure.
class PlaceWhenFramed final : public QObject {
  public:
    PlaceWhenFramed(QWidget& window, FramePlace place, QMargins expected)
        : QObject(&window), window_(&window), place_(std::move(place)), expected_(expected) {
        window.installEventFilter(this);
        if (window.windowHandle() != nullptr) window.windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (window_ == nullptr) return false;
        QWindow* const handle = window_->windowHandle();
        if (watched == window_ && event->type() == QEvent::Show && handle != nullptr) {
            handle->installEventFilter(this);
        } else if (watched == handle && event->type() == QEvent::Expose && handle->isExposed()) {
            // A window manager that has not told its frame yet leaves the guess standing.
            const QMargins frame = handle->frameMargins();
            if (!frame.isNull() || expected_.isNull()) {
                const QPoint wanted = OnPixels(place_(Outer(window_->size(), frame)));
                if (handle->framePosition() != wanted) window_->move(wanted);
            }
            window_->removeEventFilter(this);
            handle->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    QPointer<QWidget> window_;
    FramePlace place_;
    QMargins expected_;
};

}  // namespace

QRect OuterFrame(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle()) return handle->frameGeometry();
    return window.frameGeometry();
}

QMargins FrameMargins(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle()) return handle->frameMargins();
    return {};
}

void PlaceOuterFrame(QWidget& window, FramePlace place, QMargins expected) {
    const QMargins known = FrameMargins(window);
    const QMargins frame = known.isNull() ? expected : known;
    // Moving a window that has no native window yet asks the window manager to put its frame,
    // not its inside, at the point; one already mapped is moved by the frame it has.
    window.move(OnPixels(place(Outer(window.size(), frame))));
    if (!window.isVisible() || known.isNull()) new PlaceWhenFramed(window, std::move(place), frame);
}

}  // namespace vantorel
