#include "game/GameState.h"

namespace quiz {
namespace {

template <class A>
std::string players(const A& a) {
    return a(1).str() + "," + a(2).str() + "," + a(3).str();
}

}  // namespace

std::string GameState::describe() const {
    int askedCount = 0;
    for (int i = asked.lower; i <= asked.upper; ++i) askedCount += asked(i) != 0;
    return "waitCancelled=" + waitCancelled.str() + " gameStopped=" + gameStopped.str() +
           " questionNumber=" + questionNumber.str() + " firstQuestion=" + firstQuestion.str() +
           " answerKey=" + answerKey.str() + " buzzerWaiting=" + buzzerWaiting.str() +
           " keyFocusReleased=" + keyFocusReleased.str() + " points=" + players(points) +
           " percent=" + players(percent) + " lockedOut=" + players(lockedOut) +
           " questionsDone=" + questionsDone.str() + " asked=" + std::to_string(askedCount) +
           " currentPlayer=" + currentPlayer.str() + " clearIndex=" + clearIndex.str() + " clockNow=" + clockNow.str() +
           " deadline=" + deadline.str() + " gameOver=" + gameOver.str();
}

}  // namespace quiz
