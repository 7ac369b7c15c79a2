// A recording of the desktop program (the scenario step `recorded`), as
// ScenarioWriter writes it and the headless platform replays it: every input
// at the millisecond it was taken, the holds with the boxes that opened after
// their input, and a draw that depends on the seed and the clock's seconds.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "headless/ScenarioWriter.h"
#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

constexpr std::int64_t ten = 10LL * 3600 * 1000;  // 10:00:00 in milliseconds

// A control's centre, where the real window's press would land.
RawInput at(const char* control, bool press) {
    const Harness names("");
    const Rect& r = names.window.find(control)->look().rect;
    return press ? RawInput::press(r.centreX(), r.centreY()) : RawInput::release(r.centreX(), r.centreY());
}

// The time (ms of the day) of the n-th line that starts with `prefix`, and
// of the line after it; -1 when there is none.
std::pair<std::int64_t, std::int64_t> when(const Harness& h, const std::string& prefix, int n = 1) {
    const auto& lines = h.lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].effect.rfind(prefix, 0) == 0 && --n == 0)
            return {lines[i].ms, i + 1 < lines.size() ? lines[i + 1].ms : -1};
    return {-1, -1};
}

TEST(Recording, EveryRawInputIsWrittenAsAStepThatReadsBackAsTheSameInput) {
    struct Case {
        RawInput in;
        std::string step;
    };
    const std::vector<Case> cases = {
        {RawInput::press(300, 4650), "press 300 4650"},
        {RawInput::release(-40, 9200), "release -40 9200"},
        {RawInput::release(250000, -7), "release 100000 -7"},  // far outside: still outside
        {RawInput::keyTyped('q'), "key q"},
        {RawInput::keyTyped('#'), "key #"},
        {RawInput::keyTyped(0xE4), "key \xC3\xA4"},  // ä
        {RawInput::keyTyped(keys::enter), "key enter"},
        {RawInput::keyTyped(keys::tab), "key tab"},
        {RawInput::keyTyped(keys::backTab), "key backtab"},
        {RawInput::keyTyped(keys::space), "key space"},
        {RawInput::keyTyped(keys::backspace), "key backspace"},
        {RawInput::keyTyped(27), "keycode 27"},  // Escape types a control character
        {RawInput::keyTyped(0xA0), "keycode 160"},
        {RawInput::keyTyped(0xAD), "keycode 173"},
        {RawInput::pick("cbotime", "Kein"), "pick cbotime Kein"},
        {RawInput::close(), "close"},
    };
    for (const auto& c : cases) {
        const std::string step = ScenarioWriter::step(c.in);
        EXPECT_EQ(step, c.step);
        const Scenario sc = Scenario::parse("recorded\n" + step + "\n");
        ASSERT_EQ(sc.steps.size(), 1u) << step;
        const Step& s = sc.steps[0];
        switch (c.in.type) {
            case RawInput::Type::Press:
            case RawInput::Type::Release:
                EXPECT_EQ(s.kind, c.in.type == RawInput::Type::Press ? Step::Kind::Press : Step::Kind::Release);
                EXPECT_EQ(s.x, std::clamp(c.in.x, -100000, 100000)) << step;
                EXPECT_EQ(s.y, std::clamp(c.in.y, -100000, 100000)) << step;
                break;
            case RawInput::Type::Key:
                EXPECT_EQ(s.kind, Step::Kind::Key);
                if (s.name.empty()) {
                    EXPECT_EQ(s.key, c.in.key) << step;
                }
                break;
            case RawInput::Type::Pick:
                EXPECT_EQ(s.kind, Step::Kind::Pick);
                EXPECT_EQ(s.name + " " + s.item, c.in.control + " " + c.in.item);
                break;
            case RawInput::Type::Close: EXPECT_EQ(s.kind, Step::Kind::Close); break;
        }
    }
}

TEST(Recording, TheHeaderGivesTheStartSecondAndTheSeedAndWaitsCountFromTheStart) {
    std::ostringstream out;
    ScenarioWriter w(out, ten + 437, 18446744073709551615ULL);
    w.input(RawInput::keyTyped('x'), ten + 1500);
    w.input(RawInput::keyTyped('y'), ten + 1500);  // the same millisecond: no wait
    w.input(RawInput::keyTyped('z'), ten + 2501);
    const Scenario sc = Scenario::parse(out.str());
    EXPECT_TRUE(sc.recorded);
    EXPECT_EQ(sc.startMs, ten);
    EXPECT_EQ(sc.seed, 18446744073709551615ULL);
    ASSERT_EQ(sc.steps.size(), 5u);
    EXPECT_EQ(sc.steps[0].ms, 1500);
    EXPECT_EQ(sc.steps[3].ms, 1001);
    EXPECT_TRUE(w.good());
}

// The info box holds the program for 3.25 s; the key after it was taken at
// 5.5 s and comes at 5.5 s, not 5.5 s after the box.
TEST(Recording, EachInputReplaysAtTheMillisecondItWasTaken) {
    std::ostringstream out;
    ScenarioWriter w(out, ten, 7);
    w.input(at("cmdinfo", true), ten + 1500);
    w.box(3250);
    w.input(RawInput::keyTyped('x'), ten + 5500);
    w.input(at("cmdinfo", false), ten + 5512);
    Harness h(out.str());
    h.run();
    EXPECT_EQ(h.when("focus cmdinfo"), "10:00:01.500");
    EXPECT_EQ(h.when("event cmdinfo KeyPress 120"), "10:00:05.500");
    EXPECT_EQ(h.count("event cmdinfo Click"), 0) << "a box came between press and release";
}

// Two boxes open after one input: the info box at once, the rating box a
// minute later when the last question has run out of time. Each takes its
// own hold, in order; the first is read before the feed reaches it.
TEST(Recording, TheHoldsAfterAnInputBelongToTheBoxesThatOpenAfterIt) {
    std::ostringstream out;
    ScenarioWriter w(out, ten, 3);
    w.input(RawInput::pick("cbofragen", "10"), ten + 100);
    w.input(RawInput::pick("cbotime", "5"), ten + 200);
    w.input(at("cmdstart", true), ten + 1000);
    w.input(at("cmdstart", false), ten + 1080);
    w.input(at("cmdinfo", true), ten + 2000);
    w.box(2000);
    w.box(3000);
    w.input(RawInput::close(), ten + 120000);
    Harness h(out.str());
    h.run();
    EXPECT_EQ(h.when("focus cmdinfo"), "10:00:02.000");
    const auto info = when(h, "msgbox 64 | Info");
    EXPECT_EQ(info.second - info.first, 2000) << "the info box stayed open 2 s";
    const auto rating = when(h, "msgbox 16 | Miese Leistung");
    ASSERT_GT(rating.first, ten + 60000);
    EXPECT_EQ(rating.second - rating.first, 3000) << "the rating box stayed open 3 s";
    EXPECT_EQ(h.state().gameOver, 1);
}

TEST(Recording, TheDialogTakesItsHoldAndTheFileChosen) {
    const auto dir = std::filesystem::temp_directory_path() / ("quiz-recording-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto picture = (dir / "bild.png").string();
    std::ofstream(picture, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n", 8);
    std::ostringstream out;
    ScenarioWriter w(out, ten, 5);
    w.input(at("cmdbg", true), ten + 1000);
    w.dialog(1500, picture);
    w.input(at("cmdbg", false), ten + 2600);
    w.input(at("txtfrage", true), ten + 3000);
    w.input(at("txtfrage", false), ten + 3100);
    w.input(at("cmdbg", true), ten + 4000);
    w.dialog(700, "");  // cancelled
    w.input(at("cmdbg", false), ten + 4800);
    w.input(at("txtfrage", true), ten + 5000);
    Harness h(out.str());
    h.run();
    std::filesystem::remove_all(dir);
    EXPECT_EQ(when(h, "dialog ").first, ten + 1000);
    EXPECT_EQ(h.when("picture imgback " + picture), "10:00:02.500") << "after the dialog's 1.5 s";
    const auto cancelled = when(h, "dialog ", 2);
    EXPECT_EQ(cancelled.first, ten + 4000);
    EXPECT_EQ(h.count("picture imgback " + picture), 1) << "the cancelled dialog loads nothing";
    EXPECT_EQ(h.when("focus txtfrage"), "10:00:03.000");
}

// The desktop program's draw mixes in the clock's seconds, not its
// milliseconds: where within its second a Start falls does not change the
// question, so a replay that keeps the seconds draws the same questions.
TEST(Recording, TheDrawDependsOnTheSeedAndTheSecondsOnly) {
    auto firstQuestion = [](std::int64_t startAtMs, std::uint64_t seed) {
        std::ostringstream out;
        ScenarioWriter w(out, ten, seed);
        w.input(RawInput::pick("cbotime", "Kein"), ten + 100);
        w.input(at("cmdstart", true), ten + startAtMs - 50);
        w.input(at("cmdstart", false), ten + startAtMs);
        Harness h(out.str());
        h.run();
        return static_cast<int>(h.state().questionNumber);
    };
    const int a = firstQuestion(1100, 42);
    EXPECT_EQ(firstQuestion(1950, 42), a);
    EXPECT_NE(firstQuestion(2100, 42), a) << "another second";
    EXPECT_NE(firstQuestion(1100, 43), a) << "another seed";
}

// The press falls before the turn of the second, the release after it:
// Start runs at the release, so the countdown begins in the new second.
TEST(Recording, ACountdownReplaysToTheSameSecond) {
    std::ostringstream out;
    ScenarioWriter w(out, ten, 11);
    w.input(RawInput::pick("cbotime", "5"), ten + 100);
    w.input(at("cmdstart", true), ten + 1980);
    w.input(at("cmdstart", false), ten + 2040);
    w.input(RawInput::close(), ten + 9000);
    Harness h(out.str());
    h.run();
    const std::vector<std::pair<std::string, std::string>> seconds = {{"text txtzeit 5", "10:00:02"},
                                                                      {"text txtzeit 4", "10:00:03"},
                                                                      {"text txtzeit 1", "10:00:06"},
                                                                      {"sound zeit.wav", "10:00:07"}};
    for (const auto& [effect, second] : seconds) EXPECT_EQ(h.when(effect).substr(0, 8), second) << effect;
}

}  // namespace
}  // namespace quiz::test
