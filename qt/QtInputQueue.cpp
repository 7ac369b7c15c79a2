#include "qt/QtInputQueue.h"

#include "window/MainWindow.h"

namespace quiz {

bool QtInputQueue::feedOne(MainWindow& window) {
    if (queue_.empty()) return false;
    RawInput in = std::move(queue_.front());
    queue_.pop_front();
    if (onFeeding) onFeeding(in);
    window.input(in);
    if (onFed) onFed(in);
    return true;
}

}  // namespace quiz
