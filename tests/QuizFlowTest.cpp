// Questions, answers, scores and the end of a game.
#include <set>

#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

// Every question drawn in the transcript, in order.
std::vector<int> questionsShown(const Harness& h) {
    std::vector<int> out;
    for (const auto& e : h.effects())
        if (e.rfind("text txtfrage Frage ", 0) == 0) out.push_back(std::stoi(e.substr(20)));
    return out;
}

TEST(QuizFlow, OnePlayerGameWithoutLimitPlaysToItsRating) {
    // 35 questions, 17 right; every other one moved on by a click on the window.
    std::string script = "select cbotime Kein\nselect cbofragen 35\nclick cmdstart\n";
    for (int i = 0; i < 35; ++i) {
        script += i < 17 ? "key right\n" : "key wrong\n";
        script += (i % 2 == 0) ? "wait 0.5\nclickat 5000 5000\nwait 0.5\n" : "wait 2.5\n";
    }
    script += "dump\n";
    Harness h(script);
    h.run();
    const auto shown = questionsShown(h);
    EXPECT_EQ(shown.size(), 35u);
    EXPECT_EQ(std::set<int>(shown.begin(), shown.end()).size(), shown.size()) << "no number comes twice";
    EXPECT_EQ(h.count("text txterg Bingo!"), 17);
    EXPECT_EQ(h.state().questionsDone, 35);
    EXPECT_EQ(h.state().percent(1), 49);
    EXPECT_TRUE(h.saw("msgbox 16 | Ergebnis | Naja, das war ja nich so doll, gell?"));
    EXPECT_EQ(h.window.txterg.text(), "Schwach!");
    EXPECT_EQ(h.window.txtzeit.text(), "=/\\=");
    EXPECT_EQ(h.count("sound endrunde.wav"), 1);
    EXPECT_EQ(h.count("sound glasses.wav"), 1);
    EXPECT_EQ(h.count("sound laser.wav"), 34);
    EXPECT_FALSE(h.window.cmdnext.enabled());
    EXPECT_EQ(h.window.focus(), &h.window.txtdran);
}

// Answers by key and by mouse, next questions by the pause and by clicks on
// the window: the rating follows from the right answers counted.
TEST(QuizFlow, MouseAndKeysMixedPlayToTheRating) {
    std::string script = "select cbotime Kein\nselect cbofragen 10\nclick cmdstart\n";
    const char* answers[] = {"key right\n", "click cmdanta\n", "key wrong\n", "click cmdantc\n", "key right\n"};
    for (int i = 0; i < 10; ++i) {
        script += answers[i % 5];
        script += i % 2 ? "wait 0.3\nclickat 9000 4500\nwait 0.3\n" : "wait 2.5\n";
    }
    Harness h(script);
    h.run();
    const int right = h.count("text txterg Bingo!");
    EXPECT_EQ(right + h.count("text txterg Falsch!"), 10);
    EXPECT_EQ(h.state().points(1), right);
    EXPECT_EQ(h.state().percent(1), right * 10);
    EXPECT_EQ(h.count("sound endrunde.wav"), 1);
    EXPECT_EQ(h.count("event imgback Click"), 5);
    EXPECT_EQ(h.count("sound laser.wav"), 9);
}

TEST(QuizFlow, AnswerButtonsByMouseAndTheirEffects) {
    Harness h("select cbotime Kein\nclick cmdstart\ndump\n");
    h.run();
    const int key = h.state().answerKey;
    Control* buttons[] = {&h.window.cmdanta, &h.window.cmdantb, &h.window.cmdantc, &h.window.cmdantd};
    Harness right(std::string("seed 1\nselect cbotime Kein\nclick cmdstart\nclick ") + buttons[key - 1]->name() +
                  "\nwait 3\n");
    right.run();
    EXPECT_EQ(right.after("event " + buttons[key - 1]->name() + " GotFocus", 4),
              (std::vector<std::string>{"event " + buttons[key - 1]->name() + " GotFocus", "sound kommuni.wav",
                                        "text txterg Bingo!", "event txterg Change"}));
    EXPECT_EQ(right.state().points(1), 1);
    Harness wrong(std::string("seed 1\nselect cbotime Kein\nclick cmdstart\nclick ") + buttons[key % 4]->name() +
                  "\nwait 3\n");
    wrong.run();
    EXPECT_TRUE(wrong.saw("sound glass.wav"));
    EXPECT_TRUE(wrong.saw("text txterg Falsch!"));
    EXPECT_EQ(wrong.state().points(1), 0);
    EXPECT_EQ(wrong.state().questionsDone, 1);
    EXPECT_TRUE(wrong.saw("text txtprozent2 0")) << "the other players' boxes are written too";
}

TEST(QuizFlow, TheAnswerPauseEndsAtItsTargetWithoutASecondQuestionAfterAClick) {
    Harness h("select cbotime Kein\nclick cmdstart\nkey right\nwait 0.5\nclickat 5000 5000\nwait 4\n");
    h.run();
    EXPECT_EQ(questionsShown(h).size(), 2u) << "the click brought the second question; the pause added none";
    EXPECT_TRUE(h.saw("event imgback Click"));
    EXPECT_EQ(h.state().waitCancelled, 1) << "imgback sets it before Next question";
}

TEST(QuizFlow, AClickOnTheBareWindowLeavesWaitCancelledAlone) {
    Harness h("");
    h.run();
    h.state().waitCancelled = 0;
    h.window.cmdnext.setEnabled(false);
    h.game.Form_Click();
    h.game.imgback_Click();
    EXPECT_EQ(h.state().waitCancelled, 0) << "cmdnext disabled: neither does anything";
    EXPECT_EQ(h.count("sound laser.wav") + h.count("sound glasses.wav"), 0);
}

TEST(QuizFlow, NextQuestionIsANoOpWhenTheGameIsOverOrStopped) {
    Harness h("");
    h.run();
    const auto before = h.lines().size();
    for (auto flags : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
        h.state().gameOver = flags.first;
        h.state().gameStopped = flags.second;
        h.game.cmdnext_Click();
    }
    EXPECT_EQ(h.lines().size(), before);
}

TEST(QuizFlow, PercentagesRoundHalfToEven) {
    struct Case {
        int points, done, percent;
    };
    for (const auto& c : std::vector<Case>{{1, 8, 12},
                                           {3, 8, 38},
                                           {2, 3, 67},
                                           {1, 3, 33},
                                           {8, 8, 100},
                                           {5, 8, 62},
                                           {7, 8, 88},
                                           {1, 200, 0},
                                           {1, 40, 2},
                                           {3, 40, 8}})
        EXPECT_EQ(Game::percentOf(c.points, c.done), c.percent) << c.points << "/" << c.done;
    EXPECT_THROW(Game::percentOf(1, 0), RuntimeError);
    EXPECT_THROW(Game::percentOf(400, 1), RuntimeError) << "past 16 bits";
}

TEST(QuizFlow, ScoreDisplayShowsZeroForNoPointsAndKeepsThePercent) {
    Harness h("");
    h.run();
    auto& s = h.state();
    s.questionsDone = 4;
    s.points(1) = 3;
    s.points(2) = -1;
    s.percent(2) = 25;
    s.points(3) = 0;
    h.game.cmdupdate_Click();
    EXPECT_EQ(h.window.txtprozent.text(), "75");
    EXPECT_EQ(h.window.txtprozent2.text(), "0");
    EXPECT_EQ(s.percent(2), 25);
    EXPECT_EQ(h.window.txtpunkte2.text(), "-1");
    EXPECT_EQ(h.window.txtpunkte3.text(), "0");
}

// The end of a game, fed the points directly.
class EndOfGame : public ::testing::Test {
protected:
    EndOfGame() : h("") { h.run(); }
    void finish(const char* players, int p1, int p2, int p3, int done = 10) {
        h.window.txtanz.setText("");
        h.window.cbospieler.setText(players);
        h.window.cbofragen.setText("10");
        auto& s = h.state();
        s.points(1) = p1;
        s.points(2) = p2;
        s.points(3) = p3;
        s.questionsDone = done;
        s.gameOver = 0;
        h.headless.recorder().clear();
        h.window.txtanz.setText(std::to_string(done));
    }
    std::vector<std::string> boxesAndSounds() const {
        std::vector<std::string> out;
        for (const auto& e : h.effects())
            if (e.rfind("msgbox", 0) == 0 || e.rfind("sound", 0) == 0) out.push_back(e);
        return out;
    }
    Harness h;
};

TEST_F(EndOfGame, TwoPlayers) {
    struct Case {
        int p1, p2;
        const char* sound;
        const char* box;
        const char* word;
    };
    const std::vector<Case> cases = {
        {3, 1, "jubel.wav", "64 | Sieger: Spieler1 | Gratualtion Spieler1!!!! Diese Runde geht an Dich!", "Spitze!!!"},
        {-1, -2, "jubel.wav", "64 | Sieger: Spieler1 | Gratualtion Spieler1!!!! Diese Runde geht an Dich!",
         "Spitze!!!"},
        {0, 4, "jubel.wav", "64 | Sieger: Spieler2 | And the Winner is.... Player2!!!! Congratulations!", "Super!!!"},
        {2, 2, "faszinierend.wav", "64 | Unentschieden | Heute gibt es keinen Sieger.", "Remis!"},
        {0, 0, "faszinierend.wav", "64 | Unentschieden | Heute gibt es keinen Sieger.", "Remis!"},
        {-3, -3, "faszinierend.wav", "64 | Unentschieden | Heute gibt es keinen Sieger.", "Remis!"},
    };
    for (const auto& c : cases) {
        finish("2", c.p1, c.p2, 0);
        EXPECT_EQ(boxesAndSounds(), (std::vector<std::string>{std::string("sound ") + c.sound,
                                                              std::string("msgbox ") + c.box, "sound endrunde.wav"}))
            << c.p1 << ":" << c.p2;
        EXPECT_EQ(h.window.txterg.text(), c.word);
        EXPECT_EQ(h.state().gameOver, 1);
        EXPECT_EQ(h.state().gameStopped, 1);
        EXPECT_EQ(h.window.txtzeit.text(), "=/\\=");
    }
}

TEST_F(EndOfGame, ThreePlayersAllThirteenOutcomes) {
    struct Case {
        int p1, p2, p3;
        const char* sound;
        const char* message;
    };
    const std::vector<Case> cases = {
        {3, 2, 1, "jubel.wav", "Sieger: Spieler1 =/\\= Vorletzter: Spieler2 =/\\= Letzter: Spieler3"},
        {3, 1, 2, "jubel.wav", "Sieger: Spieler1 =/\\= Vorletzter: Spieler3 =/\\= Letzter: Spieler2"},
        {2, 1, 1, "jubel.wav", "Sieger: Spieler1 =/\\= Spieler2 und Spieler3 teilen sich den 2. Platz"},
        {2, 3, 1, "jubel.wav", "Sieger: Spieler2 =/\\= Vorletzter: Spieler1 =/\\= Letzter: Spieler3"},
        {1, 3, 2, "jubel.wav", "Sieger: Spieler2 =/\\= Vorletzter: Spieler3 =/\\= Letzter: Spieler1"},
        {-1, 0, -1, "jubel.wav", "Sieger: Spieler2 =/\\= Spieler1 und Spieler3 teilen sich den 2. Platz"},
        {1, 2, 3, "jubel.wav", "Sieger: Spieler3 =/\\= Vorletzter: Spieler2 =/\\= Letzter: Spieler1"},
        {2, 1, 3, "jubel.wav", "Sieger: Spieler3 =/\\= Vorletzter: Spieler1 =/\\= Letzter: Spieler2"},
        {1, 1, 5, "jubel.wav", "Sieger: Spieler3 =/\\= Spieler2 und Spieler1 teilen sich den 2. Platz"},
        {2, 1, 2, "faszinierend.wav", "Den Sieg teilen sich Spieler1 und Spieler3"},
        {2, 2, 1, "faszinierend.wav", "Den Sieg teilen sich Spieler1 und Spieler2"},
        {1, 2, 2, "faszinierend.wav", "Den Sieg teilen sich Spieler2 und Spieler3"},
        {0, 0, 0, "faszinierend.wav", "Alle haben gleichviele Punkte - Faszinierend!"},
        {-2, -2, -2, "faszinierend.wav", "Alle haben gleichviele Punkte - Faszinierend!"},
    };
    for (const auto& c : cases) {
        finish("3", c.p1, c.p2, c.p3);
        EXPECT_EQ(boxesAndSounds(),
                  (std::vector<std::string>{std::string("sound ") + c.sound,
                                            std::string("msgbox 64 | Endstand | ") + c.message, "sound endrunde.wav"}))
            << c.p1 << "," << c.p2 << "," << c.p3;
        EXPECT_EQ(h.window.txterg.text(), "Ende!");
    }
}

TEST_F(EndOfGame, SinglePlayerRangesAtTheirBounds) {
    struct Case {
        int percent;
        const char* box;  // empty: no box at all
        const char* word;
    };
    const std::string perfect =
        "64 | Spitzenleistung! | Wow! Alles Richtig! Du hast die besten Chancen Obervelmorist "
        "bei www.velmora-fanclub.example.org zu werden!";
    const std::string poor =
        "16 | Miese Leistung | Da hat ja meine Großmutter mehr Ahnung von Velmora als Du! Stell "
        "Dich in die Ecke und schäm Dich ;-)";
    const std::vector<Case> cases = {
        {-5, poor.c_str(), "Pfui!"},
        {0, poor.c_str(), "Pfui!"},
        {19, poor.c_str(), "Pfui!"},
        {20, "16 | Ergebnis | Naja, das war ja nich so doll, gell?", "Schwach!"},
        {49, "16 | Ergebnis | Naja, das war ja nich so doll, gell?", "Schwach!"},
        {50, "48 | Ergebnis | Immerhin mehr als die Hälfte Richtig!", "Naja, ganz nett!"},
        {74, "48 | Ergebnis | Immerhin mehr als die Hälfte Richtig!", "Naja, ganz nett!"},
        {75, "64 | Ergebnis | Eine reife Leistung, mehr als 75% korrekt!", "Nicht schlecht!"},
        {89, "64 | Ergebnis | Eine reife Leistung, mehr als 75% korrekt!", "Nicht schlecht!"},
        {90, "64 | Gute Leistung | In Dir steckt der wahre Velmorist!", "Starke Leistung!"},
        {99, "64 | Gute Leistung | In Dir steckt der wahre Velmorist!", "Starke Leistung!"},
        {100, perfect.c_str(), "Spitze!!!"},
        {101, "", "unchanged"},
    };
    for (const auto& c : cases) {
        h.window.txterg.setText("unchanged");
        // No points: the score display leaves percent(1) as it is.
        h.state().percent(1) = c.percent;
        finish("1", 0, 0, 0);
        const auto got = boxesAndSounds();
        if (std::string(c.box).empty()) {
            EXPECT_EQ(got, std::vector<std::string>{"sound endrunde.wav"}) << c.percent;
        } else {
            ASSERT_EQ(got.size(), 3u) << c.percent;
            EXPECT_EQ(got[1], std::string("msgbox ") + c.box) << c.percent;
        }
        EXPECT_EQ(h.window.txterg.text(), c.word) << c.percent;
    }
}

TEST_F(EndOfGame, RatingFollowsFromRealScores) {
    struct Case {
        const char* limit;
        int right;
        int percent;
        const char* title;
    };
    for (const auto& c : std::vector<Case>{{"10", 10, 100, "Spitzenleistung!"},
                                           {"10", 9, 90, "Gute Leistung"},
                                           {"10", 5, 50, "Ergebnis"},
                                           {"10", 2, 20, "Ergebnis"},
                                           {"10", 1, 10, "Miese Leistung"},
                                           {"20", 15, 75, "Ergebnis"},
                                           {"35", 17, 49, "Ergebnis"},
                                           {"35", 18, 51, "Ergebnis"},
                                           {"35", 26, 74, "Ergebnis"},
                                           {"35", 31, 89, "Ergebnis"},
                                           {"35", 32, 91, "Gute Leistung"}}) {
        h.window.txtanz.setText("");
        h.window.cbospieler.setText("1");
        h.window.cbofragen.setText(c.limit);
        h.state().points(1) = c.right;
        h.state().questionsDone = std::stoi(c.limit);
        h.state().gameOver = 0;
        h.headless.recorder().clear();
        h.window.txtanz.setText(c.limit);
        EXPECT_EQ(h.state().percent(1), c.percent) << c.right << " of " << c.limit;
        EXPECT_NE(boxesAndSounds().at(1).find(std::string("| ") + c.title + " |"), std::string::npos)
            << c.right << " of " << c.limit;
    }
}

TEST_F(EndOfGame, AChangeAfterTheEndRefreshesButDoesNotEvaluateAgain) {
    finish("2", 1, 0, 0);
    h.headless.recorder().clear();
    h.window.txtanz.setText("0");
    EXPECT_TRUE(boxesAndSounds().empty());
    EXPECT_EQ(h.window.focus(), &h.window.txtdran);
}

TEST(QuizFlow, AnAnswerKeyForADisabledButtonIsNoAnswerAndNoError) {
    // Answer with the mouse, then Tab to the answer box (still enabled) and
    // type "2" while the pause has the buttons disabled.
    Harness h("select cbotime Kein\nclick cmdstart\nclick cmdantb\nkey tab\nkey tab\nkey 2\nwait 0.5\ndump\n");
    h.run();
    EXPECT_FALSE(h.saw("error Laufzeitfehler '5': Ungültiger Prozeduraufruf oder ungültiges Argument"));
    EXPECT_EQ(h.count("event cmdantb GotFocus"), 1);
    EXPECT_TRUE(h.saw("event txthit2 KeyPress 50"));
    EXPECT_EQ(h.state().questionsDone, 1);
}

}  // namespace
}  // namespace quiz::test
