#pragma once
#include <QElapsedTimer>
#include <cstdint>

#include "window/platform/Clock.h"

namespace quiz {

// The time of day in whole seconds, counted from the midnight before the
// program started. It runs on the monotonic clock, so it keeps rising past
// midnight (86400, 86401, ...) and a change of the system time cannot turn it
// back in the middle of a countdown.
class QtClock : public Clock {
public:
    QtClock();
    TimeOfDay now() override { return TimeOfDay::seconds(ms() / 1000); }
    std::int64_t ms() const { return startMs_ + elapsed_.elapsed(); }
    // The reading of ms() when the clock started.
    std::int64_t startMs() const { return startMs_; }
    // Milliseconds until the reading of now() changes next.
    int msToNextSecond() const { return static_cast<int>(1000 - ms() % 1000); }

private:
    std::int64_t startMs_;
    QElapsedTimer elapsed_;
};

}  // namespace quiz
