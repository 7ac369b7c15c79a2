#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "headless/FakeClock.h"
#include "window/WindowObserver.h"

namespace quiz {

// One line of the transcript: an observable effect and when it happened.
struct TranscriptLine {
    std::int64_t ms;     // of the day, by the fake clock
    std::string effect;  // "text txterg Bingo!", "sound laser.wav", ...
    // "HH:MM:SS.mmm effect", as the transcript prints it.
    std::string str() const;
};

// Writes the transcript: one line per observable effect, each behind the
// fake time of day. With no stream to write to it keeps the lines instead,
// for tests; a stream gets them one by one and nothing piles up.
class Recorder : public WindowObserver {
public:
    Recorder(FakeClock& clock, std::ostream* out) : clock_(clock), out_(out) {}
    void line(const std::string& effect);
    const std::vector<TranscriptLine>& lines() const { return lines_; }
    void clear() { lines_.clear(); }
    // "HH:MM:SS.mmm" of a time of day in milliseconds.
    static std::string stamp(std::int64_t ms);

    void eventDelivered(const Control* target, EventKind kind, int code) override;
    void propertyChanged(const Control& control, Property what) override;
    void focusMoved(const Control* control) override;

private:
    FakeClock& clock_;
    std::ostream* out_;
    std::vector<TranscriptLine> lines_;
};

}  // namespace quiz
