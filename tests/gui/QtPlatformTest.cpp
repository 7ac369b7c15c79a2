// The Qt platform services that need no real window: picture loading with
// its limits, the dialog's filters and start folder, keys, twips, the clock,
// the working directory, starting programs, silent sound, and the pump that
// sleeps to the next second but wakes for input.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QImageWriter>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "qt/QtClock.h"
#include "qt/QtEventPump.h"
#include "qt/QtFileDialog.h"
#include "qt/QtFonts.h"
#include "qt/QtInputFilter.h"
#include "qt/QtInputQueue.h"
#include "qt/QtInstructionsViewer.h"
#include "qt/QtLabel.h"
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

// A picture is decoded at the size it can be shown at, the screen's; a
// file is walked, never read whole; a cut-off GIF or a progressive JPEG too
// large to decode in bounded memory is refused.
TEST_F(QtPlatformTest, PicturesAreDecodedAtTheirShownSizeWithBoundedMemory) {
    QtPictureLoader loader;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    QImage photo(screen.width() * 4, screen.height() * 3, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(path("foto.jpg"), "JPEG"));
    const QImage shown = loader.image(loader.load(path("foto.jpg").toStdString()));
    EXPECT_LE(shown.width(), screen.width());
    EXPECT_LE(shown.height(), screen.height());
    EXPECT_NEAR(double(shown.width()) / shown.height(), double(photo.width()) / photo.height(), 0.02);

    // Data after the end marker, four gigabytes of it (sparse on disk).
    QFile::copy(path("foto.jpg"), path("gepolstert.jpg"));
    QFile padded(path("gepolstert.jpg"));
    ASSERT_TRUE(padded.open(QIODevice::ReadWrite) && padded.resize(padded.size() + (4LL << 30)));
    padded.close();
    const auto peakKiB = [] {
        rusage use{};
        getrusage(RUSAGE_SELF, &use);
        return use.ru_maxrss;
    };
    const long before = peakKiB();
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(errorOf([&] { loader.load(path("gepolstert.jpg").toStdString()); }), 0);
    EXPECT_LT(t.elapsed(), 5000) << "the padding is not read";
    EXPECT_LT(peakKiB() - before, 64 * 1024) << "the padding is not held in memory";

    // A red GIF of 4 x 4 pixels, whole, then cut off before its trailer and inside its data.
    const QByteArray gif = QByteArray::fromHex(
        "47494638396104000400f00000ff000000000021f90400000000002c0000000004000400000204848f0905003b");
    write("ganz.gif", gif);
    write("ohne-ende.gif", gif.left(gif.size() - 1));
    write("halb.gif", gif.left(gif.size() - 5));
    EXPECT_EQ(errorOf([&] { loader.load(path("ganz.gif").toStdString()); }), 0);
    EXPECT_EQ(errorOf([&] { loader.load(path("ohne-ende.gif").toStdString()); }), 481);
    EXPECT_EQ(errorOf([&] { loader.load(path("halb.gif").toStdString()); }), 481);

    // A progressive JPEG is decoded whole before it is scaled: a small one
    // loads, one that announces 10000 x 10000 pixels is refused unread.
    QImageWriter progressive(path("stufen.jpg"), "jpeg");
    progressive.setProgressiveScanWrite(true);
    ASSERT_TRUE(progressive.write(QImage(64, 48, QImage::Format_RGB32)));
    progressive.device()->close();
    EXPECT_EQ(errorOf([&] { loader.load(path("stufen.jpg").toStdString()); }), 0);
    QFile small(path("stufen.jpg"));
    ASSERT_TRUE(small.open(QIODevice::ReadOnly));
    QByteArray big = small.readAll();
    const qsizetype sof = big.indexOf(QByteArray("\xFF\xC2", 2));
    ASSERT_GT(sof, 0) << "written progressive";
    for (int i : {5, 7}) {  // height, then width, big-endian
        big[sof + i] = char(0x27);
        big[sof + i + 1] = char(0x10);
    }
    write("riesenstufen.jpg", big);
    EXPECT_EQ(errorOf([&] { loader.load(path("riesenstufen.jpg").toStdString()); }), 481);
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

// Whatever the system's language, the dialog lists sizes and dates in
// German; at the size it opens in no column is cut short; and what Qt keeps
// of it lands outside the user's home folder.
TEST_F(QtPlatformTest, TheDialogListsGermanSizesAndDatesWithNoColumnCutShort) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    write("ein recht langer Name für ein Bild der Flotte vor Caldris.jpg", QByteArray(1536, 'x'));
    write("kurz.gif", QByteArray(10, 'x'));
    QFileDialog dialog(nullptr, QStringLiteral("Bild auswählen!"), dir.path(), QStringLiteral("Alle Dateien (*)"));
    QtFileDialog::prepare(dialog);
    dialog.show();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    QElapsedTimer t;
    t.start();
    while (view->model()->rowCount(view->rootIndex()) < 2 && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const QAbstractItemModel* m = view->model();
    ASSERT_EQ(m->rowCount(view->rootIndex()), 2);
    int columns = 0;
    for (int row = 0; row < 2; ++row) {
        for (int c = 0; c < m->columnCount(view->rootIndex()); ++c) {
            if (view->header()->isSectionHidden(c)) continue;
            const QModelIndex index = m->index(row, c, view->rootIndex());
            const QString text = m->data(index).toString();
            const int needed = view->fontMetrics().horizontalAdvance(text) + (c == 0 ? view->iconSize().width() : 0);
            EXPECT_LE(needed, view->columnWidth(c)) << text.toStdString();
            if (text.startsWith(QStringLiteral("ein recht"))) {
                EXPECT_EQ(m->data(m->index(row, 1, view->rootIndex())).toString(), QStringLiteral("1,5 kB"));
                EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"))
                                .match(m->data(m->index(row, 3, view->rootIndex())).toString())
                                .hasMatch());
            }
        }
    }
    for (int c = 0; c < m->columnCount(view->rootIndex()); ++c)
        if (!view->header()->isSectionHidden(c)) columns += view->columnWidth(c);
    EXPECT_LE(columns, view->viewport()->width()) << "every column within the view";
    dialog.reject();
    QLocale::setDefault(before);
    const QSettings kept(QSettings::UserScope, QStringLiteral("QtProject"));
    EXPECT_FALSE(kept.fileName().startsWith(QDir::homePath())) << kept.fileName().toStdString();
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
        {"Papyrus", "P052"},
        {"Haettenschweiler", "Nimbus Sans Narrow"},
        {"Keine Schrift Velmora", "Keine Schrift Velmora"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtFonts::installedFamily(QString::fromLatin1(c.asked)).toStdString(), c.named) << c.asked;
}

// Bold where bold is asked for, upright where upright is: "Spielanleitung"
// (Papyrus 18 bold) in a bold upright face, and the "3" of player three
// (extra bold, 800, beyond the condensed stand-in's bold) drawn heavier
// than the same label at bold.
TEST_F(QtPlatformTest, WeightsAndSlantsAreDrawnAsTheWindowAsks) {
    const QFontInfo instructions(QtFonts::font({"Papyrus", 18, 700, false}));
    EXPECT_GE(instructions.weight(), 700) << instructions.family().toStdString();
    EXPECT_FALSE(instructions.italic()) << instructions.family().toStdString();

    const auto ink = [](int weight) {
        QtLabel label(nullptr);
        label.setFont(QtFonts::font({"Haettenschweiler", 27.75, weight, true}));
        label.setWeight(weight);
        label.setText(QStringLiteral("3"));
        label.resize(80, 80);  // room for the whole glyph
        QImage shot(label.size(), QImage::Format_ARGB32);
        shot.fill(Qt::white);
        label.render(&shot);
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) dark += qGray(shot.pixel(x, y)) < 128;
        return dark;
    };
    EXPECT_GT(ink(800), ink(700) * 11 / 10) << "extra bold is drawn heavier than bold";
}

TEST_F(QtPlatformTest, TwipsAndPixels) {
    const QtScale at96(96), at144(144);
    EXPECT_EQ(at96.px(MainWindow::clientWidth), 796);
    EXPECT_EQ(at96.px(MainWindow::clientHeight), 596);
    EXPECT_EQ(at144.px(MainWindow::clientWidth), 1194);
    EXPECT_EQ(at96.rect({240, 6360, 735, 735}), QRect(16, 424, 49, 49));
    // The pixel at x = 16 is twips 240..254: its centre is inside cmdstart.
    EXPECT_EQ(at96.twipsX(16.0), 247);
    EXPECT_EQ(at96.twipsX(15.0), 232);
    EXPECT_EQ(at144.twipsX(24.0), 245);
}

// Any view size: the largest scale that fits, centred; a point of the view
// maps back to the twips it shows, and the margins lie outside the layout.
TEST_F(QtPlatformTest, TheLayoutScalesToAnyViewKeepingItsShape) {
    struct Case {
        QSize view;
        QSize client;  // the client area's size in pixels
    };
    const std::vector<Case> cases = {
        {{796, 596}, {796, 596}},     {{1920, 1080}, {1442, 1080}}, {{800, 600}, {800, 599}},
        {{1592, 1192}, {1592, 1192}}, {{400, 1000}, {400, 299}},    {{199, 149}, {199, 149}},
    };
    for (const auto& c : cases) {
        const QtScale s = QtScale::fitting(c.view, 96);
        const QRect client = s.client();
        EXPECT_EQ(client.size(), c.client) << c.view.width() << "x" << c.view.height();
        EXPECT_TRUE(QRect(QPoint(0, 0), c.view).contains(client)) << c.view.width() << "x" << c.view.height();
        // Centred: the margins on either side differ by a pixel at most.
        EXPECT_LE(std::abs(client.left() - (c.view.width() - client.right() - 1)), 1);
        EXPECT_LE(std::abs(client.top() - (c.view.height() - client.bottom() - 1)), 1);
        // The centre of cmdstart on screen is cmdstart in twips.
        const Rect start{240, 6360, 735, 735};
        const QRect onScreen = s.rect(start);
        EXPECT_TRUE(start.contains(s.twipsX(onScreen.center().x()), s.twipsY(onScreen.center().y())))
            << c.view.width() << "x" << c.view.height();
        // Left of the client area there is no layout.
        if (client.left() > 0) {
            EXPECT_TRUE(MainWindow::outside(s.twipsX(client.left() - 1), s.twipsY(client.top())));
        }
        EXPECT_NEAR(s.fontFactor(), client.width() / 796.0, 0.01);
    }
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
}

// The Windows editor opens the program's own viewer: a window of its own,
// not modal, showing the file of the current directory as UTF-8; a second
// start brings it back reloaded; a file it cannot read is "file not found"
// and shows nothing.
TEST_F(QtPlatformTest, TheWindowsEditorOpensTheInstructionsViewer) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QtProgramStarter starter;
    EXPECT_EQ(errorOf([&] { starter.start("c:\\windows\\Notepad.exe", {"Spielanleitung.txt"}); }), 53) << "no file yet";
    EXPECT_TRUE(starter.viewer() == nullptr || !starter.viewer()->isVisible());

    write("Spielanleitung.txt", QStringLiteral("Spielanleitung für Velmora\nZweite Zeile\n").toUtf8());
    EXPECT_EQ(errorOf([&] { starter.start("c:\\windows\\Notepad.exe", {"Spielanleitung.txt"}); }), 0);
    ASSERT_NE(starter.viewer(), nullptr);
    EXPECT_TRUE(starter.viewer()->isVisible());
    EXPECT_TRUE(starter.viewer()->isWindow());
    EXPECT_EQ(starter.viewer()->windowTitle(), QStringLiteral("Spielanleitung"));
    EXPECT_EQ(starter.viewer()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(starter.viewer()->text().startsWith(QStringLiteral("Spielanleitung für Velmora")));

    write("Spielanleitung.txt", QByteArray("Neu geladen\n"));
    const QtInstructionsViewer* first = starter.viewer();
    starter.start("c:\\windows\\Notepad.exe", {"Spielanleitung.txt"});
    EXPECT_EQ(starter.viewer(), first) << "one viewer, brought to the front";
    EXPECT_TRUE(starter.viewer()->text().startsWith(QStringLiteral("Neu geladen")));

    QFile::remove(path("Spielanleitung.txt"));
    QDir(dir.path()).mkdir(QStringLiteral("Spielanleitung.txt"));
    EXPECT_EQ(errorOf([&] { starter.start("c:\\windows\\Notepad.exe", {"Spielanleitung.txt"}); }), 53)
        << "a folder of that name";
    QDir::setCurrent(before);
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
