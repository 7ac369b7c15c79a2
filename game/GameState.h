#pragma once
#include <string>

#include "runtime/Int16.h"
#include "runtime/TimeOfDay.h"

namespace quiz {

// The main window's record of the current game. Every number and flag starts
// at 0 and both times empty. Numbers and flags are 16-bit, overflow-checked;
// the arrays have lower bound 0 and check their upper bound. The options of
// a game are not copied here: they stay the texts of the three combo boxes.
struct GameState {
    Int16 waitCancelled;         // 1: every running wait (a pause or a countdown) ends at its next check
    Int16 gameStopped;           // 1: no game in progress (New game reset it, or the question limit was reached)
    Int16 questionNumber;        // catalogue number of the question on screen; 0 before the first
    Int16 firstQuestion;         // 1: the next question is the game's first, which has its own cue
    Int16 answerKey;             // the right answer of the question on screen: 1 to 4 for buttons "1" to "4"
    Int16 buzzerWaiting;         // 1: the buzzer race is open and the buzzer box keeps the focus
    Int16 keyFocusReleased;      // 0: the answer-key box takes the focus back whenever it loses it
    Int16Array<0, 5> points;     // points of players 1 to 3; with several players they may go below 0
    Int16Array<0, 5> percent;    // each player's points as a percentage of the finished questions
    Int16Array<0, 5> lockedOut;  // 1: this player answered the open question wrong and may not buzz for it
    Int16 questionsDone;         // questions finished in this game, shown in the counter box
    Int16Array<0, 500> asked;    // 1: this catalogue number was drawn in this game already
    Int16 currentPlayer;         // the player, 1 to 3, whose answer counts now
    Int16 clearIndex;            // loop counter of the clearing of the asked flags; nothing else reads it
    TimeOfDay clockNow;          // the countdown's latest clock reading, shared with countdowns nested in it
    TimeOfDay deadline;          // when the running countdown ends; New game pulls it to clockNow
    Int16 gameOver;              // 1: the game is over: keys are ignored and no question comes

    // Every field in its order as name=value: arrays as their elements 1..3,
    // the asked flags as their count, empty times as "-".
    std::string describe() const;
};

}  // namespace quiz
