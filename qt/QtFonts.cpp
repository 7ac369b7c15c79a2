#include "qt/QtFonts.h"

#include <QFontDatabase>
#include <QSet>
#include <utility>
#include <vector>

namespace quiz {
namespace {

const std::vector<std::pair<const char*, QStringList>>& table() {
    static const std::vector<std::pair<const char*, QStringList>> t = {
        {"MS Sans Serif", {"Liberation Sans", "Nimbus Sans", "Arimo", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "Nimbus Sans", "Arimo", "DejaVu Sans"}},
        {"Small Fonts", {"DejaVu Sans", "Liberation Sans"}},
        {"Papyrus", {"P052", "URW Palladio L", "DejaVu Serif"}},
        {"VAG Round", {"Comfortaa", "URW Gothic", "DejaVu Sans"}},
        {"Viner Hand ITC", {"Dancing Script", "Z003", "URW Chancery L", "DejaVu Serif"}},
        {"Bookman Old Style", {"URW Bookman", "URW Bookman L", "P052", "DejaVu Serif"}},
        {"Haettenschweiler", {"Nimbus Sans Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"}},
    };
    return t;
}

}  // namespace

void QtFonts::installSubstitutes() {
    for (const auto& [family, free] : table()) QFont::insertSubstitutions(QString::fromLatin1(family), free);
}

QStringList QtFonts::substitutes(const QString& family) {
    for (const auto& [name, free] : table())
        if (family == QLatin1String(name)) return free;
    return {};
}

// The first installed stand-in is named to Qt directly: a family that is not
// installed sends Qt through fontconfig's matching for every name it tries,
// several milliseconds on the way to the first frame.
QString QtFonts::installedFamily(const QString& family) {
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        // Where two foundries provide a family, Qt lists "Z003 [urw]".
        for (const QString& name : QFontDatabase::families()) names.insert(name.section(QStringLiteral(" ["), 0, 0));
        return names;
    }();
    if (installed.contains(family)) return family;
    for (const QString& free : substitutes(family))
        if (installed.contains(free)) return free;
    return family;
}

QFont QtFonts::font(const Font& f, double factor) {
    QFont q(installedFamily(QString::fromStdString(f.family)));
    q.setPointSizeF(f.points * factor);
    q.setWeight(static_cast<QFont::Weight>(f.weight));
    q.setItalic(f.italic);
    return q;
}

}  // namespace quiz
