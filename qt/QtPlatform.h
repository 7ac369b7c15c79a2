#pragma once
#include <QWidget>

#include "qt/QtClock.h"
#include "qt/QtEventPump.h"
#include "qt/QtFileDialog.h"
#include "qt/QtInputQueue.h"
#include "qt/QtLifecycle.h"
#include "qt/QtMessageBoxes.h"
#include "qt/QtPictureLoader.h"
#include "qt/QtProgramStarter.h"
#include "qt/QtSoundPlayer.h"
#include "qt/QtWorkingDirectory.h"
#include "runtime/MixingRandom.h"
#include "window/platform/Platform.h"

namespace quiz {

class MainWindow;

// Every platform service of the desktop program, gathered for the window
// model. Needs a QApplication. attach() ties the services that need them to
// the window model and to the widget that parents the boxes and dialogs.
class QtPlatform {
public:
    explicit QtPlatform(const QtHeadStart* headStart = nullptr);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Platform& platform() { return platform_; }
    void attach(MainWindow& window, QWidget* view);

    QtClock& clock() { return clock_; }
    QtInputQueue& input() { return input_; }
    QtEventPump& pump() { return pump_; }
    QtPictureLoader& pictures() { return pictures_; }
    QtLifecycle& lifecycle() { return lifecycle_; }
    QtSoundPlayer& sound() { return sound_; }

private:
    QtClock clock_;
    QtInputQueue input_;
    QtEventPump pump_;
    QtSoundPlayer sound_;
    QtMessageBoxes boxes_;
    QtProgramStarter programs_;
    QtPictureLoader pictures_;
    QtFileDialog dialog_;
    QtWorkingDirectory directory_;
    MixingRandom random_;
    QtLifecycle lifecycle_;
    Platform platform_;
};

}  // namespace quiz
