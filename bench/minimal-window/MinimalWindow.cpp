// quiz-minimal-window: the smallest Qt Widgets program with a window of the
// quiz's client size, centred as the quiz centres its own. The benchmarks
// measure its start and its memory beside the quiz's.
//   quiz-minimal-window [--qt-version]
// Built a second time as quiz-minimal-sound-window, with QtMultimedia: it
// then plays one cue with QSoundEffect before it shows, as the quiz does at
// its start, to show what the sound stack alone costs.
//   quiz-minimal-sound-window PATH/TO/CUE.wav
// Built a third time as quiz-minimal-text-window: it then shows every text
// that the quiz's window shows at its start, each in its font and place, as
// plain labels, to show what the window's text alone costs (the bare window
// draws none, so it never reads a font).
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstring>
#ifdef QUIZ_MINIMAL_WITH_SOUND
#include <QSoundEffect>
#include <QUrl>
#endif
#ifdef QUIZ_MINIMAL_WITH_TEXT
#include <QLabel>

#include "headless/HeadlessPlatform.h"
#include "qt/QtFonts.h"
#include "qt/QtScale.h"
#include "window/MainWindow.h"
#endif

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--qt-version") == 0) {
        std::printf("%s\n", qVersion());
        return 0;
    }
    QApplication app(argc, argv);
#ifdef QUIZ_MINIMAL_WITH_SOUND
    QSoundEffect cue;
    if (argc > 1) {
        cue.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
        cue.play();
    }
#endif
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(796, 596);
#ifdef QUIZ_MINIMAL_WITH_TEXT
    quiz::HeadlessPlatform headless(quiz::Scenario{}, nullptr);
    quiz::MainWindow model(headless.platform());
    const quiz::QtScale scale(window.screen()->logicalDotsPerInch());
    for (const quiz::Control* c : model.controls()) {
        if (!c->visible() || c->text().empty()) continue;
        auto* label = new QLabel(QString::fromStdString(c->text()), &window);
        label->setFont(quiz::QtFonts::font(c->look().font));
        label->setGeometry(scale.rect(c->look().rect));
    }
#endif
    window.move(window.screen()->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
