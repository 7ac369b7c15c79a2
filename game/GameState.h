#pragma once
#include <string>

#include "window/Int16.h"
#include "window/TimeOfDay.h"

namespace quiz {

// The main window's record of the current game. Every number and flag starts
// at 0 and both times empty. Numbers and flags are 16-bit, overflow-checked;
// the arrays have lower bound 0 and check their upper bound.
struct GameState {
    Int16 waitCancelled;
    Int16 gameStopped;
    Int16 questionNumber;
    Int16 firstQuestion;
    Int16 answerKey;
    Int16 buzzerWaiting;
    Int16 keyFocusReleased;
    Int16Array<0, 5> points;
    Int16Array<0, 5> percent;
    Int16Array<0, 5> lockedOut;
    Int16 questionsDone;
    Int16Array<0, 500> asked;
    Int16 currentPlayer;
    Int16 clearIndex;
    TimeOfDay clockNow;
    TimeOfDay deadline;
    Int16 gameOver;

    // Every field in its order as name=value: arrays as their elements 1..3,
    // the asked flags as their count, empty times as "-".
    std::string describe() const;
};

}  // namespace quiz
