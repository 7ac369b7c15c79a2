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
class QtMainView : public QWidget, public WindowObserver {
public:
    QtMainView(MainWindow& window, QtPlatform& platform);
    ~QtMainView() override;

    // Centred on the screen, shown and activated, and the top level started.
    void showCentred();
    QWidget* widgetOf(const Control& c) const;
    const QtScale& scale() const { return scale_; }
    // Called once, when the first frame has gone to the screen.
    std::function<void()> afterFirstFrame;

    // WindowObserver
    void propertyChanged(const Control& control, Property what) override;
    void focusMoved(const Control* control) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void stackWidgets();
    void connectCombos();
    void connectButtons();
    void inputFed(const RawInput& in);
    void openList(const Control* combo);
    void setPressedLook(const Control* button);
    void showFocus(const Control* control);

    MainWindow& window_;
    QtPlatform& platform_;
    QtScale scale_;
    QtDispatcher dispatcher_;
    std::vector<std::unique_ptr<QtControlPresenter>> presenters_;
    std::unordered_map<const Control*, QtControlPresenter*> byControl_;
    std::unique_ptr<QtInputFilter> filter_;
    QImage background_;
    const Control* pressed_ = nullptr;
    bool painted_ = false;
};

}  // namespace quiz
