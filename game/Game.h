#pragma once
#include <functional>
#include <string>

#include "GameState.h"

namespace quiz {

class Catalogue;
class Control;
class MainWindow;

// The quiz's handlers over the Game state and the window model. Each concern
// lives in its own file: Setup, NextQuestion, Answers, EndOfGame, Turns and
// Countdown. Handlers call each other directly, as procedures, and every wait
// yields to the window, so a game is a chain of nested handlers.
class Game {
public:
    Game(MainWindow& window, const Catalogue& catalogue);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }

    // Setup
    void Form_Load();
    void cmdstart_Click();
    void cmdneu_GotFocus();
    // Next question
    void cmdnext_Click();
    void Form_Click();
    void imgback_Click();
    // Answers and scores
    void cmdanta_GotFocus();
    void cmdantb_GotFocus();
    void cmdantc_GotFocus();
    void cmdantd_GotFocus();
    void cmdauswert_Click();
    void cmdbadanswer_Click();
    void cmdupdate_Click();
    // End of game
    void txtanz_Change();
    // Turns
    void cmdwahl_Click();
    void txthit_KeyPress(Int16& keyAscii);
    void txthit_LostFocus();
    void cmdfocus_Click();
    void txthit2_KeyPress(Int16& keyAscii);
    void txthit2_LostFocus();
    // Countdown
    void cmdtimer_Click();

    // Rounds points / done * 100 to the nearest integer, halves to even.
    static Int16 percentOf(int points, int done);
    // The text of a combo box as a number, as the runtime converts it.
    static double number(const std::string& text);

private:
    void attachHandlers();
    void answer(int button);
    void questionUsedUp();
    void singlePlayerRating();
    void twoPlayerTests();
    void threePlayerTests();
    void announce(const char* sound, const std::string& title, const std::string& message, int style);
    void timeOut();
    void pause(const std::function<void()>& endAction);
    void showNumber(Control& box, int value);
    void disableAnswerButtons();
    bool playersAre(const char* count) const;
    void play(const char* cue);
    TimeOfDay now();

    MainWindow& w_;
    const Catalogue& catalogue_;
    GameState s_;
};

}  // namespace quiz
