// Instructions, background picture, info, exit and the window's own keys.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

namespace fs = std::filesystem;

class SideCommandsTest : public ::testing::Test {
protected:
    SideCommandsTest() {
        dir = fs::temp_directory_path() / ("velmora-side-" + std::to_string(::getpid()));
        fs::create_directories(dir / "bilder");
        write(dir / "bilder" / "nebel.png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(32, '\0'));
        write(dir / "kein-bild.jpg", "Das ist Text, kein Bild.");
    }
    ~SideCommandsTest() override { fs::remove_all(dir); }
    static void write(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
    fs::path dir;
};

TEST_F(SideCommandsTest, BackgroundDialogOutcomes) {
    struct Case {
        const char* what;
        std::string steps;
        std::string picture;  // expected picture of imgback afterwards
    };
    const std::string png = (dir / "bilder" / "nebel.png").string();
    const std::vector<Case> cases = {
        {"cancelled", "click cmdbg\n", ""},
        {"not a picture", "file " + (dir / "kein-bild.jpg").string() + "\nclick cmdbg\n", ""},
        {"missing file", "file " + (dir / "fehlt.bmp").string() + "\nclick cmdbg\n", ""},
        {"a directory", "file " + dir.string() + "\nclick cmdbg\n", ""},
        {"a picture in another folder", "file " + png + "\nclick cmdbg\n", png},
    };
    for (const auto& c : cases) {
        Harness h(c.steps + "click cmdinfo\n");
        h.headless.setCurrentDirectory("/spiel");
        h.run();
        EXPECT_EQ(h.window.imgback.picture(), c.picture) << c.what;
        EXPECT_EQ(h.headless.current(), "/spiel") << c.what << ": the folder of the cues is back";
        EXPECT_TRUE(h.saw("dialog Bild auswählen!")) << c.what;
        EXPECT_EQ(h.after("event cmdbg GotFocus", 2)[1], "sound schirm.wav") << c.what;
        for (const auto& e : h.effects()) EXPECT_NE(e.rfind("error", 0), 0u) << c.what;
        EXPECT_TRUE(h.saw("sound glasses.wav")) << c.what << ": a later cue still plays";
    }
}

TEST_F(SideCommandsTest, APictureNamedRelativeToTheCurrentFolderLoads) {
    Harness h("file bilder/nebel.png\nclick cmdbg\nclick cmdinfo\n");
    h.headless.setCurrentDirectory(dir.string());
    h.run();
    EXPECT_EQ(h.window.imgback.picture(), (dir / "bilder" / "nebel.png").string());
    EXPECT_EQ(h.headless.current(), dir.string());
}

TEST_F(SideCommandsTest, AClickOnTheFocusedBackgroundButtonOpensNoSecondDialog) {
    Harness h("click cmdbg\nclick cmdbg\nclick cmdanleit\nclick cmdbg\n");
    h.run();
    EXPECT_EQ(h.count("dialog Bild auswählen!"), 2) << "only after the focus went elsewhere";
}

TEST_F(SideCommandsTest, InfoShowsOnFocusAndOnEveryFurtherClick) {
    Harness h("click cmdinfo\nclick cmdinfo\nclick cmdinfo\n");
    h.run();
    EXPECT_EQ(h.count("msgbox 64 | Info | " + SideCommands::infoText()), 3);
    EXPECT_EQ(h.count("sound glasses.wav"), 3);
    EXPECT_EQ(SideCommands::infoText(),
              "Das Velmora Quiz V.4.0 =/G\\= Fragen und Idee von Mareike Oldenstedt =/G\\= Email: "
              "quiz@velmora-fanclub.example.org =/G\\= Homepage: www.velmora-fanclub.example.org, Programmierung und "
              "Design von Jannik Sörensen =/=JS=\\= Email: jannik@soerensen.example.org =/=JS=\\= Homepage: "
              "www.soerensen.example.org");
}

TEST_F(SideCommandsTest, TheFarewellEndsEvenARunningGame) {
    Harness h("select cbotime 10\nclick cmdstart\nwait 2\nhold 3\nclick cmdende\nwait 20\nkey right\n");
    h.run();
    const auto tail = h.after("event cmdende GotFocus", 10);
    EXPECT_EQ(tail,
              (std::vector<std::string>{
                  "event cmdende GotFocus", "sound ende.wav",
                  "msgbox 64 | Bis bald... | Das Velmora Quiz V.4.0 - exclusiv für www.velmora-fanclub.example.org "
                  "=/G\\= Schau doch mal wieder rein!",
                  "exit"}));
    EXPECT_GE(h.when("exit"), "10:00:05.000") << "after the box was closed";
}

TEST_F(SideCommandsTest, InstructionsStartTheViewerAndIgnoreAFailure) {
    for (bool fail : {false, true}) {
        Harness h("click cmdanleit\nclick cmdinfo\n");
        h.headless.failStarts(fail);
        h.run();
        EXPECT_EQ(h.after("event cmdanleit Click", 3),
                  (std::vector<std::string>{"event cmdanleit Click", "sound schirm.wav",
                                            "shell c:\\windows\\Notepad.exe Spielanleitung.txt"}));
        EXPECT_TRUE(h.saw("sound glasses.wav")) << "the program goes on";
    }
}

TEST_F(SideCommandsTest, OptionBoxesCueAndTheWindowsOwnKeyShowsItsBox) {
    Harness h("key x\nselect cbofragen 20\nselect cbospieler 2\nselect cbotime 30\n");
    h.run();
    EXPECT_EQ(h.after("event frmmain2dot0 KeyPress", 2),
              (std::vector<std::string>{"event frmmain2dot0 KeyPress 120", "msgbox 2 | df | ho"}));
    EXPECT_EQ(h.count("sound parameter.wav"), 3);
    EXPECT_EQ(h.window.cbofragen.text(), "20");
    EXPECT_EQ(h.window.cbospieler.text(), "2");
    EXPECT_EQ(h.window.cbotime.text(), "30");
}

}  // namespace
}  // namespace quiz::test
