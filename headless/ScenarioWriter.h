#pragma once
#include <cstdint>
#include <ostream>
#include <string>

#include "window/RawInput.h"

namespace quiz {

// Writes a recording of the desktop program as a scenario that quiz-script
// replays (Scenario::recorded): the header, then every raw input with the
// wait since the previous one, and after an input the holds (and chosen
// files) of the boxes and dialogs that opened before the next. Each line
// goes out at once, so a recording cut short by a crash still holds every
// input up to the crash.
class ScenarioWriter {
public:
    // startMs: the clock's reading when the program started, in milliseconds
    // of the day; the recording's clock is its whole second.
    ScenarioWriter(std::ostream& out, std::int64_t startMs, std::uint64_t seed);
    // An input that the model takes when the clock reads ms.
    void input(const RawInput& in, std::int64_t ms);
    // A message box that stayed open heldMs.
    void box(std::int64_t heldMs);
    // The file dialog: how long it stayed open and the file chosen ("" for none).
    void dialog(std::int64_t heldMs, const std::string& chosen);
    // False once a line could not be written.
    bool good() const { return out_.good(); }

    // "12.345": milliseconds as the scenario's seconds.
    static std::string seconds(std::int64_t ms);
    // The step of one raw input ("press 300 400", "key a", "keycode 27", ...).
    static std::string step(const RawInput& in);

private:
    void line(const std::string& text);

    std::ostream& out_;
    std::int64_t dueMs_;
};

}  // namespace quiz
