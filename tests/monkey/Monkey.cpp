// quiz-monkey: plays random games through the headless platform and checks,
// after every step, what must hold whatever the players do.
//   quiz-monkey [--games N] [--first SEED] [--catalogue test|builtin] [--yield short|sleeping] [--print SEED]
// --yield sleeping plays with the desktop's sleeping yield instead of 10 ms ones.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <sstream>

#include "game/Game.h"
#include "game/SideCommands.h"
#include "headless/HeadlessPlatform.h"
#include "tests/support/TestCatalogue.h"
#include "window/MainWindow.h"

namespace {

using namespace quiz;

struct Fault {
    std::string what;
};

// Random scenario for one game; the same seed gives the same scenario.
std::string randomScenario(std::uint32_t seed, const std::string& files) {
    std::mt19937 rng(seed);
    auto chance = [&](double p) { return std::uniform_real_distribution<>(0, 1)(rng) < p; };
    auto pick = [&](const std::vector<std::string>& v) {
        return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)];
    };
    auto seconds = [&](double lo, double hi) {
        std::ostringstream s;
        s << std::uniform_int_distribution<int>(static_cast<int>(lo * 100), static_cast<int>(hi * 100))(rng) / 100.0;
        return s.str();
    };
    const std::vector<std::string> combos[] = {{"cbofragen", "10", "15", "20", "25", "35", "50"},
                                               {"cbospieler", "1", "2", "3"},
                                               {"cbotime", "5", "10", "15", "20", "30", "Kein"}};
    const std::vector<std::string> keys = {"1", "2",     "3",   "4",       "right", "right",     "wrong", "q",
                                           "b", "p",     "Q",   "B",       "P",     "x",         "a",     "0",
                                           "5", "enter", "tab", "backtab", "space", "backspace", "ä"};
    const std::vector<std::string> controls = {
        "cmdstart", "cmdneu",   "cmdanta",     "cmdantb", "cmdantc", "cmdantd",    "cmdanleit",
        "cmdinfo",  "cmdbg",    "txtfrage",    "txtanta", "txterg",  "txtdran",    "txthit",
        "txthit2",  "lblfrage", "imgspieler1", "imgback", "cmdnext", "txtpunkte2", "cbofragen"};
    std::ostringstream sc;
    sc << "seed " << seed << "\n";
    for (const auto& c : combos)
        if (chance(0.7)) sc << "select " << c[0] << " " << c[1 + rng() % (c.size() - 1)] << "\n";
    sc << (chance(0.5) ? "click cmdstart\n" : "key enter\n");
    const int steps = std::uniform_int_distribution<int>(20, 220)(rng);
    for (int i = 0; i < steps; ++i) {
        const double r = std::uniform_real_distribution<>(0, 1)(rng);
        if (r < 0.40)
            sc << "key " << pick(keys) << "\n";
        else if (r < 0.58)
            sc << "wait " << seconds(0.01, 3) << "\n";
        else if (r < 0.64)
            sc << "wait " << seconds(4, 36) << "\n";
        else if (r < 0.74)
            sc << "clickat " << rng() % 12000 << " " << rng() % 9000 << "\n";
        else if (r < 0.84)
            sc << "click " << pick(controls) << "\n";
        else if (r < 0.88) {
            const auto& c = combos[rng() % 3];
            sc << "select " << c[0] << " " << c[1 + rng() % (c.size() - 1)] << "\n";
        } else if (r < 0.92)
            sc << "click cmdneu\n";
        else if (r < 0.95)
            sc << "hold " << seconds(0, 12) << "\n";
        else if (r < 0.97)
            sc << "file " << files << "/" << pick({"bild.png", "text.jpg", "fehlt.gif", ".", "leer.bmp"}) << "\n";
        else if (r < 0.985)
            sc << "click cmdstart\n";
        else if (r < 0.993)
            sc << "click cmdende\n";
        else if (r < 0.997)
            sc << "close\n";
        else
            sc << "dump\n";
    }
    return sc.str();
}

// Watches one game: numbers drawn since the last Start, and a bound on the
// events delivered without time passing (a hang).
class Watch : public WindowObserver {
public:
    Watch(MainWindow& w, Game& g) : w_(w), g_(g) {}
    void eventDelivered(const Control* c, EventKind k, int) override {
        if (c == &w_.cmdstart && k == EventKind::Click) asked_.clear();
        if (++burst_ > 200000) throw Fault{"more than 200000 events without a yield: a hang"};
    }
    void propertyChanged(const Control& c, Property p) override {
        if (&c == &w_.txtfrage && p == Property::Text && !c.text().empty()) {
            const int n = g_.state().questionNumber;
            if (!asked_.insert(n).second) throw Fault{"number " + std::to_string(n) + " asked twice in a game"};
        }
    }
    void check() {
        burst_ = 0;
        const GameState& s = g_.state();
        auto flag = [](const char* name, int v) {
            if (v != 0 && v != 1) throw Fault{std::string(name) + " = " + std::to_string(v)};
        };
        flag("waitCancelled", s.waitCancelled);
        flag("gameStopped", s.gameStopped);
        flag("firstQuestion", s.firstQuestion);
        flag("buzzerWaiting", s.buzzerWaiting);
        flag("keyFocusReleased", s.keyFocusReleased);
        flag("gameOver", s.gameOver);
        for (int i = 1; i <= 3; ++i) flag("lockedOut", s.lockedOut(i));
        for (int i = 0; i <= 500; ++i) flag("asked", s.asked(i));
        if (s.gameOver == 0 && s.questionsDone > Game::number(w_.cbofragen.text()))
            throw Fault{"questionsDone " + s.questionsDone.str() + " past the limit " + w_.cbofragen.text()};
        for (const Control* box : {&w_.txtprozent, &w_.txtprozent2, &w_.txtprozent3}) {
            if (box->text().empty()) continue;
            const int v = std::stoi(box->text());
            if (v < 0 || v > 100 || std::to_string(v) != box->text())
                throw Fault{box->name() + " shows " + box->text()};
        }
        if (const Control* f = w_.focus(); f && !f->canTakeFocus()) throw Fault{"focus rests on " + f->name()};
    }

private:
    MainWindow& w_;
    Game& g_;
    std::set<int> asked_;
    long burst_ = 0;
};

struct Outcome {
    bool ok = true;
    std::string fault;
    std::size_t lines = 0;
};

Outcome play(const std::string& script, const Catalogue& catalogue, bool sleeping) {
    const Scenario sc = Scenario::parse(script);
    HeadlessPlatform hp(sc, nullptr);
    MainWindow w(hp.platform());
    Game game(w, catalogue);
    SideCommands side(w);
    hp.attach(w);
    if (sleeping) hp.useSleepingYield();
    hp.answerKey = [&game] { return static_cast<int>(game.state().answerKey); };
    hp.stateLine = [&game] { return game.state().describe(); };
    Watch watch(w, game);
    w.addObserver(&watch);
    hp.afterStep = [&watch] { watch.check(); };
    Outcome out;
    try {
        hp.run();
        watch.check();
    } catch (const Fault& f) {
        out = {false, f.what, 0};
    }
    for (const auto& l : hp.recorder().lines())
        if (l.effect.rfind("error ", 0) == 0) out = {false, "runtime error: " + l.effect.substr(6), 0};
    out.lines = hp.recorder().lines().size();
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    long games = 2000;
    std::uint32_t first = 1;
    bool builtin = false;
    long printSeed = -1;
    bool sleeping = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--games")
            games = std::stol(argv[i + 1]);
        else if (a == "--first")
            first = static_cast<std::uint32_t>(std::stoul(argv[i + 1]));
        else if (a == "--catalogue")
            builtin = std::string(argv[i + 1]) == "builtin";
        else if (a == "--print")
            printSeed = std::stol(argv[i + 1]);
        else if (a == "--yield")
            sleeping = std::string(argv[i + 1]) == "sleeping";
    }
    // A few files for the background dialog: a picture, text named .jpg, an empty file.
    const auto files = std::filesystem::temp_directory_path() / ("quiz-monkey-" + std::to_string(::getpid()));
    std::filesystem::create_directories(files);
    std::ofstream(files / "bild.png", std::ios::binary) << std::string("\x89PNG\r\n\x1a\n", 8) << std::string(16, '\0');
    std::ofstream(files / "text.jpg") << "kein Bild";
    std::ofstream(files / "leer.bmp");
    if (printSeed >= 0) {
        std::cout << randomScenario(static_cast<std::uint32_t>(printSeed), files.string());
        std::filesystem::remove_all(files);
        return 0;
    }
    const Catalogue& catalogue = builtin ? Catalogue::builtIn() : test::testCatalogue();
    long failed = 0;
    std::size_t lines = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long g = 0; g < games; ++g) {
        const std::uint32_t seed = first + static_cast<std::uint32_t>(g);
        const Outcome o = play(randomScenario(seed, files.string()), catalogue, sleeping);
        lines += o.lines;
        if (!o.ok) {
            ++failed;
            std::cout << "FAIL seed " << seed << ": " << o.fault << "  (replay: quiz-monkey --print " << seed << ")\n";
        }
    }
    std::filesystem::remove_all(files);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "seeds " << first << ".." << first + games - 1 << ", " << lines << " transcript lines, " << secs
              << " s\n";
    std::cout << (games - failed) << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
