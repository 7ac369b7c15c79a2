#pragma once
#include <QObject>
#include <functional>

#include "qt/QtScale.h"
#include "window/RawInput.h"

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace quiz {

class Control;
class MainWindow;
class QtDispatcher;
class QtInputQueue;

// Installed on the application: takes every mouse button and key event
// aimed at the main window (at its native window, or at any widget in it,
// disabled ones included) away from Qt, so that no widget acts, takes the
// focus or moves it by itself. Presses and releases of the left button go
// to the window model as raw input in client twips; keys as their Latin-1
// character code (Tab, Shift+Tab, Enter and Backspace as the model's key
// codes; other characters are dropped). The open list of a combo box, the
// message boxes and the file dialog keep their own input.
class QtInputFilter : public QObject {
public:
    QtInputFilter(QWidget& root, MainWindow& window, QtInputQueue& input, QtDispatcher& dispatcher,
                  const QtScale& scale);
    // Told on a press with the button under the pointer, and with nullptr when
    // the press is over, so the view can draw the button held down.
    std::function<void(const Control*)> pressedLook;
    // F11: the window goes full screen or back.
    std::function<void()> toggleFullScreen;

    // A combo box's list was opened while the left button is still down:
    // the release that ends that press must not close the list again (Qt's
    // list closes on a release that it did not see pressed). The model gets
    // it as the release of its press.
    void expectListRelease() { listRelease_ = true; }

    // The model's code of a key event; -1 when the key types no character.
    static int keyCode(const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool aimedAtRoot(QObject* watched) const;
    bool takeListRelease(QObject* watched, const QMouseEvent& e);
    void mouse(const QMouseEvent& e);
    void forward(const RawInput& in);

    QWidget& root_;
    MainWindow& window_;
    QtInputQueue& input_;
    QtDispatcher& dispatcher_;
    const QtScale& scale_;
    bool listRelease_ = false;
};

}  // namespace quiz
