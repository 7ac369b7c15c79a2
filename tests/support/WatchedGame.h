#pragma once
#include <cstddef>
#include <string>

#include "catalogue/Catalogue.h"
#include "headless/Scenario.h"

namespace quiz::test {

// How a watched game went: ok, or the first broken invariant or runtime error.
struct WatchedOutcome {
    bool ok = true;
    std::string fault;
    std::size_t lines = 0;  // of the transcript
};

// Plays a scenario on the headless platform with the InvariantWatch checking
// after every step and yield (the monkey's game; the scenario fuzz target's).
WatchedOutcome playWatched(const Scenario& scenario, const Catalogue& catalogue, bool sleepingYield);

}  // namespace quiz::test
