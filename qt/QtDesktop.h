#pragma once

class QApplication;

namespace quiz {

// What the whole application needs before the first widget: the classic
// Windows style (bevelled light-blue buttons, sunken white boxes), the font
// substitutes, and German texts for Qt's own dialogs and buttons from Qt's
// translations where they are installed (qt6-translations-l10n).
class QtDesktop {
public:
    // Around the construction of the application: without a display Qt
    // gives up with advice to reinstall and aborts; the player gets one
    // clear line and the exit status 1 instead. Qt's other messages meanwhile
    // are held back and passed on once a display was found.
    static void expectDisplay();
    static void displayFound();
    static constexpr const char* noDisplay =
        "velmora-quiz: keine grafische Anzeige gefunden (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt oder "
        "nicht erreichbar)";

    static void prepare(QApplication& app);
    static bool loadGermanTexts(QApplication& app);
};

}  // namespace quiz
