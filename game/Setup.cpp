// Loading the window, starting a game and resetting it.
#include "game/Game.h"
#include "window/MainWindow.h"

namespace quiz {

void Game::loadDefaults() {
    s_.gameStopped = 0;
    s_.buzzerWaiting = 0;
    w_.cbofragen.setText("15");
    w_.cbotime.setText("15");
    w_.cbospieler.setText("1");
    w_.cmdneu.setEnabled(false);
    s_.gameOver = 0;
    play(Cue::Start);
}

void Game::startGame() {
    s_.gameStopped = 0;
    s_.firstQuestion = 1;
    if (playersAre("1")) {
        s_.currentPlayer = 1;
        w_.txtdran.setText("Spieler 1!");
        w_.imgspieler1.setVisible(true);
    }
    w_.cbospieler.setEnabled(false);
    if (playersAre("3") || playersAre("2")) {
        // Runs before the counters are cleared, so it still sees the last
        // game's lock-outs and count.
        openBuzzerRace();
        w_.txtpunkte2.setVisible(true);
        w_.txtprozent2.setVisible(true);
        w_.lbls2.setVisible(true);
        if (playersAre("2")) {
            w_.lbls3.setVisible(false);
            w_.txtpunkte3.setVisible(false);
            w_.txtprozent3.setVisible(false);
        } else {
            w_.txtpunkte3.setVisible(true);
            w_.txtprozent3.setVisible(true);
            w_.lbls3.setVisible(true);
        }
    } else {
        w_.txtpunkte2.setVisible(false);
        w_.txtprozent2.setVisible(false);
        w_.txtpunkte3.setVisible(false);
        w_.txtprozent3.setVisible(false);
        w_.lbls2.setVisible(false);
        w_.lbls3.setVisible(false);
    }
    s_.gameOver = 0;
    s_.clearIndex = 0;
    while (s_.clearIndex < 500) {
        s_.asked(s_.clearIndex) = 0;
        s_.clearIndex += 1;
    }
    s_.questionNumber = 0;
    s_.questionsDone = 0;
    for (int i = 1; i <= 3; ++i) s_.lockedOut(i) = 0;
    for (int i = 1; i <= 3; ++i) s_.points(i) = 0;
    w_.txtanz.setText("0");
    for (int i = 1; i <= 3; ++i) s_.percent(i) = 0;
    w_.txterg.setText("?");
    showScores();
    w_.cbofragen.setEnabled(false);
    w_.cbotime.setEnabled(false);
    w_.cmdstart.setEnabled(false);
    w_.cmdneu.setEnabled(true);
    nextQuestion();
}

// Written to run nested inside any wait: the flags and the deadline make
// every interrupted loop end at its next check.
void Game::newGame() {
    s_.waitCancelled = 1;
    s_.gameStopped = 1;
    s_.buzzerWaiting = 0;
    w_.txtanz.setText("0");
    play(Cue::Los);
    s_.gameOver = 1;
    w_.txthit2.setEnabled(false);
    w_.cbospieler.setEnabled(true);
    w_.cbotime.setEnabled(true);
    w_.cbofragen.setEnabled(true);
    disableAnswerButtons();
    w_.cmdnext.setEnabled(false);
    for (Control* box : {&w_.txtanta, &w_.txtantb, &w_.txtantc, &w_.txtantd, &w_.txtprozent}) box->setText("");
    w_.txterg.setText("Auf ein Neues!");
    for (Control* box : {&w_.txtpunkte, &w_.txtfrage, &w_.txtpunkte2, &w_.txtpunkte3, &w_.txtprozent2, &w_.txtprozent3})
        box->setText("");
    w_.cmdstart.setEnabled(true);
    w_.cmdneu.setEnabled(false);
    s_.deadline = s_.clockNow;
    for (Control* box :
         {&w_.txtpunkte, &w_.txtpunkte2, &w_.txtpunkte3, &w_.txtprozent, &w_.txtprozent2, &w_.txtprozent3, &w_.txtzeit,
          &w_.txtanz, &w_.txtanta, &w_.txtantb, &w_.txtantc, &w_.txtantd, &w_.txtdran, &w_.txterg, &w_.txtfrage})
        box->setEnabled(true);
    w_.cmdanta.setVisible(true);
    w_.cmdantb.setVisible(true);
    w_.cmdantc.setVisible(true);
    w_.cmdantd.setVisible(true);
    w_.txtdran.setFocus();
    w_.imgspieler1.setVisible(false);
    w_.imgspieler2.setVisible(false);
    w_.imgspieler3.setVisible(false);
    w_.txtpunkte.setBackColor(Rgb::white());
    w_.txtpunkte2.setBackColor(Rgb::white());
    w_.txtpunkte3.setBackColor(Rgb::white());
    w_.txtdran.setText("");
    s_.clearIndex = 0;
    while (s_.clearIndex < 500) {
        s_.asked(s_.clearIndex) = 0;
        s_.clearIndex += 1;
    }
}

}  // namespace quiz
