#pragma once
#include "runtime/TimeOfDay.h"

namespace quiz {

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay now() = 0;
};

}  // namespace quiz
