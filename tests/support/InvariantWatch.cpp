#include "tests/support/InvariantWatch.h"

namespace quiz::test {

void InvariantWatch::eventDelivered(const Control* c, EventKind k, int) {
    if (c == &w_.cmdstart && k == EventKind::Click) asked_.clear();
    if (++burst_ > 200000) throw InvariantFault{"more than 200000 events without a yield: a hang"};
}

void InvariantWatch::propertyChanged(const Control& c, Property p) {
    if (&c == &w_.txtfrage && p == Property::Text && !c.text().empty()) {
        const int n = g_.state().questionNumber;
        if (!asked_.insert(n).second) throw InvariantFault{"number " + std::to_string(n) + " asked twice in a game"};
    }
}

void InvariantWatch::check() {
    burst_ = 0;
    const GameState& s = g_.state();
    auto flag = [](const char* name, int v) {
        if (v != 0 && v != 1) throw InvariantFault{std::string(name) + " = " + std::to_string(v)};
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
        throw InvariantFault{"questionsDone " + s.questionsDone.str() + " past the limit " + w_.cbofragen.text()};
    for (const Control* box : {&w_.txtprozent, &w_.txtprozent2, &w_.txtprozent3}) {
        if (box->text().empty()) continue;
        const int v = std::stoi(box->text());
        if (v < 0 || v > 100 || std::to_string(v) != box->text())
            throw InvariantFault{box->name() + " shows " + box->text()};
    }
    if (const Control* f = w_.focus(); f && !f->canTakeFocus()) throw InvariantFault{"focus rests on " + f->name()};
}

}  // namespace quiz::test
