// The race of two or three players for each question.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

const char* twoPlayers = "select cbospieler 2\nselect cbotime Kein\n";
const char* threePlayers = "select cbospieler 3\nselect cbotime Kein\n";

TEST(Turns, BuzzerKeysChooseTheirPlayer) {
    struct Case {
        const char* setup;
        const char* key;
        int player;  // 0: nobody, the race opens again
    };
    const std::vector<Case> cases = {
        {twoPlayers, "q", 1},   {twoPlayers, "Q", 1},   {twoPlayers, "b", 2},
        {twoPlayers, "B", 2},   {twoPlayers, "p", 0},   {threePlayers, "p", 3},
        {threePlayers, "P", 3}, {threePlayers, "x", 0}, {threePlayers, "1", 0},
    };
    for (const auto& c : cases) {
        Harness h(std::string(c.setup) + "click cmdstart\nkey " + c.key + "\ndump\n");
        h.run();
        const std::string what = std::string(c.key) + (c.setup == twoPlayers ? " with two" : " with three");
        if (c.player == 0) {
            EXPECT_EQ(h.state().buzzerWaiting, 1) << what;
            EXPECT_EQ(h.window.txtdran.text(), "1:Q 2:B 3:P") << what;
            EXPECT_EQ(h.window.focus(), &h.window.txthit) << what;
            EXPECT_FALSE(h.window.cmdanta.visible()) << what;
            EXPECT_EQ(h.state().currentPlayer, 0) << what;
            EXPECT_EQ(h.window.txthit.text(), c.key) << what << ": typed after the handler emptied it";
        } else {
            const std::string n = std::to_string(c.player);
            EXPECT_EQ(h.state().currentPlayer, c.player) << what;
            EXPECT_EQ(h.window.txtdran.text(), "Spieler " + n + "!") << what;
            EXPECT_EQ(h.window.find(c.player == 1 ? "txtpunkte" : "txtpunkte" + n)->backColor(), Rgb::red()) << what;
            EXPECT_TRUE(h.window.find("imgspieler" + n)->visible()) << what;
            EXPECT_TRUE(h.window.cmdanta.visible() && h.window.cmdanta.enabled()) << what;
            EXPECT_FALSE(h.window.txthit.enabled()) << what;
            EXPECT_EQ(h.window.focus(), &h.window.txthit2) << what;
            EXPECT_EQ(h.state().buzzerWaiting, 0) << what;
            EXPECT_TRUE(h.saw("sound laser.wav")) << what;
        }
    }
}

TEST(Turns, WithoutALimitTheRaceOpensTwiceAfterAUsedUpQuestion) {
    Harness h(std::string(twoPlayers) + "click cmdstart\nkey q\nkey wrong\nwait 3\nkey b\nkey wrong\nwait 3\ndump\n");
    h.run();
    EXPECT_EQ(h.state().questionsDone, 1) << "both players answered wrong";
    EXPECT_EQ(h.state().points(1), -1);
    EXPECT_EQ(h.state().points(2), -1);
    const auto tail = h.after("text txtanz 1", 200);
    int klings = 0;
    for (const auto& e : tail) klings += e == "sound kling.wav";
    EXPECT_EQ(klings, 2) << "once by Next question's prompt, once by the prompt that called it";
    EXPECT_EQ(h.state().lockedOut(1), 0) << "cleared by the next question";
}

TEST(Turns, ALockedOutPlayersKeyReopensTheRaceForTheOthers) {
    Harness h(std::string(threePlayers) +
              "click cmdstart\nkey q\nkey wrong\nwait 3\nkey q\ndump\nkey p\nkey right\nwait 1\n");
    h.run();
    EXPECT_EQ(h.state().lockedOut(1), 1);
    EXPECT_EQ(h.state().points(1), -1);
    EXPECT_EQ(h.state().points(3), 1);
    EXPECT_TRUE(h.saw("control txtdran enabled=1 visible=1 focus=0 backcolor=255,255,255 text=1:Q 2:B 3:P"));
}

TEST(Turns, TheLastQuestionUsedUpEndsTheGame) {
    std::string script = "select cbospieler 2\nselect cbotime Kein\nselect cbofragen 10\nclick cmdstart\n";
    for (int i = 0; i < 10; ++i) script += "key q\nkey wrong\nwait 2.5\nkey b\nkey wrong\nwait 2.5\n";
    script += "dump\n";
    Harness h(script);
    h.run();
    EXPECT_EQ(h.state().questionsDone, 10);
    EXPECT_EQ(h.state().gameOver, 1);
    EXPECT_EQ(h.state().gameStopped, 1);
    EXPECT_TRUE(h.saw("msgbox 64 | Unentschieden | Heute gibt es keinen Sieger."));
    EXPECT_EQ(h.window.txtdran.text(), "Spieler 2!") << "no prompt after the end";
}

TEST(Turns, ARaceNobodyWinsCountsTheQuestionWithoutLosingPoints) {
    Harness h("select cbospieler 2\nselect cbotime 5\nclick cmdstart\nwait 8\ndump\n");
    h.run();
    EXPECT_EQ(h.state().questionsDone, 1);
    EXPECT_EQ(h.state().points(1), 0);
    EXPECT_EQ(h.state().points(2), 0);
    EXPECT_EQ(h.when("sound zeit.wav"), "10:00:05.000");
    EXPECT_EQ(h.when("sound laser.wav"), "10:00:07.000");
}

TEST(Turns, ALateAnswerCostsAPointLocksOutAndReopens) {
    Harness h("select cbospieler 2\nselect cbotime 5\nclick cmdstart\nwait 1\nkey q\nwait 8\ndump\n");
    h.run();
    EXPECT_EQ(h.state().points(1), -1);
    EXPECT_EQ(h.state().lockedOut(1), 1);
    EXPECT_EQ(h.state().questionsDone, 0);
    EXPECT_EQ(h.when("sound zeit.wav"), "10:00:06.000");
    const auto after = h.after("sound zeit.wav", 400);
    EXPECT_NE(std::find(after.begin(), after.end(), "sound kling.wav"), after.end()) << "the race opens again";
    EXPECT_EQ(h.window.txtdran.text(), "1:Q 2:B 3:P");
}

TEST(Turns, StartsPromptSeesTheLastGamesValues) {
    // The last question used up by both players ends the game with both
    // locked out; the next Start's prompt finds them locked out and counts a
    // used-up question before the counters are cleared.
    std::string script = "select cbospieler 2\nselect cbotime Kein\nselect cbofragen 10\nclick cmdstart\n";
    for (int i = 0; i < 10; ++i) script += "key q\nkey wrong\nwait 2.5\nkey b\nkey wrong\nwait 2.5\n";
    script += "click cmdneu\nclick cmdstart\ndump\n";
    Harness h(script);
    h.run();
    EXPECT_TRUE(h.saw("text txtanz 11"));
    EXPECT_EQ(h.state().questionsDone, 0);
    EXPECT_EQ(h.state().gameOver, 0);
    EXPECT_EQ(h.window.txtanz.text(), "0");
}

TEST(Turns, TheAnswerBoxHoldsTheFocusAfterAKeyThatWasNoAnswer) {
    Harness h("select cbotime Kein\nclick cmdstart\nkey x\nclick txtfrage\ndump\n");
    h.run();
    EXPECT_EQ(h.state().keyFocusReleased, 0);
    EXPECT_EQ(h.window.focus(), &h.window.txthit2);
    EXPECT_EQ(h.window.txthit2.text(), "x");
}

// Tab to the answer box and a key typed at once, while the race is open:
// the key lands in the answer box, and the two key boxes must not then hand
// the focus back and forth without end.
TEST(Turns, NoFocusPingPongBetweenTheKeyBoxes) {
    Harness h(std::string(twoPlayers) + "click cmdstart\nkey q\nkey x\nkey wrong\nwait 3\n");
    h.run();
    h.window.input(RawInput::keyTyped(keys::tab));
    h.window.input(RawInput::keyTyped('x'));
    h.window.input(RawInput::keyTyped(keys::tab));
    h.window.input(RawInput::keyTyped('z'));
    EXPECT_TRUE(h.window.dispatch());
    EXPECT_EQ(h.window.pendingEvents(), 0u);
    EXPECT_EQ(h.window.focus(), &h.window.txthit);
}

TEST(Turns, FullGamesRunToTheirEndWithEveryLimit) {
    for (const char* players : {"2", "3"}) {
        for (const char* limit : {"5", "10", "15", "20", "30", "Kein"}) {
            std::string script = std::string("select cbospieler ") + players + "\nselect cbotime " + limit +
                                 "\nselect cbofragen 10\nclick cmdstart\n";
            // A mix: right, wrong, late and no buzz at all.
            const char* round[] = {"wait 1\nkey q\nkey right\nwait 3\n", "wait 1\nkey b\nkey wrong\nwait 3\n",
                                   "wait 1\nkey p\nwait 40\n", "wait 40\n"};
            for (int i = 0; i < 40; ++i) script += round[i % 4];
            script += "dump\n";
            Harness h(script);
            h.run();
            const std::string what = std::string(players) + " players, limit " + limit;
            for (const auto& e : h.effects()) EXPECT_NE(e.rfind("error", 0), 0u) << what << ": " << e;
            EXPECT_EQ(h.state().gameOver, 1) << what;
            EXPECT_EQ(h.state().questionsDone, 10) << what;
            EXPECT_EQ(h.count("sound endrunde.wav"), 1) << what;
        }
    }
}

// The worst realistic chain: every player buzzes late on every question.
TEST(Turns, TheDeepestChainCompletesWithBoundedNesting) {
    std::string script = "select cbospieler 3\nselect cbotime 30\nselect cbofragen 50\nclick cmdstart\n";
    for (int i = 0; i < 50; ++i) script += "wait 1.5\nkey q\nwait 33.5\nkey b\nwait 33.5\nkey p\nwait 33.5\n";
    Harness h(script);
    h.run();
    EXPECT_EQ(h.state().questionsDone, 50);
    EXPECT_EQ(h.count("sound zeit.wav"), 150);
    EXPECT_TRUE(h.saw("msgbox 64 | Endstand | Alle haben gleichviele Punkte - Faszinierend!"));
    // Each question nests its waits inside the one before: three per
    // question, 151 for this chain. Runaway growth would blow past the bound.
    EXPECT_GE(h.window.maxYieldDepth(), 100);
    EXPECT_LE(h.window.maxYieldDepth(), 300);
    RecordProperty("maxYieldDepth", h.window.maxYieldDepth());
}

}  // namespace
}  // namespace quiz::test
