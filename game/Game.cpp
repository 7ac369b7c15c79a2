#include "game/Game.h"

#include <cmath>
#include <cstdlib>

#include "catalogue/Catalogue.h"
#include "window/MainWindow.h"

namespace quiz {

Game::Game(MainWindow& window, const Catalogue& catalogue) : w_(window), catalogue_(catalogue) { attachHandlers(); }

void Game::attachHandlers() {
    w_.Form_Load = [this] { Form_Load(); };
    w_.Form_Click = [this] { Form_Click(); };
    w_.imgback.Click = [this] { imgback_Click(); };
    w_.cmdstart.Click = [this] { cmdstart_Click(); };
    w_.cmdneu.GotFocus = [this] { cmdneu_GotFocus(); };
    w_.cmdanta.GotFocus = [this] { cmdanta_GotFocus(); };
    w_.cmdantb.GotFocus = [this] { cmdantb_GotFocus(); };
    w_.cmdantc.GotFocus = [this] { cmdantc_GotFocus(); };
    w_.cmdantd.GotFocus = [this] { cmdantd_GotFocus(); };
    w_.txtanz.Change = [this] { txtanz_Change(); };
    w_.txthit.KeyPress = [this](Int16& k) { txthit_KeyPress(k); };
    w_.txthit.LostFocus = [this] { txthit_LostFocus(); };
    w_.txthit2.KeyPress = [this](Int16& k) { txthit2_KeyPress(k); };
    w_.txthit2.LostFocus = [this] { txthit2_LostFocus(); };
    // The invisible procedure buttons: never clicked by the user, but their
    // Click is the procedure all the same.
    w_.cmdnext.Click = [this] { cmdnext_Click(); };
    w_.cmdauswert.Click = [this] { cmdauswert_Click(); };
    w_.cmdbadanswer.Click = [this] { cmdbadanswer_Click(); };
    w_.cmdupdate.Click = [this] { cmdupdate_Click(); };
    w_.cmdwahl.Click = [this] { cmdwahl_Click(); };
    w_.cmdtimer.Click = [this] { cmdtimer_Click(); };
    w_.cmdfocus.Click = [this] { cmdfocus_Click(); };
}

Int16 Game::percentOf(int points, int done) {
    if (done == 0) throw RuntimeError::divisionByZero();
    const double x = static_cast<double>(points) / static_cast<double>(done) * 100.0;
    double r = std::floor(x);
    const double frac = x - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (r < -32768.0 || r > 32767.0) throw RuntimeError::overflow();
    return Int16(static_cast<int>(r));
}

// Blanks around the digits are allowed; anything else is a type mismatch.
double Game::number(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    if (end == begin) throw RuntimeError::typeMismatch();
    while (*end == ' ') ++end;
    if (*end != '\0' || !std::isfinite(v)) throw RuntimeError::typeMismatch();
    return v;
}

void Game::showNumber(Control& box, int value) { box.setText(std::to_string(value)); }

void Game::disableAnswerButtons() {
    w_.cmdanta.setEnabled(false);
    w_.cmdantb.setEnabled(false);
    w_.cmdantc.setEnabled(false);
    w_.cmdantd.setEnabled(false);
}

bool Game::playersAre(const char* count) const { return w_.cbospieler.text() == count; }

void Game::play(Cue cue) { w_.platform().sound.play(std::string(cueFile(cue))); }

TimeOfDay Game::now() { return w_.platform().clock.now(); }

}  // namespace quiz
