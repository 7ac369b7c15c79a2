// The time limit of each question: a blocking countdown that yields to the
// window, its time-out and the two pauses that follow one.
#include "game/Game.h"
#include "window/MainWindow.h"

namespace quiz {

// deadline and clockNow are shared with every countdown nested inside this
// one; when a nested one returns, this one goes on with what it left.
void Game::runCountdown() {
    if (s_.gameStopped != 0) return;
    w_.txterg.setText("?");
    if (w_.cbotime.text() == "Kein") {
        w_.txtzeit.setText("=/\\=");
        return;
    }
    s_.deadline = now().plus(static_cast<std::int64_t>(number(w_.cbotime.text())));
    s_.clockNow = now();
    s_.waitCancelled = 0;
    while (TimeOfDay::diff(s_.deadline, s_.clockNow) < 0 && s_.gameOver == 0 && s_.waitCancelled == 0) {
        if (w_.closed()) w_.endProgram();
        if (s_.gameStopped == 1) s_.deadline = s_.clockNow;
        w_.doEvents();
        w_.txtzeit.setText(std::to_string(TimeOfDay::diff(s_.clockNow, s_.deadline)));
        s_.clockNow = now();
        if (TimeOfDay::diff(s_.deadline, s_.clockNow) == 0 && s_.gameOver == 0) timeOut();
    }
    w_.txtzeit.setText("=/\\=");
}

void Game::timeOut() {
    s_.keyFocusReleased = 1;
    s_.waitCancelled = 1;
    if (s_.gameStopped != 0) return;
    play(Cue::Zeit);
    w_.txtzeit.setText("=/\\=");
    w_.txterg.setText("Zeit abgelaufen!");
    if (playersAre("1")) {
        s_.questionsDone += 1;
        showNumber(w_.txtanz, s_.questionsDone);
    } else if (w_.txthit.enabled()) {
        // Nobody buzzed: the question is done, nobody loses a point.
        s_.questionsDone += 1;
        showNumber(w_.txtanz, s_.questionsDone);
        if (s_.gameOver == 0) {
            twoSecondPause([this] {
                s_.waitCancelled = 1;
                if (s_.gameOver == 0) nextQuestion();
            });
        }
    } else {
        // The player who buzzed did not answer in time.
        if (s_.gameOver == 0) wrongAnswerPause();
    }
    disableAnswerButtons();
    if (s_.gameOver == 0) w_.cmdnext.setEnabled(true);
    showNumber(w_.txtanz, s_.questionsDone);
    showScores();
    twoSecondPause([this] {
        if (playersAre("1") && s_.gameOver == 0 && w_.cmdnext.enabled()) {
            s_.waitCancelled = 1;
            nextQuestion();
        }
    });
}

// Two seconds to a target second; the end action runs in the pass whose
// reading reaches it. A pause held past its target by nested handlers never
// reaches it again and ends only when the game is over or the wait cancelled.
void Game::twoSecondPause(const std::function<void()>& endAction) {
    const TimeOfDay target = now().plus(2);
    TimeOfDay reading = now();
    s_.waitCancelled = 0;
    while (TimeOfDay::diff(target, reading) != 0 && s_.gameOver == 0 && s_.waitCancelled == 0) {
        if (w_.closed()) w_.endProgram();
        w_.doEvents();
        reading = now();
        if (TimeOfDay::diff(target, reading) == 0 && s_.gameStopped == 0) endAction();
    }
}

}  // namespace quiz
