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
    enum class Kind { Clock, Seed, Wait, Click, ClickAt, Key, Select, Hold, File, Close, Dump };
    Kind kind;
    int line = 0;
    std::string name;     // Click, Select: control; Key: "enter", "tab", "right", ... or the character
    std::string item;     // Select: the item; File: the path
    int x = 0, y = 0;     // ClickAt
    int key = 0;          // Key: character code when a plain character
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
struct Scenario {
    std::int64_t startMs = 10LL * 3600 * 1000;
    std::uint64_t seed = 1;
    std::vector<Step> steps;

    static Scenario parse(std::istream& in);
    static Scenario parse(const std::string& text);
};

}  // namespace quiz
