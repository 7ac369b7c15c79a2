#pragma once
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "qt/QtDispatcher.h"
#include "qt/QtScale.h"
#include "window/RawInput.h"
#include "window/WindowObserver.h"

namespace quiz {

class Control;
class MainWindow;
class QtControlPresenter;
class QtInputFilter;
class QtPlatform;

// The main window on screen. It draws the window model and nothing else:
// every control as a widget at its place, in the model's stacking, over the
// window's background picture; every change of the model as it happens; the
// model's focus as the widgets' focus, which screen readers follow. Input
// goes to the model only (QtInputFilter); the model decides everything.
//
// The window may be resized, maximised and shown full screen (F11): the
// whole layout scales uniformly to the largest size that fits, centred,
// with black margins that take no clicks. Text is laid out anew at each
// size, so it stays sharp.
class QtMainView : public QWidget, public WindowObserver {
public:
    // Pixels kept free below the window at start for a window manager's title bar.
    static constexpr int frameAllowance = 40;

    QtMainView(MainWindow& window, QtPlatform& platform);
    ~QtMainView() override;

    // Centred on the screen at the design's size times the screen's scale, or
    // at the largest scale that fits the screen's free area; shown, activated.
    void showCentred();
    void toggleFullScreen();
    QWidget* widgetOf(const Control& c) const;
    const QtScale& scale() const { return scale_; }
    // A key typed elsewhere than on the keyboard (a game controller): raw
    // input like a key of the keyboard, and like one it does not reach the
    // window while a message box, a dialog or an open list has the input.
    void typeKey(int code);
    // Called once, when the first frame has gone to the screen.
    std::function<void()> afterFirstFrame;

    // WindowObserver
    void propertyChanged(const Control& control, Property what) override;
    void focusMoved(const Control* control) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void stackWidgets();
    void connectCombos();
    void connectButtons();
    void inputFed(const RawInput& in);
    void openList(const Control* combo);
    void setPressedLook(const Control* button);
    void showFocus(const Control* control);
    void rescale(const QtScale& scale);

    MainWindow& window_;
    QtPlatform& platform_;
    QtScale scale_;
    QtDispatcher dispatcher_;
    std::vector<std::unique_ptr<QtControlPresenter>> presenters_;
    std::unordered_map<const Control*, QtControlPresenter*> byControl_;
    std::unique_ptr<QtInputFilter> filter_;
    double screenDpi_;
    QRect normalGeometry_;  // where the window was before full screen
    QImage background_;
    QPixmap scaledBackground_;  // the background at the current scale
    const Control* pressed_ = nullptr;
    bool painted_ = false;
};

}  // namespace quiz
