#pragma once
#include <QObject>

namespace quiz {

class MainWindow;
class QtInputQueue;

// The program's top level between two handlers: it hands the window model
// the raw input that came in and lets it deliver, one input at a time. It
// runs from Qt's event loop as a queued call, never inside a widget's own
// event handling. While a handler runs, its DoEvents takes the input instead.
class QtDispatcher : public QObject {
public:
    QtDispatcher(MainWindow& window, QtInputQueue& input);
    // Asks for a run from the event loop (once, however often it is asked).
    void schedule();
    // Delivers what is waiting; quits the application when the program ended.
    void run();

private:
    MainWindow& window_;
    QtInputQueue& input_;
    bool scheduled_ = false;
};

}  // namespace quiz
