#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace quiz {

// A clock reading in whole seconds. The clock counts from the midnight before
// the program started and keeps rising past the next midnight (86400, 86401,
// ...), so a deadline or target "now + n" is always reached by a later reading
// and a wait across midnight behaves as at any other hour. An empty value is
// the Game state's "not yet read".
class TimeOfDay {
public:
    TimeOfDay() = default;
    static TimeOfDay seconds(std::int64_t s) {
        TimeOfDay t;
        t.s_ = s;
        return t;
    }
    bool empty() const { return !s_.has_value(); }
    std::int64_t value() const { return s_.value_or(0); }
    // DateAdd("s", n, t)
    TimeOfDay plus(std::int64_t n) const { return seconds(value() + n); }
    // DateDiff("s", earlier, later): later minus earlier
    static std::int64_t diff(TimeOfDay earlier, TimeOfDay later) { return later.value() - earlier.value(); }
    // HH:MM:SS of the day, or "-" when empty
    std::string str() const;

private:
    std::optional<std::int64_t> s_;
};

}  // namespace quiz
