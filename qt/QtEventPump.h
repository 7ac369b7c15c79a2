#pragma once
#include <QTimer>

#include "window/YieldPacer.h"
#include "window/platform/EventPump.h"

namespace quiz {

class MainWindow;
class QtClock;
class QtInputQueue;

// The toolkit half of DoEvents. It lets Qt process what is pending and hands
// the model the next raw input. When nothing at all is pending, and the
// YieldPacer allows it, it sleeps until input arrives or the clock's next
// whole second begins, whichever comes first: a countdown that waits for the
// next second costs no processor time in between, and a key still reaches
// its handler at once.
//
// QUIZ_SPIN_YIELD=1 in the environment turns the sleep off (the pump then
// returns at once every time); only the CPU benchmark uses it, to compare.
class QtEventPump : public EventPump {
public:
    QtEventPump(QtClock& clock, QtInputQueue& input);
    void attach(MainWindow& window) { window_ = &window; }
    void pump() override;
    bool spinning() const { return spin_; }
    long long sleeps() const { return sleeps_; }

private:
    QtClock& clock_;
    QtInputQueue& input_;
    MainWindow* window_ = nullptr;
    QTimer wake_;
    YieldPacer pacer_;
    bool spin_;
    long long sleeps_ = 0;
};

}  // namespace quiz
