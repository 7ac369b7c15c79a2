#pragma once
#include <string>

#include "game/Cue.h"

namespace quiz {

class MainWindow;

// The commands beside the game: instructions, background picture, info,
// exit, the cue of the option boxes and the window's own key handler. They
// touch no Game state.
class SideCommands {
public:
    explicit SideCommands(MainWindow& window);

    static std::string infoText();
    static std::string farewellText();

    void cbofragen_GotFocus();
    void cbospieler_GotFocus();
    void cbotime_GotFocus();
    void cmdanleit_Click();
    void cmdbg_GotFocus();
    void cmdinfo_Click();
    void cmdinfo_GotFocus();
    void cmdende_GotFocus();
    void Form_KeyPress(int keyAscii);

private:
    void play(Cue cue);
    void optionCue();
    void showInfo();
    MainWindow& w_;
};

}  // namespace quiz
