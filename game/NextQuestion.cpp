// Moving a running game on to a question it has not asked yet.
#include <cmath>

#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "window/MainWindow.h"

namespace quiz {

void Game::nextQuestion() {
    if (s_.gameOver != 0 || s_.gameStopped != 0) return;
    // Cannot happen with the question limits offered; should a catalogue
    // ever run dry, the game simply ends instead of drawing forever.
    bool anyLeft = false;
    for (int n = 1; n <= catalogue_.count() && !anyLeft; ++n) anyLeft = s_.asked(n) != 1;
    if (!anyLeft) {
        w_.cmdnext.setEnabled(false);
        s_.gameOver = 1;
        s_.gameStopped = 1;
        return;
    }
    if (s_.firstQuestion == 1) {
        s_.firstQuestion = 0;
        play(Cue::Glasses);
    } else {
        play(Cue::Laser);
    }
    s_.keyFocusReleased = 1;
    w_.cmdnext.setEnabled(false);
    RandomSource& random = w_.platform().random;
    random.randomize();
    auto draw = [&] {
        const double r = random.rnd();
        return static_cast<int>(std::floor(r * catalogue_.count() + 1));
    };
    int n = draw();
    s_.questionNumber = n;
    while (s_.asked(n) == 1) {
        n = draw();
        s_.questionNumber = n;
    }
    s_.asked(n) = 1;
    showQuestion(n);
    w_.txterg.setText("?");
    w_.cmdanta.setEnabled(true);
    w_.cmdantb.setEnabled(true);
    w_.cmdantc.setEnabled(true);
    w_.cmdantd.setEnabled(true);
    for (int i = 1; i <= 3; ++i) s_.lockedOut(i) = 0;
    if (playersAre("3") || playersAre("2")) {
        openBuzzerRace();
        runCountdown();
    } else {
        w_.txthit2.setEnabled(true);
        w_.txthit2.setFocus();
        runCountdown();
    }
}

void Game::showQuestion(int number) {
    const Entry& e = catalogue_.entry(number);
    w_.txtfrage.setText(std::string(e.question));
    w_.txtanta.setText(std::string(e.answers[0]));
    w_.txtantb.setText(std::string(e.answers[1]));
    w_.txtantc.setText(std::string(e.answers[2]));
    w_.txtantd.setText(std::string(e.answers[3]));
    s_.answerKey = e.key;
}

// The bare window leaves the running waits alone; the background picture,
// which covers nearly all of it, ends them first.
void Game::nextQuestionOnClick(bool onBackground) {
    if (!w_.cmdnext.enabled()) return;
    if (onBackground) s_.waitCancelled = 1;
    nextQuestion();
}

}  // namespace quiz
