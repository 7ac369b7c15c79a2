#pragma once
#include <cstdint>

#include "window/platform/Clock.h"

namespace quiz {

// Time that moves only when the program yields or a box is held open.
class FakeClock : public Clock {
public:
    explicit FakeClock(std::int64_t startMs = 10LL * 3600 * 1000) : ms_(startMs) {}
    TimeOfDay now() override { return TimeOfDay::seconds(ms_ / 1000); }
    std::int64_t ms() const { return ms_; }
    void advance(std::int64_t ms) { ms_ += ms; }
    void set(std::int64_t ms) { ms_ = ms; }

private:
    std::int64_t ms_;
};

}  // namespace quiz
