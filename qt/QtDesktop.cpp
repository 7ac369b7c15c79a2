#include "qt/QtDesktop.h"

#include <QAccessible>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "qt/QtComboAccessible.h"
#include "qt/QtFonts.h"

namespace quiz {
namespace {

QtMessageHandler passOn = nullptr;
QStringList& heldBack() {
    static QStringList messages;
    return messages;
}

void whileLookingForADisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", QtDesktop::noDisplay);
        std::_Exit(1);
    }
    heldBack().append(message);
}

}  // namespace

void QtDesktop::expectDisplay() { passOn = qInstallMessageHandler(whileLookingForADisplay); }

void QtDesktop::displayFound() {
    qInstallMessageHandler(passOn);
    for (const QString& m : heldBack()) qWarning("%s", qPrintable(m));
    heldBack().clear();
}

void QtDesktop::prepare(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("velmora-quiz"));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora-quiz"));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(style);
    QtFonts::installSubstitutes();
    QAccessible::installFactory(&QtComboAccessible::factory);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    loadGermanTexts(app);
}

bool QtDesktop::loadGermanTexts(QApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         dir) ||
        translator->load(QStringLiteral("qtbase_de"), QStringLiteral("/usr/share/qt6/translations"))) {
        QApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

}  // namespace quiz
