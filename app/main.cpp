// velmora-quiz: the desktop program. It runs with the folder of its sounds
// and instructions as its current directory (the launcher sees to that).
#include <QApplication>

#include "assets/AssetCatalogue.h"
#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "game/SideCommands.h"
#include "qt/QtDesktop.h"
#include "qt/QtHeadStart.h"
#include "qt/QtMainView.h"
#include "qt/QtPlatform.h"
#include "runtime/RuntimeError.h"
#include "window/MainWindow.h"

namespace {

int run(quiz::QtHeadStart& headStart) {
    quiz::QtDesktop::prepare(*qApp);

    quiz::QtPlatform platform(&headStart);
    quiz::MainWindow window(platform.platform());
    quiz::Game game(window, quiz::Catalogue::builtIn());
    quiz::SideCommands side(window);
    quiz::QtMainView view(window, platform);

    // Form_Load runs before the window is shown.
    try {
        window.load();
    } catch (const quiz::RuntimeError& e) {
        platform.lifecycle().runtimeError(e.what());
        return 1;
    } catch (const quiz::ProgramEnd&) {
        return 0;
    }
    // The sound module waits until the window is on the screen.
    view.afterFirstFrame = [&platform] { platform.sound().load(); };
    view.showCentred();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    quiz::QtDesktop::expectDisplay();
    QApplication app(argc, argv);
    quiz::QtDesktop::displayFound();
    // The buttons want their icons at once; the player pictures come later,
    // the background only for the first paint.
    QStringList icons, photos;
    for (const QString& picture : quiz::assets::AssetCatalogue::pictureResources())
        (picture.endsWith(QLatin1String(".png")) ? icons : photos).append(picture);
    const QString background = QStringLiteral(":/pictures/background.jpg");
    photos.removeAll(background);
    photos.append(background);
    quiz::QtHeadStart headStart(icons, photos);
    return run(headStart);
}
