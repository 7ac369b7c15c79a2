// Taking an answer, keeping the score and the two pauses after an answer.
#include "game/Game.h"
#include "window/MainWindow.h"

namespace quiz {

// An answer is taken when its button receives the focus.
void Game::takeAnswer(int button) {
    s_.keyFocusReleased = 1;
    if (s_.answerKey == button) {
        s_.questionsDone += 1;
        play(Cue::Kommuni);
        w_.txterg.setText("Bingo!");
        s_.points(s_.currentPlayer) += 1;
        showScores();
    } else {
        play(Cue::Glass);
        w_.txterg.setText("Falsch!");
        if (!playersAre("1")) wrongAnswerPause();
        if (playersAre("1")) {
            s_.questionsDone += 1;
            showScores();
        }
    }
    // Read again: a nested question may have changed the key meanwhile.
    if (playersAre("1") || s_.answerKey == button) answerPause();
}

// The pause after a completed question: the next question comes by itself at
// the target second, unless one came earlier or the game is over.
void Game::answerPause() {
    disableAnswerButtons();
    w_.cmdnext.setEnabled(true);
    showNumber(w_.txtanz, s_.questionsDone);
    showScores();
    const TimeOfDay target = now().plus(2);
    TimeOfDay reading = now();
    s_.waitCancelled = 0;
    // The head test sees the reading of the pass before, so the loop ends
    // right after the next question has returned, however long it ran.
    while (TimeOfDay::diff(target, reading) != 0 && s_.waitCancelled == 0) {
        if (w_.closed()) w_.endProgram();
        w_.doEvents();
        reading = now();
        if (TimeOfDay::diff(target, reading) == 0 && w_.cmdnext.enabled()) {
            s_.waitCancelled = 1;
            nextQuestion();
        }
    }
}

// The pause after a wrong answer of one of several players: then the race
// opens again for the others.
void Game::wrongAnswerPause() {
    w_.txtdran.setFocus();
    disableAnswerButtons();
    s_.points(s_.currentPlayer) -= 1;
    s_.lockedOut(s_.currentPlayer) = 1;
    showScores();
    const TimeOfDay target = now().plus(2);
    TimeOfDay reading = now();
    s_.waitCancelled = 0;
    while (TimeOfDay::diff(target, reading) != 0 && s_.gameStopped == 0 && s_.waitCancelled == 0) {
        if (w_.closed()) w_.endProgram();
        w_.doEvents();
        reading = now();
        if (TimeOfDay::diff(target, reading) == 0 && s_.gameStopped == 0) {
            s_.waitCancelled = 1;
            openBuzzerRace();
            runCountdown();
        }
    }
}

// Always all three players, whatever the player count.
void Game::showScores() {
    Control* percentBox[] = {nullptr, &w_.txtprozent, &w_.txtprozent2, &w_.txtprozent3};
    for (int i = 1; i <= 3; ++i) {
        if (s_.points(i) <= 0) {
            percentBox[i]->setText("0");  // percent(i) keeps its value
        } else {
            s_.percent(i) = percentOf(s_.points(i), s_.questionsDone);
            showNumber(*percentBox[i], s_.percent(i));
        }
    }
    showNumber(w_.txtpunkte, s_.points(1));
    showNumber(w_.txtpunkte2, s_.points(2));
    showNumber(w_.txtpunkte3, s_.points(3));
}

}  // namespace quiz
