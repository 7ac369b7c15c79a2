#pragma once
#include <functional>
#include <string>

#include "game/Cue.h"
#include "game/GameState.h"
#include "window/platform/MessageBoxes.h"

namespace quiz {

class Catalogue;
class Control;
class MainWindow;

// The quiz's handlers over the Game state and the window model. Each concern
// lives in its own file: Setup, NextQuestion, Answers, EndOfGame, Turns and
// Countdown. The procedures call each other directly, and every wait yields
// to the window, so a game is a chain of nested procedures.
//
// The window calls the entry points under the names of its events (the
// control, an underscore, the event); each is one line that calls the
// procedure with the name of what it does.
class Game {
public:
    Game(MainWindow& window, const Catalogue& catalogue);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }

    // --- What the game does ------------------------------------------------
    // Setup: the window's defaults at load; a new game with the chosen
    // options; the reset that ends whatever runs and opens the options again.
    void loadDefaults();
    void startGame();
    void newGame();
    // The next question: draws one not yet asked, shows it, opens the turn
    // and runs its countdown; a no-op while no game runs.
    void nextQuestion();
    // A click anywhere on the window calls the next question while that is
    // allowed; a click on the background also ends the running waits.
    void nextQuestionOnClick(bool onBackground);
    // Writes catalogue entry n into the question and answer boxes and makes
    // its key the current one.
    void showQuestion(int number);
    // Answers: an answer button got the focus; the pause after a finished
    // question; the pause after a wrong answer of one of several players;
    // points and percentages of all three players into their boxes.
    void takeAnswer(int button);
    void answerPause();
    void wrongAnswerPause();
    void showScores();
    // The counter of finished questions changed: scores, and at the limit
    // the end of the game with its rating or ranking.
    void checkEndOfGame();
    // Turns: the buzzer race opens (or a question that every player
    // answered wrong counts as done); a key in the buzzer box; the buzzer
    // box keeps the focus while the race is open; a key in the answer-key
    // box; the answer-key box keeps the focus after a key that was no answer.
    void openBuzzerRace();
    void takeBuzzerKey(Int16& keyAscii);
    void keepBuzzerFocus();
    void takeAnswerKey(Int16& keyAscii);
    void keepAnswerKeyFocus();
    // The time limit of a question or a turn: counts down in the countdown
    // box, yielding to the window, and takes the time-out at the deadline.
    void runCountdown();

    // --- The window's events -------------------------------------------------
    void Form_Load() { loadDefaults(); }
    void Form_Click() { nextQuestionOnClick(false); }
    void imgback_Click() { nextQuestionOnClick(true); }
    void cmdstart_Click() { startGame(); }
    void cmdneu_GotFocus() { newGame(); }
    void cmdanta_GotFocus() { takeAnswer(1); }
    void cmdantb_GotFocus() { takeAnswer(2); }
    void cmdantc_GotFocus() { takeAnswer(3); }
    void cmdantd_GotFocus() { takeAnswer(4); }
    void txtanz_Change() { checkEndOfGame(); }
    void txthit_KeyPress(Int16& keyAscii) { takeBuzzerKey(keyAscii); }
    void txthit_LostFocus() { cmdfocus_Click(); }
    void txthit2_KeyPress(Int16& keyAscii) { takeAnswerKey(keyAscii); }
    void txthit2_LostFocus() { keepAnswerKeyFocus(); }
    // The invisible buttons whose Click is a procedure of the game.
    void cmdnext_Click() { nextQuestion(); }
    void cmdauswert_Click() { answerPause(); }
    void cmdbadanswer_Click() { wrongAnswerPause(); }
    void cmdupdate_Click() { showScores(); }
    void cmdwahl_Click() { openBuzzerRace(); }
    void cmdtimer_Click() { runCountdown(); }
    void cmdfocus_Click() { keepBuzzerFocus(); }

    // Rounds points / done * 100 to the nearest integer, halves to even.
    static Int16 percentOf(int points, int done);
    // The text of a combo box as a number, as the runtime converts it.
    static double number(const std::string& text);

private:
    void attachHandlers();      // ties the entry points to the window's events
    void questionUsedUp();      // every player answered wrong: the question counts as done
    void singlePlayerRating();  // the rating of one player by percentage, in a message box
    void twoPlayerResult();     // the winner of two players, or a tie
    void threePlayerRanking();  // the ranking of three players
    void announce(Cue cue, const std::string& title, const std::string& message, BoxStyle style);  // cue, then box
    void timeOut();                                               // the countdown reached its deadline
    void twoSecondPause(const std::function<void()>& endAction);  // the pauses after a time-out
    void showNumber(Control& box, int value);                     // a number as its plain decimal text
    void disableAnswerButtons();                                  // buttons "1" to "4", in this order
    bool playersAre(const char* count) const;                     // the player count's text, compared as text
    void play(Cue cue);                                           // a sound cue, asynchronously
    TimeOfDay now();                                              // the clock, in whole seconds

    MainWindow& w_;
    const Catalogue& catalogue_;
    GameState s_;
};

}  // namespace quiz
