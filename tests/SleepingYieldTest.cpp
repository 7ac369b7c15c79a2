// The desktop's yield sleeps until input comes or the next second turns. In
// the headless sleeping mode the fake clock does the same, so what the
// player sees over time can be checked against the turns of the second.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

struct Change {
    std::int64_t ms;  // of the day
    std::string effect;
};

std::vector<Change> countdownBox(const Harness& h) {
    const std::string prefix = "text txtzeit ";
    std::vector<Change> out;
    for (const auto& l : h.lines())
        if (l.effect.rfind(prefix, 0) == 0) out.push_back({l.ms, l.effect.substr(prefix.size())});
    return out;
}

TEST(SleepingYield, TheCountdownShowsEveryValueInItsOwnSecond) {
    Harness h("select cbotime 5\nclick cmdstart\nwait 6.5\n");
    h.headless.useSleepingYield();
    h.run();
    const auto box = countdownBox(h);
    ASSERT_GE(box.size(), 6u);
    const std::int64_t start = 10LL * 3600 * 1000;  // the scenario's clock
    const std::vector<std::string> values = {"5", "4", "3", "2", "1", "=/\\="};
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(box[i].effect, values[i]) << "change " << i;
        // Each value shows within a few milliseconds of its second's turn.
        EXPECT_GE(box[i].ms, start + 1000 * static_cast<std::int64_t>(i)) << values[i];
        EXPECT_LE(box[i].ms, start + 1000 * static_cast<std::int64_t>(i) + 5) << values[i];
    }
    EXPECT_TRUE(h.saw("sound zeit.wav"));
    EXPECT_EQ(h.when("sound zeit.wav"), "10:00:05.001") << "the time-out at the deadline second";
    // It slept: about once a second, not once per pass.
    EXPECT_GE(h.headless.sleeps(), 6);
    EXPECT_LE(h.headless.sleeps(), 20);
}

// Every effect behind its whole second: the two kinds of yield must agree on
// what happens in which second.
std::vector<std::string> bySecond(const Harness& h) {
    std::vector<std::string> out;
    for (const auto& l : h.lines()) out.push_back(std::to_string(l.ms / 1000) + " " + l.effect);
    return out;
}

// Where two transcripts part: the lines around the first difference.
std::string firstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    if (i == a.size() && i == b.size()) return "";
    std::string out = "first difference at line " + std::to_string(i) + "\n";
    for (std::size_t j = i > 2 ? i - 2 : 0; j < i + 3; ++j) {
        out += "  " + (j < a.size() ? a[j] : std::string("(end)"));
        out += "   |   " + (j < b.size() ? b[j] : std::string("(end)")) + "\n";
    }
    return out;
}

TEST(SleepingYield, PausesAndHeldBackWaitsBehaveAsWithShortYields) {
    struct Case {
        const char* what;
        const char* script;
    };
    const std::vector<Case> cases = {
        {"time-out pause, then the next question", "select cbotime 5\nclick cmdstart\nwait 9.5\ndump\n"},
        {"no-buzz pause", "select cbospieler 2\nselect cbotime 5\nclick cmdstart\nwait 9.5\ndump\n"},
        {"a buzz nests the answer's countdown, which runs out",
         "select cbospieler 3\nselect cbotime 5\nclick cmdstart\nwait 1.5\nkey b\nwait 12.5\ndump\n"},
        {"answer pause", "select cbotime 10\nclick cmdstart\nwait 2.3\nkey right\nwait 4.2\ndump\n"},
        {"wrong-answer pause reopens the race",
         "select cbospieler 2\nselect cbotime 10\nclick cmdstart\nwait 1.4\nkey q\nwait 0.3\nkey wrong\nwait "
         "5.5\ndump\n"},
        {"a box held past the deadline",
         "select cbotime 5\nclick cmdstart\nwait 2.2\nhold 6\nclick cmdinfo\nwait 4.4\ndump\n"},
        {"New game during the countdown", "select cbotime 10\nclick cmdstart\nwait 3.6\nclick cmdneu\nwait 3\ndump\n"},
        {"a click on the background skips the answer pause",
         "select cbotime 5\nclick cmdstart\nwait 1.2\nkey right\nwait 0.4\nclickat 10500 7200\nwait 7.7\ndump\n"},
    };
    // The two kinds of yield reach a second at different milliseconds; the
    // draw mixes in only the second here, so both draw the same questions.
    const auto bySecondDraws = [](Harness& h) {
        FakeClock& clock = h.headless.clock();
        h.headless.random().setEntropy([&clock] { return static_cast<std::uint64_t>(clock.now().value()); });
    };
    for (const auto& c : cases) {
        Harness shortYields(c.script);
        bySecondDraws(shortYields);
        shortYields.run();
        Harness sleeping(c.script);
        bySecondDraws(sleeping);
        sleeping.headless.useSleepingYield();
        sleeping.run();
        EXPECT_EQ(firstDifference(bySecond(sleeping), bySecond(shortYields)), "") << c.what;
        EXPECT_GT(sleeping.headless.sleeps(), 0) << c.what;
    }
}

}  // namespace
}  // namespace quiz::test
