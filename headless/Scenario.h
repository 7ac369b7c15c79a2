#pragma once
#include <cstdint>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quiz {

// One line of a scenario file.
struct Step {
    enum class Kind { Clock, Seed, Wait, Click, ClickAt, Press, Release, Key, Select, Pick, Hold, File, Close, Dump };
    Kind kind;
    int line = 0;
    std::string name;     // Click, Select, Pick: control; Key: "enter", "tab", "right", ... or the character
    std::string item;     // Select, Pick: the item; File: the path
    int x = 0, y = 0;     // ClickAt, Press, Release
    int key = 0;          // Key: character code when a plain character or a keycode
    std::int64_t ms = 0;  // Wait, Hold; Clock: time of day
    std::uint64_t seed = 0;
};

class ScenarioError : public std::runtime_error {
public:
    ScenarioError(int line, const std::string& why)
        : std::runtime_error("line " + std::to_string(line) + ": " + why), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// A parsed scenario. Parsing checks everything that can be checked before
// the program runs (names, items, numbers, where clock and seed may stand).
// Numbers are plain decimals; a line may be at most maxLineBytes long and a
// scenario at most maxSteps steps, so no input can take the memory.
struct Scenario {
    static constexpr std::size_t maxLineBytes = 64 * std::size_t{1024};
    static constexpr std::size_t maxSteps = 1000000;

    std::int64_t startMs = 10LL * 3600 * 1000;
    std::uint64_t seed = 1;
    // A recording of the desktop program (the step `recorded`): it replays
    // with the desktop's sleeping yield, each wait counts from the moment the
    // previous input was due, holds and files belong to the boxes that open
    // after the input they follow, and the draw mixes in the clock's seconds.
    bool recorded = false;
    std::vector<Step> steps;

    static Scenario parse(std::istream& in);
    static Scenario parse(const std::string& text);
};

}  // namespace quiz
