// The race of two or three players for each question, and the answer keys.
#include "game/Game.h"
#include "window/MainWindow.h"

namespace quiz {

// Every player has answered the question wrong: it counts as done.
void Game::questionUsedUp() {
    s_.questionsDone += 1;
    showNumber(w_.txtanz, s_.questionsDone);
    if (number(w_.cbofragen.text()) == s_.questionsDone) {
        s_.gameOver = 1;
        s_.gameStopped = 1;
    } else {
        nextQuestion();
    }
}

void Game::openBuzzerRace() {
    if (playersAre("2") && s_.lockedOut(1) == 1 && s_.lockedOut(2) == 1) questionUsedUp();
    if (playersAre("3") && s_.lockedOut(1) == 1 && s_.lockedOut(2) == 1 && s_.lockedOut(3) == 1) questionUsedUp();
    // Also after a used-up question's Next question has returned: without a
    // time limit the race is then opened a second time.
    if (s_.gameStopped == 0) {
        play(Cue::Kling);
        w_.txtdran.setText("1:Q 2:B 3:P");
        w_.txtpunkte.setBackColor(Rgb::white());
        w_.txtpunkte2.setBackColor(Rgb::white());
        w_.txtpunkte3.setBackColor(Rgb::white());
        w_.txthit.setEnabled(true);
        w_.txthit.setFocus();
        w_.cmdanta.setVisible(false);
        w_.cmdantb.setVisible(false);
        w_.cmdantc.setVisible(false);
        w_.cmdantd.setVisible(false);
        s_.buzzerWaiting = 1;
    }
}

void Game::takeBuzzerKey(Int16& keyAscii) {
    if (s_.gameOver != 0) return;
    w_.txterg.setText("?");
    const int k = keyAscii;
    int player = 0;
    if ((k == 'q' || k == 'Q') && s_.lockedOut(1) == 0) {
        player = 1;
    } else if ((k == 'b' || k == 'B') && s_.lockedOut(2) == 0) {
        player = 2;
    } else if (playersAre("3") && (k == 'p' || k == 'P') && s_.lockedOut(3) == 0) {
        player = 3;
    }
    if (player != 0) {
        Control* scores[] = {nullptr, &w_.txtpunkte, &w_.txtpunkte2, &w_.txtpunkte3};
        Control* pictures[] = {nullptr, &w_.imgspieler1, &w_.imgspieler2, &w_.imgspieler3};
        s_.currentPlayer = player;
        w_.txtdran.setText("Spieler " + std::to_string(player) + "!");
        scores[player]->setBackColor(Rgb::red());
        for (int i = 1; i <= 3; ++i)
            if (i != player) scores[i]->setBackColor(Rgb::white());
        pictures[player]->setVisible(true);
        for (int i = 1; i <= 3; ++i)
            if (i != player) pictures[i]->setVisible(false);
    } else {
        // Nobody, a locked-out player, or "p" with two players: the race opens again.
        openBuzzerRace();
    }
    w_.txthit.setText("");
    if (player != 0) {
        s_.waitCancelled = 1;
        play(Cue::Laser);
        for (Control* b : {&w_.cmdanta, &w_.cmdantb, &w_.cmdantc, &w_.cmdantd}) b->setVisible(true);
        for (Control* b : {&w_.cmdanta, &w_.cmdantb, &w_.cmdantc, &w_.cmdantd}) b->setEnabled(true);
        s_.buzzerWaiting = 0;
        w_.txthit2.setEnabled(true);
        w_.txthit2.setFocus();
        w_.txthit.setEnabled(false);
        runCountdown();
    }
}

void Game::keepBuzzerFocus() {
    if (s_.buzzerWaiting == 1) {
        w_.txthit.setEnabled(true);
        w_.txthit.setFocus();
    }
}

void Game::takeAnswerKey(Int16& keyAscii) {
    if (s_.gameOver != 0) return;
    s_.keyFocusReleased = 0;
    // An answer key whose button cannot take the focus right now (disabled
    // during a pause, hidden during the race) is no answer: it is treated
    // like any other key instead of ending the program.
    Control* buttons[] = {&w_.cmdanta, &w_.cmdantb, &w_.cmdantc, &w_.cmdantd};
    for (int i = 0; i < 4; ++i) {
        if (keyAscii == '1' + i && buttons[i]->canTakeFocus()) {
            buttons[i]->setFocus();
            s_.keyFocusReleased = 1;
        }
    }
    w_.txthit2.setText("");
    if (s_.keyFocusReleased == 1) {
        w_.txtdran.setFocus();
        w_.txthit2.setEnabled(false);
    }
}

// While the race is open the buzzer box owns the focus; were the answer box
// to pull it back too, the two would hand it to each other without end.
void Game::keepAnswerKeyFocus() {
    if (s_.keyFocusReleased == 0 && w_.txthit2.enabled() && s_.buzzerWaiting == 0) w_.txthit2.setFocus();
}

}  // namespace quiz
