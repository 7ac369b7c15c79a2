#include "game/SideCommands.h"

#include "game/Credits.h"
#include "game/Cue.h"
#include "runtime/RuntimeError.h"
#include "window/MainWindow.h"

namespace quiz {

SideCommands::SideCommands(MainWindow& window) : w_(window) {
    w_.cbofragen.GotFocus = [this] { cbofragen_GotFocus(); };
    w_.cbospieler.GotFocus = [this] { cbospieler_GotFocus(); };
    w_.cbotime.GotFocus = [this] { cbotime_GotFocus(); };
    w_.cmdanleit.Click = [this] { cmdanleit_Click(); };
    w_.cmdbg.GotFocus = [this] { cmdbg_GotFocus(); };
    w_.cmdinfo.Click = [this] { cmdinfo_Click(); };
    w_.cmdinfo.GotFocus = [this] { cmdinfo_GotFocus(); };
    w_.cmdende.GotFocus = [this] { cmdende_GotFocus(); };
    w_.Form_KeyPress = [this](Int16& key) { Form_KeyPress(key); };
}

std::string SideCommands::infoText() {
    using namespace credits;
    const std::string separator = std::string(" =/=") + programmerTag + "=\\= ";
    return std::string("Das Velmora Quiz V.4.0") + " =/G\\= Fragen und Idee von " + questionAuthor +
           " =/G\\= Email: " + fanMail + " =/G\\= Homepage: " + fanSite + ", Programmierung und Design von " +
           programmer + separator + "Email: " + programmerMail + separator + "Homepage: " + programmerWeb;
}

std::string SideCommands::farewellText() {
    return std::string("Das Velmora Quiz V.4.0 - exclusiv für ") + credits::fanSite +
           " =/G\\= Schau doch mal wieder rein!";
}

void SideCommands::play(Cue cue) { w_.platform().sound.play(std::string(cueFile(cue))); }

void SideCommands::optionCue() { play(Cue::Parameter); }
void SideCommands::cbofragen_GotFocus() { optionCue(); }
void SideCommands::cbospieler_GotFocus() { optionCue(); }
void SideCommands::cbotime_GotFocus() { optionCue(); }

// Any failure, a missing viewer included, ends the command without a word.
void SideCommands::cmdanleit_Click() {
    try {
        play(Cue::Schirm);
        w_.platform().programs.start("c:\\windows\\Notepad.exe", {"Spielanleitung.txt"});
    } catch (const RuntimeError&) {}
}

void SideCommands::cmdbg_GotFocus() {
    Platform& p = w_.platform();
    const std::string remembered = p.directory.current();
    play(Cue::Schirm);
    try {
        // "Drevant" is the folder the dialog opens in, when the program's
        // folder has one; otherwise the dialog starts in the current folder.
        const std::string file = w_.openFileDialog(
            {"Bild auswählen!", "Alle Dateien (*.*)|*.*|Bitmaps(*.bmp)|*.bmp|Gifs(*gif)|*.gif|JPGs(*.jpg)|*.jpg",
             "Drevant"});
        if (!file.empty()) w_.imgback.setPicture(p.pictures.load(file));
    } catch (const RuntimeError&) {}
    // Back to the folder of the sound files and the instructions, whatever
    // folder the dialog visited.
    try {
        p.directory.change(remembered);
    } catch (const RuntimeError&) {}
}

void SideCommands::showInfo() {
    play(Cue::Glasses);
    w_.msgBox(infoText(), BoxStyle::Information, "Info");
}

void SideCommands::cmdinfo_Click() { showInfo(); }
void SideCommands::cmdinfo_GotFocus() { showInfo(); }

void SideCommands::cmdende_GotFocus() {
    play(Cue::Ende);
    w_.msgBox(farewellText(), BoxStyle::Information, "Bis bald...");
    w_.endProgram();
}

// The key itself is of no interest.
void SideCommands::Form_KeyPress(int /*keyAscii*/) { w_.msgBox("ho", BoxStyle::AbortRetryIgnore, "df"); }

}  // namespace quiz
