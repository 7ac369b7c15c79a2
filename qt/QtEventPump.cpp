#include "qt/QtEventPump.h"

#include <QCoreApplication>

#include "qt/QtClock.h"
#include "qt/QtInputQueue.h"
#include "window/MainWindow.h"

namespace quiz {

QtEventPump::QtEventPump(QtClock& clock, QtInputQueue& input)
    : clock_(clock), input_(input), spin_(qEnvironmentVariableIntValue("QUIZ_SPIN_YIELD") == 1) {
    wake_.setSingleShot(true);
    // A coarse timer may fire a few percent early, before the second has
    // turned; the countdown would then just wait once more.
    wake_.setTimerType(Qt::PreciseTimer);
}

// A wait loop writes the reading of its pass before, so a yield may sleep only
// when the cycle since the previous one changed nothing and saw no turn of the
// second (YieldPacer): after a turn the next pass comes at once and shows the
// fresh reading, and the sleep after it lasts to the next turn.
void QtEventPump::pump() {
    const bool maySleep = window_ && pacer_.maySleep(clock_.now(), window_->activity());
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (!window_) return;
    if (input_.feedOne(*window_)) return;
    if (spin_ || !maySleep || window_->pendingEvents() > 0) return;
    // Nothing to do before the next second: sleep in the event dispatcher.
    // The timer only wakes it; any input wakes it sooner. One millisecond
    // past the turn after the second this yield began in, so the clock
    // surely reads the new second; if that turn has passed already, no sleep.
    const std::int64_t wakeMs = (pacer_.second().value() + 1) * 1000 + 1 - clock_.ms();
    if (wakeMs <= 1) return;
    wake_.start(static_cast<int>(wakeMs));
    ++sleeps_;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
    input_.feedOne(*window_);
}

}  // namespace quiz
