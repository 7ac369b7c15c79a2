#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "../WindowObserver.h"
#include "FakeClock.h"

namespace quiz {

// Writes the transcript: one line per observable effect, each behind the
// fake time of day. Keeps the lines too, for tests.
class Recorder : public WindowObserver {
public:
    Recorder(FakeClock& clock, std::ostream* out) : clock_(clock), out_(out) {}
    void line(const std::string& text);
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }

    void eventDelivered(const Control* target, EventKind kind, int code) override;
    void propertyChanged(const Control& control, Property what) override;
    void focusMoved(const Control* control) override;

private:
    FakeClock& clock_;
    std::ostream* out_;
    std::vector<std::string> lines_;
};

}  // namespace quiz
