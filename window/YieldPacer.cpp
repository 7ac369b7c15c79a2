#include "window/YieldPacer.h"

namespace quiz {

bool YieldPacer::maySleep(TimeOfDay now, std::uint64_t activity) {
    const bool stoodStill = last_ && last_->second.value() == now.value() && last_->activity == activity;
    last_ = Mark{now, activity};
    return stoodStill;
}

}  // namespace quiz
