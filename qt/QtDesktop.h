#pragma once

class QApplication;

namespace quiz {

// What the whole application needs before the first widget: the classic
// Windows style (bevelled light-blue buttons, sunken white boxes), the font
// substitutes, and German texts for Qt's own dialogs and buttons from Qt's
// translations where they are installed (qt6-translations-l10n).
class QtDesktop {
public:
    static void prepare(QApplication& app);
    static bool loadGermanTexts(QApplication& app);
};

}  // namespace quiz
