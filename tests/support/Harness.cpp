#include "tests/support/Harness.h"

#include <algorithm>

namespace quiz::test {

Harness::Harness(const std::string& script, const Catalogue& catalogue)
    : scenario(Scenario::parse(script)),
      headless(scenario, nullptr),
      window(headless.platform()),
      game(window, catalogue),
      side(window) {
    headless.attach(window);
    headless.stateLine = [this] { return game.state().describe(); };
    headless.answerKey = [this] { return static_cast<int>(game.state().answerKey); };
}

Harness& Harness::run() {
    headless.run();
    return *this;
}

std::vector<std::string> Harness::effects() const {
    std::vector<std::string> out;
    for (const auto& l : lines()) out.push_back(l.effect);
    return out;
}

std::vector<std::string> Harness::after(const std::string& from, std::size_t n) const {
    const auto all = effects();
    auto it =
        std::find_if(all.begin(), all.end(), [&](const std::string& e) { return e.find(from) != std::string::npos; });
    std::vector<std::string> out;
    for (; it != all.end() && out.size() < n; ++it) out.push_back(*it);
    return out;
}

bool Harness::saw(const std::string& effect) const { return count(effect) > 0; }

int Harness::count(const std::string& effect) const {
    const auto all = effects();
    return static_cast<int>(std::count(all.begin(), all.end(), effect));
}

std::string Harness::when(const std::string& effect) const {
    for (const auto& l : lines())
        if (l.effect == effect) return Recorder::stamp(l.ms);
    return {};
}

}  // namespace quiz::test
