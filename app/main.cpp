// velmora-quiz: the desktop program. It runs with the folder of its sounds
// and instructions as its current directory (the launcher sees to that).
//   velmora-quiz [--aufzeichnen DATEI | --record DATEI]
// records the game as a scenario that quiz-script replays (qt/QtRecording).
#include <QApplication>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>

#include "assets/AssetCatalogue.h"
#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "game/SideCommands.h"
#include "qt/QtControllers.h"
#include "qt/QtDesktop.h"
#include "qt/QtHeadStart.h"
#include "qt/QtMainView.h"
#include "qt/QtPlatform.h"
#include "qt/QtRecording.h"
#include "runtime/RuntimeError.h"
#include "window/MainWindow.h"

namespace {

constexpr int usageError = 2;

// The recording's file when the command line asks for one, "" when it asks
// for nothing; nullopt when it is wrong (said on standard error).
std::optional<std::string> recordingFile(int argc, char** argv) {
    if (argc == 1) return std::string();
    const std::string option = argv[1];
    if ((option == "--aufzeichnen" || option == "--record") && argc == 3 && argv[2][0] != '\0') return argv[2];
    if (option == "--aufzeichnen" || option == "--record")
        std::cerr << "velmora-quiz: " << option << " braucht genau einen Dateinamen\n";
    else
        std::cerr << "velmora-quiz: unbekanntes Argument '" << option
                  << "' (velmora-quiz [--aufzeichnen DATEI | --record DATEI])\n";
    return std::nullopt;
}

int run(quiz::QtHeadStart& headStart, const std::string& recordTo) {
    quiz::QtDesktop::prepare(*qApp);

    quiz::QtPlatform platform(&headStart);
    std::unique_ptr<quiz::QtRecording> recording;
    if (!recordTo.empty()) {
        try {
            recording = std::make_unique<quiz::QtRecording>(platform, recordTo);
        } catch (const std::runtime_error& e) {
            std::cerr << "velmora-quiz: " << e.what() << "\n";
            return usageError;
        }
    }
    quiz::MainWindow window(recording ? recording->platform() : platform.platform());
    quiz::Game game(window, quiz::Catalogue::builtIn());
    quiz::SideCommands side(window);
    quiz::QtMainView view(window, platform);
    quiz::QtControllers controllers(window, [&view](int key) { view.typeKey(key); });

    // Form_Load runs before the window is shown.
    try {
        window.load();
    } catch (const quiz::RuntimeError& e) {
        platform.lifecycle().runtimeError(e.what());
        return 1;
    } catch (const quiz::ProgramEnd&) {
        return 0;
    }
    // The sound and controller modules wait until the window is on the screen.
    view.afterFirstFrame = [&platform, &controllers] {
        platform.sound().load();
        controllers.load();
    };
    view.showCentred();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    quiz::QtDesktop::expectDisplay();
    // Qt takes its own options (-platform, ...) out of argv.
    QApplication app(argc, argv);
    quiz::QtDesktop::displayFound();
    const std::optional<std::string> recordTo = recordingFile(argc, argv);
    if (!recordTo) return usageError;
    // The buttons want their icons at once; the player pictures come later,
    // the background only for the first paint.
    QStringList icons, photos;
    for (const QString& picture : quiz::assets::AssetCatalogue::pictureResources())
        (picture.endsWith(QLatin1String(".png")) ? icons : photos).append(picture);
    const QString background = QStringLiteral(":/pictures/background.jpg");
    photos.removeAll(background);
    photos.append(background);
    quiz::QtHeadStart headStart(icons, photos);
    return run(headStart, *recordTo);
}
