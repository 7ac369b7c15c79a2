// quiz-script [--sleeping-yield] FILE: runs a scenario through the headless
// platform and prints its transcript; with --sleeping-yield the yields sleep
// to the next second as the desktop's do, instead of taking 10 ms each.
// quiz-script --catalogue prints the built-in questions.
#include <fstream>
#include <iostream>
#include <sstream>

#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "game/SideCommands.h"
#include "headless/HeadlessPlatform.h"
#include "window/MainWindow.h"

namespace {

int printCatalogue() {
    const quiz::Catalogue& c = quiz::Catalogue::builtIn();
    for (int n = 1; n <= c.count(); ++n) {
        const quiz::Entry& e = c.entry(n);
        std::cout << e.number << '\t' << e.key << '\t' << e.question;
        for (auto a : e.answers) std::cout << '\t' << a;
        std::cout << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--catalogue") return printCatalogue();
    const bool sleeping = argc == 3 && std::string(argv[1]) == "--sleeping-yield";
    if (argc != 2 && !sleeping) {
        std::cerr << "usage: quiz-script [--sleeping-yield] FILE | quiz-script --catalogue\n";
        return 2;
    }
    const char* file = argv[argc - 1];
    std::ifstream in(file);
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
    return 0;
}
