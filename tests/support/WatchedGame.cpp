#include "tests/support/WatchedGame.h"

#include "game/Game.h"
#include "game/SideCommands.h"
#include "headless/HeadlessPlatform.h"
#include "tests/support/InvariantWatch.h"
#include "window/MainWindow.h"

namespace quiz::test {

WatchedOutcome playWatched(const Scenario& scenario, const Catalogue& catalogue, bool sleepingYield) {
    HeadlessPlatform hp(scenario, nullptr);
    MainWindow w(hp.platform());
    Game game(w, catalogue);
    SideCommands side(w);
    hp.attach(w);
    if (sleepingYield) hp.useSleepingYield();
    hp.answerKey = [&game] { return static_cast<int>(game.state().answerKey); };
    hp.stateLine = [&game] { return game.state().describe(); };
    InvariantWatch watch(w, game);
    w.addObserver(&watch);
    hp.afterStep = [&watch] { watch.check(); };
    WatchedOutcome out;
    try {
        hp.run();
        watch.check();
    } catch (const InvariantFault& f) {
        out = {false, f.what, 0};
    }
    for (const auto& l : hp.recorder().lines())
        if (l.effect.rfind("error ", 0) == 0) out = {false, "runtime error: " + l.effect.substr(6), 0};
    out.lines = hp.recorder().lines().size();
    return out;
}

}  // namespace quiz::test
