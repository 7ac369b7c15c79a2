// The time limit of a question: countdown, time-outs, pauses and nesting.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

std::vector<std::string> only(const Harness& h, const std::vector<std::string>& prefixes) {
    std::vector<std::string> out;
    for (const auto& e : h.effects())
        for (const auto& p : prefixes)
            if (e.rfind(p, 0) == 0) {
                out.push_back(e);
                break;
            }
    return out;
}

TEST(Countdown, OnePlayerTimeOutCountsDownAndMovesOn) {
    Harness h("select cbotime 5\nclick cmdstart\nwait 8.5\n");
    h.run();
    const auto seen = only(h, {"text txtzeit", "sound zeit.wav", "text txterg Zeit", "text txtanz", "sound laser.wav"});
    const std::vector<std::string> expected = {"text txtanz 0",  "text txtzeit 5",     "text txtzeit 4",
                                               "text txtzeit 3", "text txtzeit 2",     "text txtzeit 1",
                                               "sound zeit.wav", "text txtzeit =/\\=", "text txterg Zeit abgelaufen!",
                                               "text txtanz 1",  "sound laser.wav",    "text txtzeit 5",
                                               "text txtzeit 4"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(h.when("sound zeit.wav"), "10:00:05.000");
    EXPECT_EQ(h.when("sound laser.wav"), "10:00:07.000") << "the next question two seconds later";
    EXPECT_EQ(h.state().points(1), 0);
}

TEST(Countdown, KeinReturnsAtOnceAndAStoppedGameWritesNothing) {
    Harness h("select cbotime Kein\nclick cmdstart\n");
    h.run();
    EXPECT_EQ(h.window.maxYieldDepth(), 0) << "nothing nests without a limit";
    EXPECT_EQ(h.window.txtzeit.text(), "=/\\=");
    const auto before = h.lines().size();
    h.state().gameStopped = 1;
    h.game.cmdtimer_Click();
    EXPECT_EQ(h.lines().size(), before);
}

TEST(Countdown, TheLastQuestionTimingOutEndsTheGame) {
    Harness h("select cbotime 5\nselect cbofragen 10\nclick cmdstart\nwait 80\ndump\n");
    h.run();
    EXPECT_EQ(h.count("sound zeit.wav"), 10);
    EXPECT_EQ(h.count("sound laser.wav"), 9) << "no question after the last";
    EXPECT_TRUE(
        h.saw("msgbox 16 | Miese Leistung | Da hat ja meine Großmutter mehr Ahnung von Velmora als Du! "
              "Stell Dich in die Ecke und schäm Dich ;-)"));
    EXPECT_FALSE(h.window.cmdnext.enabled());
    EXPECT_EQ(h.state().gameOver, 1);
    EXPECT_EQ(h.window.txtanz.text(), "10");
}

TEST(Countdown, AnAnswerEndsTheCountdown) {
    Harness h(
        "select cbotime 10\nselect cbofragen 10\nclick cmdstart\n"
        "wait 3\nkey right\nwait 3\nkey right\nwait 3\nkey right\nwait 3\nkey right\nwait 3\nkey right\n"
        "wait 3\nkey right\nwait 3\nkey right\nwait 3\nkey right\nwait 3\nkey right\nwait 3\nkey right\nwait 3\n");
    h.run();
    EXPECT_FALSE(h.saw("sound zeit.wav"));
    EXPECT_EQ(h.count("text txterg Bingo!"), 10);
    // The old countdown shows nothing more between the answer and the next question.
    const auto tail = h.after("text txterg Bingo!", 1000);
    for (const auto& e : tail) {
        if (e == "sound laser.wav") break;
        EXPECT_NE(e.rfind("text txtzeit", 0), 0u) << e;
    }
    // Once the chain has unwound, every countdown has ended.
    EXPECT_EQ(h.window.txtzeit.text(), "=/\\=");
    EXPECT_EQ(h.window.yieldDepth(), 0);
}

TEST(Countdown, ABoxHeldPastTheDeadlineEndsItWithoutATimeOut) {
    Harness h("select cbotime 5\nclick cmdstart\nwait 2\nhold 6\nclick cmdinfo\nwait 10\ndump\n");
    h.run();
    EXPECT_TRUE(h.saw("msgbox 64 | Info | " + SideCommands::infoText()));
    EXPECT_FALSE(h.saw("sound zeit.wav"));
    EXPECT_EQ(h.state().questionsDone, 0) << "the question stays open";
    EXPECT_EQ(h.window.txtzeit.text(), "=/\\=");
    EXPECT_TRUE(h.window.cmdanta.enabled());
    EXPECT_EQ(h.count("sound laser.wav"), 0);
}

TEST(Countdown, ClosingTheWindowEndsTheProgramAtTheNextPass) {
    Harness h("select cbotime 15\nclick cmdstart\nwait 2\nclose\nwait 5\nkey right\n");
    h.run();
    const auto e = h.effects();
    EXPECT_EQ(e.back(), "exit");
    EXPECT_GE(h.when("exit"), "10:00:02.000");
    EXPECT_LE(h.when("exit"), "10:00:02.020") << "the pass after the close was taken";
    EXPECT_FALSE(h.saw("event txthit2 KeyPress 49"));
}

TEST(Countdown, ClosingDuringAPauseEndsPromptlyToo) {
    Harness h("select cbotime Kein\nclick cmdstart\nkey right\nwait 0.5\nclose\nwait 5\n");
    h.run();
    EXPECT_GE(h.when("exit"), "10:00:00.500");
    EXPECT_LE(h.when("exit"), "10:00:00.520");
    EXPECT_EQ(h.count("sound laser.wav"), 0);
}

// New game while each kind of wait runs: the wait ends without its next step.
TEST(Countdown, NewGameEndsEveryKindOfWait) {
    struct Case {
        const char* what;
        std::string script;
    };
    const std::vector<Case> cases = {
        {"countdown", "select cbotime 10\nclick cmdstart\nwait 3\nclick cmdneu\nwait 20\n"},
        {"answer pause", "select cbotime 10\nclick cmdstart\nkey right\nwait 1\nclick cmdneu\nwait 20\n"},
        {"wrong-answer pause",
         "select cbospieler 2\nselect cbotime 10\nclick cmdstart\nkey q\nkey wrong\nwait 1\nclick cmdneu\nwait 20\n"},
        {"no-buzz pause", "select cbospieler 2\nselect cbotime 5\nclick cmdstart\nwait 6\nclick cmdneu\nwait 20\n"},
        {"time-out pause", "select cbotime 5\nclick cmdstart\nwait 6\nclick cmdneu\nwait 20\n"},
    };
    for (const auto& c : cases) {
        Harness h(c.script);
        h.run();
        const auto reset = std::find_if(h.lines().begin(), h.lines().end(),
                                        [](const TranscriptLine& l) { return l.effect == "sound los.wav"; });
        ASSERT_NE(reset, h.lines().end()) << c.what;
        for (const auto& l : h.lines()) {
            if (l.ms <= reset->ms) continue;
            const std::string& e = l.effect;
            const bool nextStep = e == "sound laser.wav" || e == "sound zeit.wav" || e == "sound kling.wav" ||
                                  e == "sound glasses.wav" ||
                                  (e.rfind("text txtzeit", 0) == 0 && e != "text txtzeit =/\\=");
            EXPECT_FALSE(nextStep) << c.what << ": after New game: " << l.str();
        }
        EXPECT_EQ(h.window.yieldDepth(), 0) << c.what;
        EXPECT_EQ(h.window.txterg.text(), "Auf ein Neues!") << c.what;
        EXPECT_EQ(h.window.txtzeit.text(), "=/\\=") << c.what;
        EXPECT_TRUE(h.window.cmdstart.enabled()) << c.what;
    }
}

// The clock keeps counting past midnight, so a wait across it behaves as at
// any other hour.
TEST(Countdown, ACountdownAndPauseAcrossMidnightBehaveAsAnyOther) {
    Harness h("clock 23:59:55\nselect cbotime 10\nclick cmdstart\nwait 13\ndump\n");
    h.run();
    EXPECT_EQ(h.when("sound zeit.wav"), "00:00:05.000");
    EXPECT_EQ(h.when("sound laser.wav"), "00:00:07.000");
    EXPECT_EQ(h.count("text txtzeit 1"), 1);
    EXPECT_TRUE(h.saw("text txtzeit 9"));
    EXPECT_EQ(h.state().questionsDone, 1);
}

}  // namespace
}  // namespace quiz::test
