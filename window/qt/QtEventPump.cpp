#include "QtEventPump.h"

#include <QCoreApplication>

#include "QtClock.h"
#include "QtInputQueue.h"
#include "window/MainWindow.h"

namespace quiz {

QtEventPump::QtEventPump(QtClock& clock, QtInputQueue& input)
    : clock_(clock), input_(input), spin_(qEnvironmentVariableIntValue("QUIZ_SPIN_YIELD") == 1) {
    wake_.setSingleShot(true);
    // A coarse timer may fire a few percent early, before the second has
    // turned; the countdown would then just wait once more.
    wake_.setTimerType(Qt::PreciseTimer);
}

void QtEventPump::pump() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (!window_) return;
    if (input_.feedOne(*window_)) return;
    if (spin_ || window_->pendingEvents() > 0) return;
    // Nothing to do before the next second: sleep in the event dispatcher.
    // The timer only wakes it; any input wakes it sooner. One millisecond
    // past the turn, so the clock surely reads the new second.
    wake_.start(clock_.msToNextSecond() + 1);
    ++sleeps_;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
    input_.feedOne(*window_);
}

}  // namespace quiz
