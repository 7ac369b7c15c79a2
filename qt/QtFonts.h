#pragma once
#include <QFont>
#include <QStringList>

#include "window/Appearance.h"

namespace quiz {

// The window's Windows fonts on a free desktop. Each is mapped, through Qt's
// font substitution, to close fonts of Debian's packages, nearest first:
//   MS Sans Serif, Arial  -> Liberation Sans (fonts-liberation)
//   Small Fonts           -> DejaVu Sans (fonts-dejavu-core)
//   Papyrus               -> P052, an upright calligraphic roman with a bold
//                            face (fonts-urw-base35)
//   VAG Round             -> Comfortaa, rounded (fonts-comfortaa)
//   Viner Hand ITC        -> Dancing Script, a casual script (fonts-dancingscript)
//   Bookman Old Style     -> URW Bookman (fonts-urw-base35)
//   Haettenschweiler      -> Nimbus Sans Narrow, condensed (fonts-urw-base35)
// Sizes, weights and slant stay as the window says; a weight beyond the
// stand-in's heaviest face is drawn emboldened (QtLabel).
class QtFonts {
public:
    static void installSubstitutes();
    static QStringList substitutes(const QString& family);
    // The family itself when it is installed, else its first installed
    // stand-in, else the family (for Qt's own substitution).
    static QString installedFamily(const QString& family);
    // The font at its size in points, times factor (the window's scale).
    static QFont font(const Font& f, double factor = 1.0);
};

}  // namespace quiz
