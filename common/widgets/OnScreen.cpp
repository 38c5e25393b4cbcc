#include "OnScreen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Room for a title bar and borders before the window manager has added them.
constexpr int decorationAllowance = 48; // px

class OnScreenFilter : public QObject {
public:
    explicit OnScreenFilter(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_)
            return false;
        if (event->type() == QEvent::Show) {
            fitSize();
            shown_ = true;
        } else if (shown_ && event->type() == QEvent::Move && event->spontaneous()) {
            // The window manager's placement: the last move this filter answers.
            fitPlace();
            deleteLater();
        }
        return false;
    }

private:
    QRect available() const { return window_.screen()->availableGeometry(); }

    // Before the window manager has added a title bar and borders, room is left for them. A
    // window that was given no place of its own is centred: window managers keep a place the
    // program asks for, where their own placement may run off the bottom of the screen.
    void fitSize() {
        const QSize room = available().size() - QSize(decorationAllowance, decorationAllowance);
        if (window_.width() > room.width() || window_.height() > room.height())
            window_.resize(window_.size().boundedTo(room));
        if (!window_.testAttribute(Qt::WA_Moved)) {
            QRect centred(QPoint(), window_.size());
            centred.moveCenter(available().center());
            window_.move(centred.topLeft());
        }
    }

    void fitPlace() {
        const QRect frame = window_.frameGeometry();
        const QRect placed = placedWithin(frame, available());
        if (placed == frame)
            return;
        window_.resize(window_.size() - (frame.size() - placed.size()));
        window_.move(window_.pos() + (placed.topLeft() - frame.topLeft()));
    }

    QWidget& window_;
    bool shown_ = false;
};

} // namespace

QRect placedWithin(QRect frame, const QRect& available) {
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveLeft(
        std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(
        std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

void keepOnScreen(QWidget& window) {
    window.installEventFilter(new OnScreenFilter(window));
}
