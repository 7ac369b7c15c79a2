// quiz-script [--sleeping-yield] FILE: runs a scenario through the headless
// platform and prints its transcript; with --sleeping-yield the yields sleep
// to the next second as the desktop's do, instead of taking 10 ms each (a
// recording of the desktop program always replays so).
// quiz-script --catalogue prints the built-in questions.
// Exit status: 0 done, 1 the transcript could not be written, 2 a wrong
// command line or a file that is no scenario (one line on standard error).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "game/SideCommands.h"
#include "headless/HeadlessPlatform.h"
#include "window/MainWindow.h"

namespace {

// Standard output, flushed: false (said on standard error) when it failed.
bool written() {
    std::cout.flush();
    if (std::cout) return true;
    std::cerr << "quiz-script: cannot write the transcript\n";
    return false;
}

int printCatalogue() {
    const quiz::Catalogue& c = quiz::Catalogue::builtIn();
    for (int n = 1; n <= c.count(); ++n) {
        const quiz::Entry& e = c.entry(n);
        std::cout << e.number << '\t' << e.key << '\t' << e.question;
        for (auto a : e.answers) std::cout << '\t' << a;
        std::cout << '\n';
    }
    return written() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--catalogue") return printCatalogue();
    const bool sleeping = argc == 3 && std::string(argv[1]) == "--sleeping-yield";
    const bool option = argc >= 2 && argv[argc - 1][0] == '-' && argv[argc - 1][1] != '\0';
    if ((argc != 2 && !sleeping) || option) {
        std::cerr << "usage: quiz-script [--sleeping-yield] FILE | quiz-script --catalogue\n";
        return 2;
    }
    const char* file = argv[argc - 1];
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        std::cerr << "quiz-script: " << file << " is a directory, not a scenario\n";
        return 2;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "quiz-script: cannot read " << file << "\n";
        return 2;
    }
    quiz::Scenario scenario;
    try {
        scenario = quiz::Scenario::parse(in);
    } catch (const quiz::ScenarioError& e) {
        std::cerr << file << ":" << e.what() << "\n";
        return 2;
    }
    quiz::HeadlessPlatform headless(scenario, &std::cout);
    quiz::MainWindow window(headless.platform());
    quiz::Game game(window, quiz::Catalogue::builtIn());
    quiz::SideCommands side(window);
    headless.attach(window);
    if (sleeping) headless.useSleepingYield();
    headless.stateLine = [&game] { return game.state().describe(); };
    headless.answerKey = [&game] { return static_cast<int>(game.state().answerKey); };
    headless.run();
    return written() ? 0 : 1;
}
