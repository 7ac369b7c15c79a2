// make-pictures: paints the game's pictures into the folder given as argument.
// Needs no display: it runs on Qt's offscreen platform.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "assets/pictures/BackgroundPainter.h"
#include "assets/pictures/IconPainter.h"
#include "assets/pictures/PlayerPainter.h"
#include "assets/pictures/RocketDrawing.h"
#include "assets/pictures/SixteenColours.h"
#include "assets/pictures/SvgWriter.h"

using namespace quiz::assets;  // NOLINT(google-build-using-namespace)

namespace {

bool save(const QImage& image, const QDir& folder, const QString& name, int quality = -1) {
    const QString path = folder.filePath(name);
    if (image.save(path, nullptr, quality)) return true;
    std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(path));
    return false;
}

bool writeText(const QString& text, const QDir& folder, const QString& name) {
    QFile file(folder.filePath(name));
    const QByteArray bytes = text.toUtf8();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    std::fprintf(stderr, "make-pictures: cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make-pictures <output folder>\n");
        return 2;
    }
    QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make-pictures: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }

    using Motif = IconPainter::Motif;
    bool ok = save(BackgroundPainter::paint(), folder, QStringLiteral("background.jpg"), 92);
    const QImage start = IconPainter::paint(Motif::Start, 32);
    ok = save(SixteenColours::reduce(start), folder, QStringLiteral("start.png")) && ok;
    ok = save(start, folder, QStringLiteral("start2.png")) && ok;
    ok = save(IconPainter::paint(Motif::NewGame, 32), folder, QStringLiteral("neu.png")) && ok;
    ok = save(IconPainter::paint(Motif::Next, 32), folder, QStringLiteral("next.png")) && ok;
    ok = save(IconPainter::paint(Motif::Background, 32), folder, QStringLiteral("bg.png")) && ok;
    ok = save(IconPainter::paint(Motif::Exit, 32), folder, QStringLiteral("ende.png")) && ok;
    // The window icon is the Start button's full-colour picture, byte for byte.
    QFile::remove(folder.filePath(QStringLiteral("icon.png")));
    if (!QFile::copy(folder.filePath(QStringLiteral("start2.png")), folder.filePath(QStringLiteral("icon.png")))) {
        std::fprintf(stderr, "make-pictures: cannot write icon.png\n");
        ok = false;
    }
    // The launcher's icon in the sizes of the hicolor theme, and scalable.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = save(IconPainter::paint(Motif::Start, size), folder, QStringLiteral("icon-%1.png").arg(size)) && ok;
    ok = writeText(SvgWriter::write(RocketDrawing::shapes(), 32, 256, QStringLiteral("Das Velmora Quiz")), folder,
                   QStringLiteral("icon.svg")) &&
         ok;
    for (int player = 1; player <= 3; ++player)
        ok = save(PlayerPainter::paint(player), folder, QStringLiteral("spieler%1.jpg").arg(player), 95) && ok;
    return ok ? 0 : 1;
}
