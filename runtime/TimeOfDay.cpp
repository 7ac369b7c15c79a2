#include "runtime/TimeOfDay.h"

#include <cstdio>

namespace quiz {

std::string TimeOfDay::str() const {
    if (empty()) return "-";
    const std::int64_t s = ((value() % 86400) + 86400) % 86400;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60),
                  static_cast<int>(s % 60));
    return buf;
}

}  // namespace quiz
