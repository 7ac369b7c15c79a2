// Fuzz target: scenario text -> the parser -> on the headless platform, a
// game watched for the monkey's invariants. A scenario that the parser
// refuses is fine; a crash, a sanitizer report, a broken invariant or a
// runtime error of the game is a finding (abort).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "catalogue/Catalogue.h"
#include "headless/Scenario.h"
#include "tests/support/WatchedGame.h"

namespace {
constexpr std::int64_t maxScenarioMs = 30LL * 60 * 1000;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quiz::Scenario scenario;
    try {
        scenario = quiz::Scenario::parse(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const quiz::ScenarioError&) {
        return 0;
    }
    // Hours of waiting are only more of the same passes (a countdown yields
    // every 10 ms), and under the sanitizers they take minutes: the fuzzer
    // keeps to half an hour of the game, which holds whole games of 10 to 25
    // questions at the longest limit.
    std::int64_t waited = 0;
    for (const quiz::Step& s : scenario.steps)
        if (s.kind == quiz::Step::Kind::Wait || s.kind == quiz::Step::Kind::Hold) waited += s.ms;
    if (waited > maxScenarioMs) return 0;
    // A recording (`recorded`) plays with the sleeping yield, any other with 10 ms ones.
    const quiz::test::WatchedOutcome out = quiz::test::playWatched(scenario, quiz::Catalogue::builtIn(), false);
    if (!out.ok) {
        std::fprintf(stderr, "scenario fuzz: %s\n", out.fault.c_str());
        std::abort();
    }
    return 0;
}
