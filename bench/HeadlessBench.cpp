// Headless figures of the model: key press to "Bingo!", a whole simulated
// 50-question game, and the nesting and stack of the deepest chain.
// Prints one row per figure: name, value, unit, goal, verdict.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "game/SideCommands.h"
#include "headless/HeadlessPlatform.h"
#include "window/MainWindow.h"

using namespace quiz;
using Wall = std::chrono::steady_clock;

namespace {

struct Rig {
    explicit Rig(const Scenario& sc) : hp(sc, nullptr), w(hp.platform()), game(w, Catalogue::builtIn()), side(w) {
        hp.attach(w);
        hp.answerKey = [this] { return static_cast<int>(game.state().answerKey); };
    }
    HeadlessPlatform hp;
    MainWindow w;
    Game game;
    SideCommands side;
};

// When "Bingo!" is written, the clock is read.
struct BingoStamp : WindowObserver {
    explicit BingoStamp(MainWindow& w) : w_(w) {}
    void propertyChanged(const Control& c, Property p) override {
        if (&c == &w_.txterg && p == Property::Text && c.text() == "Bingo!") at = Wall::now();
    }
    MainWindow& w_;
    Wall::time_point at;
};

void row(const char* figure, double value, const char* unit, const char* goal, bool met) {
    std::printf("| %-58s | %12.2f %-4s | %-12s | %-4s |\n", figure, value, unit, goal, met ? "met" : "MISS");
}

double keyToBingoMicros() {
    std::vector<double> samples;
    for (int round = 0; round < 40; ++round) {
        const Scenario sc = Scenario::parse("select cbotime Kein\nselect cbofragen 50\nclick cmdstart\n");
        Rig r(sc);
        r.hp.keepRunningWithoutSteps();
        r.hp.run();  // the steps are used up with the first question on screen
        BingoStamp stamp(r.w);
        r.w.addObserver(&stamp);
        for (int q = 0; q < 45 && r.game.state().gameOver == 0; ++q) {
            const int key = '0' + r.game.state().answerKey;
            const auto t0 = Wall::now();
            r.w.input(RawInput::keyTyped(key));
            r.w.dispatch();  // also runs the pause and the next question
            samples.push_back(std::chrono::duration<double, std::micro>(stamp.at - t0).count());
        }
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

std::string worstChain() {
    std::string s = "select cbospieler 3\nselect cbotime 30\nselect cbofragen 50\nclick cmdstart\n";
    for (int i = 0; i < 50; ++i) s += "wait 1.5\nkey q\nwait 33.5\nkey b\nwait 33.5\nkey p\nwait 33.5\n";
    return s;
}

}  // namespace

int main() {
    std::printf("| %-58s | %17s | %-12s | %-4s |\n", "figure (headless)", "value", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(60, '-').c_str(), std::string(19, '-').c_str(),
                std::string(14, '-').c_str(), std::string(6, '-').c_str());
    const double bingo = keyToBingoMicros();
    row("key press to \"Bingo!\" in the model (median)", bingo, "us", "< 50 us", bingo < 50);

    const Scenario sc = Scenario::parse(worstChain());
    std::vector<double> runs;
    std::size_t stack = 0;
    int depth = 0;
    for (int i = 0; i < 7; ++i) {
        Rig r(sc);
        const auto t0 = Wall::now();
        r.hp.run();
        runs.push_back(std::chrono::duration<double, std::milli>(Wall::now() - t0).count());
        if (r.game.state().questionsDone != 50) {
            std::printf("the simulated game did not finish\n");
            return 1;
        }
        stack = r.w.stackHighWater();
        depth = r.w.maxYieldDepth();
    }
    std::sort(runs.begin(), runs.end());
    row("50 questions, 3 players, limit 30, everyone late (median)", runs[runs.size() / 2], "ms", "< 50 ms",
        runs[runs.size() / 2] < 50);
    row("deepest nesting of that chain (DoEvents levels)", depth, "", "bounded", depth < 300);
    row("stack high-water of that chain", static_cast<double>(stack) / 1024.0, "KiB", "< 1024 KiB",
        stack < 1024 * 1024);
    return 0;
}
