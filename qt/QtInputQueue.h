#pragma once
#include <deque>
#include <functional>

#include "window/RawInput.h"

namespace quiz {

class MainWindow;

// The user's raw input as the toolkit saw it, waiting for the window model.
// It is handed over one input at a time, as a real message loop takes one
// message at a time: a press then reaches the model, and the focus events it
// causes are delivered, before the release that follows it is even looked at.
class QtInputQueue {
public:
    void push(RawInput in) { queue_.push_back(std::move(in)); }
    bool empty() const { return queue_.empty(); }
    std::size_t size() const { return queue_.size(); }
    // Hands the oldest input to the window's queue; false when there is none.
    bool feedOne(MainWindow& window);
    // Told of every input just handed over (the view opens a combo's list on
    // a press that reaches that combo).
    std::function<void(const RawInput&)> onFed;
    // Told of every input just before the model takes it (the recording of a game).
    std::function<void(const RawInput&)> onFeeding;

private:
    std::deque<RawInput> queue_;
};

}  // namespace quiz
