// quiz-monkey: plays random games through the headless platform and checks,
// after every step, what must hold whatever the players do.
//   quiz-monkey [--games N] [--first SEED] [--catalogue test|builtin] [--yield short|sleeping] [--print SEED]
// --yield sleeping plays with the desktop's sleeping yield instead of 10 ms ones.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>

#include <unistd.h>

#include "catalogue/Catalogue.h"
#include "headless/Scenario.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WatchedGame.h"

namespace {

using namespace quiz;

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

constexpr int usageError = 2;
constexpr const char* usage =
    "usage: quiz-monkey [--games N] [--first SEED] [--catalogue test|builtin] [--yield short|sleeping] "
    "[--print SEED]";

// A plain decimal within 0..max; nullopt otherwise.
std::optional<std::uint64_t> count(const std::string& s, std::uint64_t max) {
    if (s.empty() || s.size() > 19 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const std::uint64_t v = std::stoull(s);
    if (v > max) return std::nullopt;
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t games = 2000;
    std::uint64_t first = 1;
    bool builtin = false;
    std::optional<std::uint64_t> printSeed;
    bool sleeping = false;
    const std::uint64_t lastSeed = UINT32_MAX;
    auto refuse = [](const std::string& why) {
        std::cerr << "quiz-monkey: " << why << " (" << usage << ")\n";
        return usageError;
    };
    for (int i = 1; i < argc; i += 2) {
        const std::string a = argv[i];
        if (a != "--games" && a != "--first" && a != "--catalogue" && a != "--print" && a != "--yield")
            return refuse("unknown option '" + a + "'");
        if (i + 1 >= argc) return refuse(a + " needs a value");
        const std::string v = argv[i + 1];
        if (a == "--games") {
            const auto n = count(v, 1000000000);
            if (!n) return refuse("--games wants a number of games from 0 to 1000000000, not '" + v + "'");
            games = *n;
        } else if (a == "--first" || a == "--print") {
            const auto n = count(v, lastSeed);
            if (!n) return refuse(a + " wants a seed from 0 to " + std::to_string(lastSeed) + ", not '" + v + "'");
            if (a == "--first")
                first = *n;
            else
                printSeed = *n;
        } else if (a == "--catalogue") {
            if (v != "test" && v != "builtin") return refuse("--catalogue wants test or builtin, not '" + v + "'");
            builtin = v == "builtin";
        } else {
            if (v != "short" && v != "sleeping") return refuse("--yield wants short or sleeping, not '" + v + "'");
            sleeping = v == "sleeping";
        }
    }
    // Seeds are 32 bits: the range must not wrap around.
    if (games > 0 && first + games - 1 > lastSeed)
        return refuse("seeds " + std::to_string(first) + ".." + std::to_string(first + games - 1) +
                      " go past the 32-bit limit " + std::to_string(lastSeed));
    // A few files for the background dialog: a picture, text named .jpg, an empty file.
    const auto files = std::filesystem::temp_directory_path() / ("quiz-monkey-" + std::to_string(::getpid()));
    std::filesystem::create_directories(files);
    std::ofstream(files / "bild.png", std::ios::binary) << std::string("\x89PNG\r\n\x1a\n", 8) << std::string(16, '\0');
    std::ofstream(files / "text.jpg") << "kein Bild";
    std::ofstream(files / "leer.bmp");
    if (printSeed) {
        std::cout << randomScenario(static_cast<std::uint32_t>(*printSeed), files.string());
        std::filesystem::remove_all(files);
        return 0;
    }
    const Catalogue& catalogue = builtin ? Catalogue::builtIn() : test::testCatalogue();
    std::uint64_t failed = 0;
    std::size_t lines = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t g = 0; g < games; ++g) {
        const auto seed = static_cast<std::uint32_t>(first + g);
        const test::WatchedOutcome o =
            test::playWatched(Scenario::parse(randomScenario(seed, files.string())), catalogue, sleeping);
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
