// Loading, starting and resetting a game.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

TEST(Setup, LoadShowsTheDefaultsAndPlaysTheStartCue) {
    Harness h("dump\n");
    h.run();
    const auto e = h.effects();
    const std::vector<std::string> load(e.begin(), e.begin() + 6);
    EXPECT_EQ(load, (std::vector<std::string>{"event frmmain2dot0 Load", "text cbofragen 15", "text cbotime 15",
                                              "text cbospieler 1", "enabled cmdneu 0", "sound start.wav"}));
    EXPECT_TRUE(h.saw("control cmdneu enabled=0 visible=1 focus=0 backcolor=192,192,255 text=Neu"));
    EXPECT_TRUE(h.saw("control txtzeit enabled=1 visible=1 focus=0 backcolor=255,255,255 text==/\\="));
    EXPECT_TRUE(
        h.saw("control cmdnext enabled=0 visible=0 focus=0 backcolor=192,192,255 "
              "text=Nächste Frage (Mausklick irgendwohin)"));
    EXPECT_EQ(h.effects().back(), "exit");
}

struct StartCase {
    const char* players;
    bool promptBeforeCounters;
    std::vector<std::string> visibleAfter;  // "name 0|1" of the boxes of players 2 and 3
};

TEST(Setup, StartShowsTheBoxesOfThePlayersTakingPart) {
    const std::vector<StartCase> cases = {
        {"1", false, {"txtpunkte2 0", "txtprozent2 0", "lbls2 0", "txtpunkte3 0", "txtprozent3 0", "lbls3 0"}},
        {"2", true, {"txtpunkte2 1", "txtprozent2 1", "lbls2 1", "txtpunkte3 0", "txtprozent3 0", "lbls3 0"}},
        {"3", true, {"txtpunkte2 1", "txtprozent2 1", "lbls2 1", "txtpunkte3 1", "txtprozent3 1", "lbls3 1"}},
    };
    for (const auto& c : cases) {
        Harness h(std::string("select cbotime Kein\nselect cbospieler ") + c.players + "\nclick cmdstart\n");
        h.run();
        for (const auto& v : c.visibleAfter) {
            const std::string name = v.substr(0, v.find(' '));
            const Control* ctl = h.window.find(name);
            EXPECT_EQ(ctl->visible(), v.back() == '1') << c.players << " players: " << name;
        }
        EXPECT_EQ(h.saw("text txtdran Spieler 1!"), std::string(c.players) == "1") << c.players;
        EXPECT_EQ(h.window.imgspieler1.visible(), std::string(c.players) == "1") << c.players;
        const auto e = h.effects();
        const auto kling = std::find(e.begin(), e.end(), "sound kling.wav");
        const auto cleared = std::find(e.begin(), e.end(), "text txtanz 0");
        EXPECT_EQ(kling != e.end() && kling < cleared, c.promptBeforeCounters) << c.players;
        EXPECT_FALSE(h.window.cmdstart.enabled());
        EXPECT_TRUE(h.window.cmdneu.enabled());
        EXPECT_FALSE(h.window.cbofragen.enabled() || h.window.cbospieler.enabled() || h.window.cbotime.enabled());
        EXPECT_EQ(h.state().gameOver, 0);
    }
}

TEST(Setup, NewGameResetsTheWindowAndASecondGameStartsClean) {
    Harness h(
        "select cbotime Kein\nclick cmdstart\nkey right\nwait 3\nkey right\nwait 3\n"
        "click cmdneu\ndump\nclick cmdstart\ndump\n");
    h.run();
    const auto reset = h.after("event cmdneu GotFocus", 8);
    EXPECT_EQ(reset[1], "text txtanz 0");
    EXPECT_TRUE(h.saw("sound los.wav"));
    EXPECT_TRUE(h.saw("text txterg Auf ein Neues!"));
    EXPECT_TRUE(h.saw("control cmdneu enabled=0 visible=1 focus=0 backcolor=192,192,255 text=Neu"));
    EXPECT_TRUE(h.saw("control txtdran enabled=1 visible=1 focus=1 backcolor=255,255,255 text="));
    // Between the two games the counters were left alone; Start clears them.
    int resetState = 0;
    for (const auto& e : h.effects()) {
        if (e.rfind("state ", 0) != 0) continue;
        if (resetState++ == 0) {
            EXPECT_NE(e.find("gameStopped=1"), std::string::npos);
            EXPECT_NE(e.find("questionsDone=2"), std::string::npos) << "New game leaves the count";
            EXPECT_NE(e.find("asked=0"), std::string::npos);
        } else {
            EXPECT_NE(e.find("points=0,0,0"), std::string::npos);
            EXPECT_NE(e.find("questionsDone=0"), std::string::npos);
            EXPECT_NE(e.find("asked=1"), std::string::npos) << "only the new first question";
        }
    }
    EXPECT_EQ(resetState, 2);
}

// Before the window's load no player count is chosen: the empty text is
// none of "1", "2" and "3".
TEST(Setup, AnyOtherPlayerCountHidesTheOthersAndLeavesTurnAlone) {
    Harness h("");
    h.window.cbofragen.setText("10");
    h.window.cbotime.setText("Kein");
    ASSERT_EQ(h.window.cbospieler.text(), "");
    h.state().currentPlayer = 2;
    h.window.txtpunkte2.setVisible(true);
    h.window.txtprozent3.setVisible(true);
    h.game.cmdstart_Click();
    EXPECT_EQ(h.state().currentPlayer, 2);
    EXPECT_FALSE(h.window.txtpunkte2.visible());
    EXPECT_FALSE(h.window.txtprozent3.visible());
    EXPECT_FALSE(h.window.imgspieler1.visible());
    EXPECT_EQ(h.window.txtdran.text(), "");
    EXPECT_EQ(h.count("sound kling.wav"), 0) << "no race opens";
}

}  // namespace
}  // namespace quiz::test
