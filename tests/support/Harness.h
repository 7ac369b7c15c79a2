#pragma once
#include <memory>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/SideCommands.h"
#include "headless/HeadlessPlatform.h"
#include "tests/support/TestCatalogue.h"
#include "window/MainWindow.h"

namespace quiz::test {

// A whole program on the headless platform: window, game and side commands,
// driven by a scenario and read through its transcript.
class Harness {
public:
    explicit Harness(const std::string& script, const Catalogue& catalogue = testCatalogue());

    Harness& run();
    const std::vector<TranscriptLine>& lines() const { return headless.recorder().lines(); }
    // The effects in order, without their times.
    std::vector<std::string> effects() const;
    // The effects from the first one that contains `from` on, at most n of them.
    std::vector<std::string> after(const std::string& from, std::size_t n) const;
    bool saw(const std::string& effect) const;
    int count(const std::string& effect) const;
    // Time (HH:MM:SS.mmm) of the first line whose effect equals `effect`.
    std::string when(const std::string& effect) const;
    GameState& state() { return game.state(); }

    Scenario scenario;
    HeadlessPlatform headless;
    MainWindow window;
    Game game;
    SideCommands side;
};

}  // namespace quiz::test
