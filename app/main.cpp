// velmora-quiz: the desktop program. It runs with the folder of its sounds
// and instructions as its current directory (the launcher sees to that).
#include <QApplication>

#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "window/MainWindow.h"
#include "window/RuntimeError.h"
#include "window/SideCommands.h"
#include "window/qt/QtDesktop.h"
#include "window/qt/QtMainView.h"
#include "window/qt/QtPlatform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quiz::QtDesktop::prepare(app);

    quiz::QtPlatform platform;
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
    view.showCentred();
    return QApplication::exec();
}
