#pragma once

namespace quiz {

// The platform half of DoEvents: takes in whatever input the user has given
// since the last call and hands it to the window model's queue. It may block
// briefly while nothing happens, but never longer than to the clock's next
// whole second.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void pump() = 0;
};

}  // namespace quiz
