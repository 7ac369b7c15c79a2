// quiz-frame-time: what drawing the quiz's window costs at two sizes, the
// design's (800 x 600) and a full-screen 1920 x 1080. It builds the real
// window (the view, the model and the game, with the Qt platform) on the X
// screen, resizes it, and times
//   - a repaint of the whole window, flushed to the screen, and
//   - a countdown tick: the countdown box gets its next value and Qt draws it.
// Prints one line per size: "WIDTHxHEIGHT repaint_ms TICK_ms" (medians of
// 60). Needs an X screen of at least 1920 x 1080 (tools/desktop/session.sh
// with SESSION_SCREEN=1920x1080).
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "game/Game.h"
#include "game/SideCommands.h"
#include "qt/QtDesktop.h"
#include "qt/QtMainView.h"
#include "qt/QtPlatform.h"
#include "window/MainWindow.h"

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void settle() {
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quiz::QtDesktop::prepare(app);
    quiz::QtPlatform platform;
    quiz::MainWindow window(platform.platform());
    quiz::Game game(window, quiz::Catalogue::builtIn());
    quiz::SideCommands side(window);
    quiz::QtMainView view(window, platform);
    window.load();
    view.showCentred();
    settle();
    for (const QSize size : {QSize(800, 600), QSize(1920, 1080)}) {
        view.setGeometry(QRect(QPoint(0, 0), size));
        settle();
        std::vector<double> repaint, tick;
        QElapsedTimer t;
        for (int i = 0; i < 60; ++i) {
            t.start();
            view.repaint();
            repaint.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        }
        for (int i = 0; i < 60; ++i) {
            t.start();
            window.txtzeit.setText(std::to_string(30 - i % 30));
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            tick.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        }
        std::printf("%dx%d %.2f %.3f\n", view.width(), view.height(), median(repaint), median(tick));
    }
    return 0;
}
