// What the program defers or hands to a second thread on its way to the
// first frame: the sound module, loaded only after it, and the pictures and
// fonts of the head start. Each must still deliver exactly what a direct
// load would.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "qt/QtHeadStart.h"
#include "qt/QtPictureLoader.h"
#include "qt/QtSoundPlayer.h"

namespace quiz {
namespace {

// Records what it is asked to play.
class RecordingPlayer : public SoundPlayer {
public:
    explicit RecordingPlayer(std::vector<std::string>& played) : played_(played) {}
    void play(const std::string& file) override { played_.push_back(file); }

private:
    std::vector<std::string>& played_;
};

struct FakeModule {
    std::vector<std::string> played;
    int made = 0;
    QtSoundPlayer::Backend backend() {
        return [this] {
            ++made;
            return std::make_unique<RecordingPlayer>(played);
        };
    }
};

void processEventsFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(SoundModule, OnlyTheNewestCueWaitsForTheModule) {
    FakeModule module;
    QtSoundPlayer sound(module.backend());
    sound.play("start.wav");
    sound.play("los.wav");
    EXPECT_EQ(module.made, 0) << "nothing is loaded before load()";
    EXPECT_FALSE(sound.playing());

    sound.load();
    EXPECT_EQ(module.played, (std::vector<std::string>{"los.wav"})) << "the older cue was cut off before it began";
    sound.play("kling.wav");
    sound.load();
    EXPECT_EQ(module.made, 1) << "loaded once";
    EXPECT_EQ(module.played, (std::vector<std::string>{"los.wav", "kling.wav"}));
}

TEST(SoundModule, ALoadWithNothingWaitingPlaysNothing) {
    FakeModule module;
    QtSoundPlayer sound(module.backend());
    sound.load();
    EXPECT_TRUE(sound.playing());
    EXPECT_TRUE(module.played.empty());
}

// The window normally asks for the module after its first frame; without
// that the module still comes, a moment after the first cue.
TEST(SoundModule, ComesByItselfAMomentAfterTheFirstCue) {
    FakeModule module;
    QtSoundPlayer sound(module.backend());
    sound.play("start.wav");
    processEventsFor(QtSoundPlayer::loadByItselfMs / 2);
    EXPECT_EQ(module.made, 0);
    processEventsFor(QtSoundPlayer::loadByItselfMs);
    EXPECT_EQ(module.made, 1);
    EXPECT_EQ(module.played, (std::vector<std::string>{"start.wav"}));
}

TEST(SoundModule, WithoutTheModuleThereIsSilence) {
    QtSoundPlayer sound(QtSoundPlayer::fromModule(QStringLiteral("/nonexistent/velmora-quiz-sound")));
    EXPECT_NO_THROW(sound.play("start.wav"));
    EXPECT_NO_THROW(sound.load());
    EXPECT_FALSE(sound.playing());
    EXPECT_NO_THROW(sound.play("los.wav"));
}

TEST(SoundModule, TheBuiltModuleLoadsAndTakesMissingCuesSilently) {
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        QtSoundPlayer sound(QtSoundPlayer::fromModule(QStringLiteral(QUIZ_SOUND_MODULE)));
        sound.play("missing.wav");
        sound.load();
        EXPECT_TRUE(sound.playing());
        EXPECT_NO_THROW(sound.play("missing.wav"));
    }
    QDir::setCurrent(before);
}

class HeadStart : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString picture(const char* name, const char* format, QColor colour, QSize size) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(colour);
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(img.save(path, format));
        return path;
    }
};

TEST_F(HeadStart, DeliversEveryPictureAsADirectLoadWould) {
    const QString icon = picture("icon.png", "PNG", Qt::blue, {32, 32});
    const QString player = picture("spieler.jpg", "JPEG", Qt::green, {100, 75});
    const QString background = picture("background.jpg", "JPEG", Qt::darkRed, {800, 600});
    const QString unasked = picture("neu.png", "PNG", Qt::yellow, {32, 32});
    QtHeadStart start({icon}, {player, background});
    // Asked in another order than decoded: each waits for its own.
    for (const QString& path : {background, icon, player, unasked}) {
        const QImage got = start.picture(path);
        ASSERT_FALSE(got.isNull()) << path.toStdString();
        EXPECT_EQ(got, QImage(path)) << path.toStdString();
    }
    EXPECT_TRUE(start.picture(dir.filePath(QStringLiteral("missing.png"))).isNull());
}

// Most buttons have no second picture: asking for it is normal and must not
// fill the terminal with Qt's complaints at every start.
TEST_F(HeadStart, AMissingPictureIsNullWithoutAWarning) {
    static QStringList said;
    said.clear();
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { said.append(text); });
    {
        QtHeadStart start({QStringLiteral(":/pictures/neu2.png")}, {dir.filePath(QStringLiteral("missing.jpg"))});
        EXPECT_TRUE(start.picture(QStringLiteral(":/pictures/neu2.png")).isNull());
        EXPECT_TRUE(start.picture(dir.filePath(QStringLiteral("missing.jpg"))).isNull());
        EXPECT_TRUE(start.picture(QStringLiteral(":/pictures/ende2.png")).isNull());
    }
    qInstallMessageHandler(before);
    EXPECT_TRUE(said.isEmpty()) << said.join(QLatin1Char('\n')).toStdString();
}

TEST_F(HeadStart, ABrokenPictureIsNullNotAnError) {
    const QString broken = dir.filePath(QStringLiteral("broken.jpg"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Bild");
    f.close();
    QtHeadStart start({}, {broken});
    EXPECT_TRUE(start.picture(broken).isNull());
}

TEST_F(HeadStart, EndsCleanlyWhenNothingWasAsked) {
    const QString background = picture("background.jpg", "JPEG", Qt::darkRed, {800, 600});
    { QtHeadStart start({}, {background}); }
    SUCCEED() << "the thread was joined";
}

TEST_F(HeadStart, IsWhereThePictureLoaderFindsTheBuiltInPictures) {
    QtHeadStart start({}, {QStringLiteral(":/pictures/none.png")});
    QtPictureLoader withHeadStart(&start);
    QtPictureLoader without;
    EXPECT_TRUE(withHeadStart.builtIn("none.png").isNull());
    EXPECT_TRUE(without.builtIn("none.png").isNull());
}

}  // namespace
}  // namespace quiz
