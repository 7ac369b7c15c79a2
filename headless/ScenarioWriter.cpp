#include "headless/ScenarioWriter.h"

#include <algorithm>
#include <cstdio>

#include "headless/Recorder.h"

namespace quiz {

ScenarioWriter::ScenarioWriter(std::ostream& out, std::int64_t startMs, std::uint64_t seed)
    : out_(out), dueMs_(startMs / 1000 * 1000) {
    line("# A game of velmora-quiz, recorded; quiz-script replays it.");
    line("recorded");
    line("clock " + Recorder::stamp(dueMs_).substr(0, 8));
    line("seed " + std::to_string(seed));
}

std::string ScenarioWriter::seconds(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    return text;
}

std::string ScenarioWriter::step(const RawInput& in) {
    // The scenario takes points within +-100000 twips; beyond lies nothing.
    const auto at = [&in] {
        const auto clamp = [](int v) { return std::to_string(std::clamp(v, -100000, 100000)); };
        return clamp(in.x) + " " + clamp(in.y);
    };
    switch (in.type) {
        case RawInput::Type::Press: return "press " + at();
        case RawInput::Type::Release: return "release " + at();
        case RawInput::Type::Pick: return "pick " + in.control + " " + in.item;
        case RawInput::Type::Close: return "close";
        case RawInput::Type::Key: break;
    }
    switch (in.key) {
        case keys::enter: return "key enter";
        case keys::tab: return "key tab";
        case keys::backTab: return "key backtab";
        case keys::space: return "key space";
        case keys::backspace: return "key backspace";
        default: break;
    }
    // Printable characters as themselves (UTF-8), every other code by number.
    const int k = in.key;
    if (k > ' ' && k < 127) return "key " + std::string(1, static_cast<char>(k));
    if (k > 160 && k < 256 && k != 173) {
        const char utf8[] = {static_cast<char>(0xC0 | (k >> 6)), static_cast<char>(0x80 | (k & 0x3F)), 0};
        return "key " + std::string(utf8);
    }
    return "keycode " + std::to_string(k);
}

void ScenarioWriter::input(const RawInput& in, std::int64_t ms) {
    // Waits count from the moment the previous input was due: the replay
    // feeds every input at its own time, however long the program was busy.
    if (ms > dueMs_) {
        line("wait " + seconds(ms - dueMs_));
        dueMs_ = ms;
    }
    line(step(in));
}

void ScenarioWriter::box(std::int64_t heldMs) { line("hold " + seconds(std::max<std::int64_t>(heldMs, 0))); }

void ScenarioWriter::dialog(std::int64_t heldMs, const std::string& chosen) {
    box(heldMs);
    // A path that a line cannot carry replays as a cancelled dialog.
    const bool fits = !chosen.empty() && chosen.front() != ' ' && chosen.find_first_of("\r\n") == std::string::npos;
    if (fits) line("file " + chosen);
}

void ScenarioWriter::line(const std::string& text) {
    out_ << text << '\n';
    out_.flush();
}

}  // namespace quiz
