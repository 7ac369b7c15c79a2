#pragma once
#include <cstdint>
#include <optional>

#include "runtime/TimeOfDay.h"

namespace quiz {

// Decides whether a yield may sleep until input comes or the clock's next
// second turns. A wait loop writes what it read in the pass before, so a
// yield that sleeps across a turn leaves that reading a second old. Rule: a
// yield may sleep only when the cycle since the previous yield began stood
// still: the same second, and nothing in the window changed (no property, no
// focus, no event). After a turn, input or a change the next passes run at
// once, until one of them changes nothing; then the screen shows the fresh
// reading and the program can sleep to the next turn.
class YieldPacer {
public:
    // Called as every yield begins, with the clock's second and the window's
    // activity count (MainWindow::activity()). True when it may sleep.
    bool maySleep(TimeOfDay now, std::uint64_t activity);
    // The second that the last yield began in: a sleep ends just after it.
    TimeOfDay second() const { return last_ ? last_->second : TimeOfDay(); }

private:
    struct Mark {
        TimeOfDay second;
        std::uint64_t activity;
    };
    std::optional<Mark> last_;
};

}  // namespace quiz
