#include "qt/QtInputFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "qt/QtDispatcher.h"
#include "qt/QtInputQueue.h"
#include "window/MainWindow.h"

namespace quiz {

QtInputFilter::QtInputFilter(QWidget& root, MainWindow& window, QtInputQueue& input, QtDispatcher& dispatcher,
                             const QtScale& scale)
    : root_(root), window_(window), input_(input), dispatcher_(dispatcher), scale_(scale) {}

int QtInputFilter::keyCode(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Tab: return (key.modifiers() & Qt::ShiftModifier) ? keys::backTab : keys::tab;
        case Qt::Key_Backtab: return keys::backTab;
        case Qt::Key_Return:
        case Qt::Key_Enter: return keys::enter;
        case Qt::Key_Backspace: return keys::backspace;
        default: break;
    }
        // Alt with a letter is a menu accelerator, not a typed character. But a
        // German "@" is typed with AltGr, which Windows reports as Ctrl+Alt, and
        // on a Mac with Option, which Qt calls Alt.
#ifndef Q_OS_MACOS
    const Qt::KeyboardModifiers m = key.modifiers();
    const bool altGr = (m & Qt::ControlModifier) && (m & Qt::AltModifier);
    if ((m & (Qt::AltModifier | Qt::MetaModifier)) && !altGr) return -1;
#endif
    const QString text = key.text();
    if (text.size() != 1 || text.at(0).unicode() > 255) return -1;
    return text.at(0).unicode();
}

bool QtInputFilter::aimedAtRoot(QObject* watched) const {
    if (watched == root_.windowHandle()) return true;
    return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &root_;
}

bool QtInputFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::InputMethod: break;
        case QEvent::WindowDeactivate:
            // A box opened while the button was held: its release goes astray.
            if (watched == &root_ && pressedLook) pressedLook(nullptr);
            return false;
        default: return false;
    }
    if (event->type() == QEvent::MouseButtonRelease && listRelease_ &&
        takeListRelease(watched, static_cast<const QMouseEvent&>(*event)))
        return true;
    if (!aimedAtRoot(watched)) return false;
    // The open list of a combo box has grabbed the input; let Qt hand it on.
    if (QApplication::activePopupWidget()) return false;
    // Only what Qt delivers to the native window is forwarded; the same event
    // passed on to a widget inside is merely swallowed.
    if (watched == root_.windowHandle()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            mouse(static_cast<const QMouseEvent&>(*event));
        } else if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            // F11 is the window's own, as on every desktop: full screen or not.
            if (key.key() == Qt::Key_F11) {
                if (toggleFullScreen && !key.isAutoRepeat()) toggleFullScreen();
                return true;
            }
            const int code = keyCode(key);
            if (code >= 0) forward(RawInput::keyTyped(code));
        }
        // A double click arrives as a press followed by this extra event:
        // the press has gone to the model already.
    }
    return true;
}

bool QtInputFilter::takeListRelease(QObject* watched, const QMouseEvent& e) {
    // It comes to the main window, whose grab the press began, or to the list.
    QWidget* list = QApplication::activePopupWidget();
    if (!list || e.button() != Qt::LeftButton) return false;
    if (watched != list->windowHandle() && watched != root_.windowHandle()) return false;
    listRelease_ = false;
    const QPointF at = root_.mapFromGlobal(e.globalPosition());
    if (pressedLook) pressedLook(nullptr);
    forward(RawInput::release(scale_.twipsX(at.x()), scale_.twipsY(at.y())));
    return true;
}

void QtInputFilter::mouse(const QMouseEvent& e) {
    if (e.button() != Qt::LeftButton) return;
    const int x = scale_.twipsX(e.position().x());
    const int y = scale_.twipsY(e.position().y());
    if (e.type() == QEvent::MouseButtonPress) {
        listRelease_ = false;
        if (pressedLook) {
            const Control* hit = MainWindow::outside(x, y) ? nullptr : window_.hitTest(x, y);
            pressedLook(hit && hit->kind() == ControlKind::Button ? hit : nullptr);
        }
        forward(RawInput::press(x, y));
    } else {
        if (pressedLook) pressedLook(nullptr);
        forward(RawInput::release(x, y));
    }
}

void QtInputFilter::forward(const RawInput& in) {
    input_.push(in);
    dispatcher_.schedule();
}

}  // namespace quiz
