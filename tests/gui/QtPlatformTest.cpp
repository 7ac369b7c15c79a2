// The Qt platform services that need no real window: picture loading with
// its limits, the dialog's filters and start folder, keys, twips, the clock,
// the working directory, starting programs, silent sound, and the pump that
// sleeps to the next second but wakes for input.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "qt/QtClock.h"
#include "qt/QtEventPump.h"
#include "qt/QtFileDialog.h"
#include "qt/QtFonts.h"
#include "qt/QtInputFilter.h"
#include "qt/QtInputQueue.h"
#include "qt/QtPictureLoader.h"
#include "qt/QtPlatform.h"
#include "qt/QtProgramStarter.h"
#include "qt/QtScale.h"
#include "qt/QtSoundPlayer.h"
#include "qt/QtWorkingDirectory.h"
#include "runtime/RuntimeError.h"
#include "window/MainWindow.h"

namespace quiz {
namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

class QtPlatformTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(QtPlatformTest, LoadsPicturesAndKeepsThemUnderTheirKey) {
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(path("bild.jpg"), "JPEG"));
    ASSERT_TRUE(img.save(path("bild.bmp"), "BMP"));
    ASSERT_TRUE(img.save(path("no-suffix"), "PNG"));
    QtPictureLoader loader;
    for (const char* name : {"bild.jpg", "bild.bmp", "no-suffix"}) {
        const std::string key = loader.load(path(name).toStdString());
        EXPECT_EQ(loader.image(key).size(), QSize(40, 30)) << name;
    }
    EXPECT_TRUE(loader.image("nothing").isNull());
}

TEST_F(QtPlatformTest, RefusesWhatIsNoLoadablePicture) {
    QtPictureLoader loader;
    write("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 this is no picture at all", 32));
    write("text.gif", "GIF? no");
    write("empty.bmp", "");
    // A valid PNG header announcing 100000 x 100000 pixels, and nothing else.
    QImage small(1, 1, QImage::Format_RGB32);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    const auto put32 = [&png](int at, quint32 v) {
        for (int i = 0; i < 4; ++i) png[at + i] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
    };
    put32(16, 100000);
    put32(20, 100000);
    write("huge.png", png);
    for (const char* name : {"broken.jpg", "text.gif", "empty.bmp", "huge.png"})
        EXPECT_EQ(errorOf([&] { loader.load(path(name).toStdString()); }), 481) << name;
    EXPECT_EQ(errorOf([&] { loader.load(dir.path().toStdString()); }), 481) << "a folder";
    EXPECT_EQ(errorOf([&] { loader.load(path("missing.jpg").toStdString()); }), 53);
}

TEST_F(QtPlatformTest, DialogFiltersInQtsFormAndEveryFileForStarDotStar) {
    EXPECT_EQ(QtFileDialog::qtFilter("Alle Dateien (*.*)|*.*|Bitmaps(*.bmp)|*.bmp|Gifs(*gif)|*.gif|JPGs(*.jpg)|*.jpg"),
              QStringLiteral("Alle Dateien (*.*) (*);;Bitmaps(*.bmp) (*.bmp *.BMP);;Gifs(*gif) (*.gif *.GIF);;"
                             "JPGs(*.jpg) (*.jpg *.JPG)"));
    EXPECT_EQ(QtFileDialog::qtFilter("Bilder|*.png;*.gif"), QStringLiteral("Bilder (*.png *.PNG *.gif *.GIF)"));
}

TEST_F(QtPlatformTest, DialogOpensInTheNamedFolderWhenThereIsOne) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(QtFileDialog::startDirectory("Drevant"), QDir(dir.path()).absolutePath());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Drevant")));
    EXPECT_EQ(QtFileDialog::startDirectory("Drevant"), QDir(dir.path()).absoluteFilePath(QStringLiteral("Drevant")));
    QDir::setCurrent(before);
}

TEST_F(QtPlatformTest, KeysBecomeTheModelsCodes) {
    const auto code = [](int key, Qt::KeyboardModifiers m, const QString& text) {
        QKeyEvent e(QEvent::KeyPress, key, m, text);
        return QtInputFilter::keyCode(e);
    };
    EXPECT_EQ(code(Qt::Key_Tab, Qt::NoModifier, "\t"), keys::tab);
    EXPECT_EQ(code(Qt::Key_Backtab, Qt::ShiftModifier, ""), keys::backTab);
    EXPECT_EQ(code(Qt::Key_Return, Qt::NoModifier, "\r"), keys::enter);
    EXPECT_EQ(code(Qt::Key_Enter, Qt::KeypadModifier, "\r"), keys::enter);
    EXPECT_EQ(code(Qt::Key_Backspace, Qt::NoModifier, "\b"), keys::backspace);
    EXPECT_EQ(code(Qt::Key_Q, Qt::NoModifier, "q"), 'q');
    EXPECT_EQ(code(Qt::Key_1, Qt::NoModifier, "1"), '1');
    EXPECT_EQ(code(Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("ä")), 0xE4);
    EXPECT_EQ(code(Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€")), -1);
    EXPECT_EQ(code(Qt::Key_Left, Qt::NoModifier, ""), -1);
    EXPECT_EQ(code(Qt::Key_F, Qt::AltModifier, "f"), -1);
    // AltGr as Windows reports it: Ctrl+Alt with the character typed.
    EXPECT_EQ(code(Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, "@"), '@');
    EXPECT_EQ(code(Qt::Key_Backslash, Qt::ControlModifier | Qt::AltModifier, "\\"), '\\');
}

// Every Windows font of the window is drawn with its first free stand-in:
// the font packages of the set-up are installed.
TEST_F(QtPlatformTest, WindowsFontsBecomeTheirFreeStandIns) {
    QtFonts::installSubstitutes();
    for (const char* family : {"MS Sans Serif", "Arial", "Small Fonts", "Papyrus", "VAG Round", "Viner Hand ITC",
                               "Bookman Old Style", "Haettenschweiler"}) {
        const QFont f = QtFonts::font({family, 13.5, 700, false});
        // Qt names the foundry too where two provide a family: "Z003 [urw]".
        const QString drawn = QFontInfo(f).family().section(QStringLiteral(" ["), 0, 0);
        EXPECT_EQ(drawn.toStdString(), QtFonts::substitutes(QString::fromLatin1(family)).first().toStdString())
            << family;
        EXPECT_EQ(f.pointSizeF(), 13.5);
        EXPECT_EQ(f.weight(), QFont::Bold);
    }
}

// The family handed to Qt: an installed one as it is, a Windows font as its
// first installed stand-in, anything else unchanged for Qt's own matching.
TEST_F(QtPlatformTest, FontsAreNamedByAnInstalledFamily) {
    const struct {
        const char* asked;
        const char* named;
    } cases[] = {
        {"DejaVu Sans", "DejaVu Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"Papyrus", "Z003"},
        {"Haettenschweiler", "Nimbus Sans Narrow"},
        {"Keine Schrift Velmora", "Keine Schrift Velmora"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtFonts::installedFamily(QString::fromLatin1(c.asked)).toStdString(), c.named) << c.asked;
}

TEST_F(QtPlatformTest, TwipsAndPixels) {
    const QtScale at96(96), at144(144);
    EXPECT_EQ(at96.px(MainWindow::clientWidth), 796);
    EXPECT_EQ(at96.px(MainWindow::clientHeight), 596);
    EXPECT_EQ(at144.px(MainWindow::clientWidth), 1194);
    EXPECT_EQ(at96.rect({240, 6360, 735, 735}), QRect(16, 424, 49, 49));
    // The pixel at x = 16 is twips 240..254: its centre is inside cmdstart.
    EXPECT_EQ(at96.twips(16.0), 247);
    EXPECT_EQ(at96.twips(15.0), 232);
    EXPECT_EQ(at144.twips(24.0), 245);
}

TEST_F(QtPlatformTest, ClockCountsWholeSecondsFromMidnight) {
    QtClock clock;
    const auto now = clock.now().value();
    EXPECT_GE(now, 0);
    EXPECT_LT(now, 86400 + 1);
    EXPECT_GT(clock.msToNextSecond(), 0);
    EXPECT_LE(clock.msToNextSecond(), 1000);
}

TEST_F(QtPlatformTest, WorkingDirectoryChangesAndRefusesWhatIsNotThere) {
    QtWorkingDirectory wd;
    const std::string before = wd.current();
    wd.change(dir.path().toStdString());
    EXPECT_EQ(QDir(QString::fromStdString(wd.current())), QDir(dir.path()));
    EXPECT_EQ(errorOf([&] { wd.change(path("nowhere").toStdString()); }), 76);
    wd.change(before);
}

TEST_F(QtPlatformTest, AProgramThatCannotStartIsFileNotFound) {
    QtProgramStarter starter;
    EXPECT_EQ(errorOf([&] { starter.start("/nonexistent/velmora-viewer", {"x.txt"}); }), 53);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());  // no viewer at all
    EXPECT_TRUE(QtProgramStarter::viewers({QStringLiteral("Spielanleitung.txt")}).empty());
    EXPECT_EQ(errorOf([&] { starter.start("c:\\windows\\Notepad.exe", {"Spielanleitung.txt"}); }), 53);
    qputenv("PATH", path);
}

TEST_F(QtPlatformTest, TheWindowsEditorStartsAViewer) {
    // A stand-in viewer that leaves a mark with its arguments.
    write("xdg-open", QByteArray("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/opened\"\n"));
    QFile::setPermissions(path("xdg-open"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit() + ":/usr/bin:/bin");
    QtProgramStarter starter;
    starter.start("c:\\windows\\Notepad.exe", {"Spielanleitung.txt"});
    QElapsedTimer t;
    t.start();
    // The mark is complete once it ends with its newline.
    const auto marked = [&] {
        QFile f(path("opened"));
        return f.open(QIODevice::ReadOnly) && f.readAll().endsWith('\n');
    };
    while (!marked() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    qputenv("PATH", oldPath);
    QFile mark(path("opened"));
    ASSERT_TRUE(mark.open(QIODevice::ReadOnly));
    EXPECT_EQ(mark.readAll().trimmed(), QByteArray("Spielanleitung.txt"));
}

TEST_F(QtPlatformTest, AMissingSoundIsSilence) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QtSoundPlayer sound;
    EXPECT_NO_THROW(sound.play("missing.wav"));
    EXPECT_NO_THROW(sound.play("missing.wav"));
    QDir::setCurrent(before);
}

// The pump sleeps to the next whole second only after a cycle that changed
// nothing; after the turn the next pass comes at once, and input ends a sleep.
// (Qt may wake a sleep early for events of its own; the checks allow that.)
TEST_F(QtPlatformTest, PumpSleepsToTheNextSecondOnlyWhenNothingMovedAndWakesForInput) {
    QtPlatform platform;
    MainWindow window(platform.platform());
    platform.attach(window, nullptr);
    if (platform.pump().spinning()) GTEST_SKIP() << "QUIZ_SPIN_YIELD is set";
    QtClock& clock = platform.clock();
    QtEventPump& pump = platform.pump();
    // Pass until a sleep has ended at the turn of a second.
    bool turned = false;
    for (int i = 0; i < 200 && !turned; ++i) {
        const auto second = clock.now().value();
        const long long sleeps = pump.sleeps();
        pump.pump();
        turned = pump.sleeps() > sleeps && clock.now().value() != second;
    }
    ASSERT_TRUE(turned) << "no sleep lasted to the turn of a second";
    EXPECT_LT(clock.ms() % 1000, 100) << "woke just after the turn";

    // The pass after the turn comes at once, so a reading taken before the
    // turn is not shown for another second; the one after it may sleep.
    const long long after = pump.sleeps();
    QElapsedTimer t;
    t.start();
    pump.pump();
    EXPECT_LT(t.elapsed(), 100);
    EXPECT_EQ(pump.sleeps(), after) << "no sleep in the pass right after the turn";
    pump.pump();
    EXPECT_EQ(pump.sleeps(), after + 1) << "a cycle that changed nothing sleeps";

    // A change in the window keeps the next yield awake.
    pump.pump();
    window.txterg.setText("Bingo!");
    const long long beforeChange = pump.sleeps();
    pump.pump();
    EXPECT_EQ(pump.sleeps(), beforeChange) << "no sleep right after a change";

    // Input arriving 100 ms into a sleep ends it at once.
    QObject alive;  // should the pump return early, the timer dies with it
    QTimer::singleShot(100, &alive, [&] { platform.input().push(RawInput::keyTyped('x')); });
    t.restart();
    for (int i = 0; i < 20 && window.pendingEvents() == 0 && t.elapsed() < 900; ++i) pump.pump();
    EXPECT_EQ(window.pendingEvents(), 1u);
    EXPECT_LT(t.elapsed(), 250) << "woke for the input, not at the next second";
}

}  // namespace
}  // namespace quiz

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
