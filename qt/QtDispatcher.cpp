#include "qt/QtDispatcher.h"

#include <QCoreApplication>
#include <QTimer>

#include "qt/QtInputQueue.h"
#include "window/MainWindow.h"

namespace quiz {

QtDispatcher::QtDispatcher(MainWindow& window, QtInputQueue& input) : window_(window), input_(input) {}

void QtDispatcher::schedule() {
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] { run(); });
}

void QtDispatcher::run() {
    scheduled_ = false;
    if (window_.ended()) {
        QCoreApplication::quit();
        return;
    }
    // Inside a handler's DoEvents: the input waits for that DoEvents.
    if (window_.handlerRunning()) return;
    do {
        input_.feedOne(window_);
        if (!window_.dispatch()) {
            QCoreApplication::quit();
            return;
        }
    } while (!input_.empty() && !window_.handlerRunning());
}

}  // namespace quiz
