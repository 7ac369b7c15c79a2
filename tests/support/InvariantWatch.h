#pragma once
#include <set>
#include <string>

#include "game/Game.h"
#include "window/MainWindow.h"
#include "window/WindowObserver.h"

namespace quiz::test {

// What broke an invariant.
struct InvariantFault {
    std::string what;
};

// Watches one game for what must hold whatever the players do: no number
// drawn twice since the last Start, flags 0 or 1, no count past the limit,
// percentages 0 to 100, the focus only where it can rest, and a bound on the
// events delivered without time passing (a hang). Throws InvariantFault.
class InvariantWatch : public WindowObserver {
public:
    InvariantWatch(MainWindow& w, Game& g) : w_(w), g_(g) {}
    void eventDelivered(const Control* c, EventKind k, int code) override;
    void propertyChanged(const Control& c, Property p) override;
    // After every step and yield.
    void check();

private:
    MainWindow& w_;
    Game& g_;
    std::set<int> asked_;
    long burst_ = 0;
};

}  // namespace quiz::test
