// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/placement.h"

#include "shell/form.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ordevix {

namespace {

// Where the top-left corner of the frame goes, for a client area of `client`.
QPoint centredFrame(const QRect& area, const QSize& client, const QMargins& frame) {
    const QSize outer = client.grownBy(frame);
    return area.topLeft() +
           QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

// The frame of a window that has been on the screen, as last reported; all the
// windows have the same kind of frame. Zero if none has been framed yet.
QMargins knownFrame(const FormHost& host) {
    for (const Form* form : host.forms()) {
        if (!form->shownBefore())
            continue;
        const QRect outer = form->frameGeometry();
        const QRect inner = form->geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (!frame.isNull() && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 &&
            frame.bottom() >= 0)
            return frame;
    }
    return {};
}

// Watches a window from its first showing until its frame is known, and centres
// it again if that frame is not the one it was placed with.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget& window, const QRect& area, const QMargins& placedWith)
        : QObject(&window), window_(window), area_(area), placedWith_(placedWith) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::Hide)
            finish();
        else if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
                 type == QEvent::WindowActivate)
            check();
        return false;
    }

private:
    void check() {
        const QWindow* handle = window_.windowHandle();
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        // Zero margins: the window manager has not framed the window yet, or
        // there is none, and then the window already stands where it should.
        if (done_ || frame.isNull())
            return;
        if (frame != placedWith_)
            window_.move(centredFrame(area_, window_.size(), frame));
        finish();
    }
    void finish() {
        done_ = true;
        window_.removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
    const QRect area_;
    const QMargins placedWith_;
    bool done_ = false;
};

} // namespace

void centreWithFrame(Form& window) {
    const QMargins frameGuess = knownFrame(window.host());
    // The screen of the window the user is working in, so that a tool opens on
    // the monitor of the main menu.
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    if (area.isEmpty())
        return;
    window.adjustSize();
    // A window not yet created takes this as the position of its frame.
    window.move(centredFrame(area, window.size(), frameGuess));
    new FrameWatch(window, area, frameGuess);
}

} // namespace ordevix
