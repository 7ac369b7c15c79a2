// Game controllers as a second keyboard, on the program's side: reports from
// the module's thread become keys on the program's thread and wake a yield
// that sleeps; a taken buzz rumbles its player's controller; without the
// module there is one line and nothing else. Last, the built module itself,
// with SDL's virtual controllers of the test seam.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "qt/QtControllers.h"
#include "qt/QtPlatform.h"
#include "window/MainWindow.h"
#include "window/RawInput.h"

namespace quiz {
namespace {

// A source whose thread is the test's: it reports what the test tells it to.
class FakeSource : public PadSource {
public:
    void rumble(int connection) override {
        const std::lock_guard<std::mutex> lock(mutex);
        rumbled.push_back(connection);
    }
    std::mutex mutex;
    std::vector<int> rumbled;
};

PadEvent connected(int connection, const char* guid) {
    PadEvent e;
    e.kind = PadEvent::Kind::Connected;
    e.connection = connection;
    e.text = "Testpad";
    e.identity = {guid, "", ""};
    return e;
}

PadEvent button(int connection, PadButton b) {
    PadEvent e;
    e.kind = PadEvent::Kind::Button;
    e.connection = connection;
    e.button = b;
    return e;
}

void processEventsFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

struct Rig {
    QtPlatform platform;
    MainWindow window{platform.platform()};
    std::vector<int> typed;
    std::vector<QString> messages;
    FakeSource* source = nullptr;
    QtControllers controllers{window, [this](int key) { typed.push_back(key); },
                              [this](PadListener&, QString*) {
                                  auto s = std::make_unique<FakeSource>();
                                  source = s.get();
                                  return s;
                              }};
    Rig() {
        platform.attach(window, nullptr);
        controllers.onMessage = [this](const QString& line) { messages.push_back(line); };
        controllers.load();
    }
};

TEST(Controllers, ReportsFromTheModulesThreadBecomeKeysInOrder) {
    Rig rig;
    std::thread module([&rig] {
        rig.controllers.padEvent(connected(40, "aa"));
        rig.controllers.padEvent(connected(41, "bb"));
        rig.controllers.padEvent(button(41, PadButton::LeftShoulder));
        rig.controllers.padEvent(button(40, PadButton::North));
        rig.controllers.padEvent(button(40, PadButton::Other));
        rig.controllers.padEvent(button(99, PadButton::South));
        rig.controllers.padEvent(button(40, PadButton::Start));
        PadEvent gone;
        gone.kind = PadEvent::Kind::Disconnected;
        gone.connection = 41;
        rig.controllers.padEvent(gone);
        rig.controllers.padEvent(button(41, PadButton::South));
    });
    module.join();
    EXPECT_TRUE(rig.typed.empty()) << "nothing is typed before the program's thread takes the reports";
    processEventsFor(50);
    EXPECT_EQ(rig.typed, (std::vector<int>{'b', '4', keys::enter}));
    ASSERT_EQ(rig.messages.size(), 3u);
    EXPECT_EQ(rig.messages[0], "velmora-quiz: controller \"Testpad\" connected: player 1, buzzer q");
    EXPECT_EQ(rig.messages[1], "velmora-quiz: controller \"Testpad\" connected: player 2, buzzer b");
    EXPECT_EQ(rig.messages[2], "velmora-quiz: controller of player 2 disconnected");
    EXPECT_EQ(rig.window.txterg.text(), "") << "the window shows nothing of the controllers";
}

// A press while the yield sleeps towards the next second ends the sleep at
// once, as a key of the keyboard does: three presses, each at another point
// of its second.
TEST(Controllers, APressWakesAYieldThatSleeps) {
    Rig rig;
    rig.controllers.padEvent(connected(7, "aa"));
    processEventsFor(20);
    QtEventPump& pump = rig.platform.pump();
    if (pump.spinning()) GTEST_SKIP() << "QUIZ_SPIN_YIELD is set";
    for (int delayMs : {120, 230, 340}) {
        // The module's thread reports the press delayMs into a second, while
        // the pump sleeps towards the next one.
        while (rig.platform.clock().ms() % 1000 > 50) processEventsFor(2);
        std::atomic<long long> pressedAt{0};
        std::thread module([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            pressedAt = rig.platform.clock().ms();
            rig.controllers.padEvent(button(7, PadButton::East));
        });
        const long long sleepsBefore = pump.sleeps();
        rig.typed.clear();
        QElapsedTimer t;
        t.start();
        while (rig.typed.empty() && t.elapsed() < 1500) pump.pump();
        const long long tookMs = rig.platform.clock().ms() - pressedAt;
        module.join();
        ASSERT_EQ(rig.typed, std::vector<int>{'2'}) << delayMs;
        EXPECT_GT(pump.sleeps(), sleepsBefore) << delayMs << ": the pump slept while it waited";
        EXPECT_LT(tookMs, 60) << delayMs << ": woke for the press, not later";
    }
}

TEST(Controllers, ATakenBuzzRumblesThatPlayersController) {
    struct Case {
        const char* players;
        const char* turn;
        std::vector<int> rumbled;
    };
    const std::vector<Case> cases = {
        {"2", "Spieler 2!", {31}}, {"3", "Spieler 3!", {32}},
        {"3", "Spieler 1!", {30}}, {"1", "Spieler 1!", {}},  // a one-player game starts with this text: no buzz
        {"2", "1:Q 2:B 3:P", {}},
    };
    for (const auto& c : cases) {
        Rig rig;
        for (int i = 0; i < 3; ++i) rig.controllers.padEvent(connected(30 + i, i == 0 ? "a" : i == 1 ? "b" : "c"));
        processEventsFor(20);
        rig.window.cbospieler.setText(c.players);
        rig.window.txtdran.setText(c.turn);
        EXPECT_EQ(rig.source->rumbled, c.rumbled) << c.players << " players, " << c.turn;
    }
    // Player 2 without a controller: nobody rumbles.
    Rig rig;
    rig.controllers.padEvent(connected(30, "a"));
    processEventsFor(20);
    rig.window.cbospieler.setText("2");
    rig.window.txtdran.setText("Spieler 2!");
    EXPECT_TRUE(rig.source->rumbled.empty());
}

TEST(Controllers, WithoutTheModuleThereIsOneLineAndNoController) {
    QtPlatform platform;
    MainWindow window(platform.platform());
    std::vector<QString> messages;
    QtControllers controllers(
        window, [](int) { FAIL() << "a key without controllers"; },
        QtControllers::fromModule(QStringLiteral("/nonexistent/velmora-quiz-controllers")));
    controllers.onMessage = [&](const QString& line) { messages.push_back(line); };
    controllers.load();
    controllers.load();
    EXPECT_FALSE(controllers.running());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("velmora-quiz: no controllers: ")) << messages[0].toStdString();
    window.cbospieler.setText("2");
    EXPECT_NO_THROW(window.txtdran.setText("Spieler 2!"));
}

#ifdef QUIZ_CONTROLLER_MODULE
// stderr of this process, caught in a file while it lives.
class StderrCatch {
public:
    explicit StderrCatch(const std::string& path) : path_(path) {
        std::fflush(stderr);
        saved_ = dup(2);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    ~StderrCatch() { release(); }
    std::string release() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, 2);
            close(saved_);
            saved_ = -1;
        }
        std::ifstream in(path_);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::string path_;
    int saved_ = -1;
};

TEST(Controllers, TheBuiltModuleTypesTheKeysOfVirtualControllers) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("pads").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    setenv("QUIZ_TEST_CONTROLLERS", "2", 1);
    setenv("QUIZ_TEST_CONTROLLERS_FIFO", fifo.c_str(), 1);
    QtPlatform platform;
    MainWindow window(platform.platform());
    std::vector<int> typed;
    std::vector<QString> messages;
    QtControllers controllers(
        window, [&](int key) { typed.push_back(key); },
        QtControllers::fromModule(QStringLiteral(QUIZ_CONTROLLER_MODULE)));
    controllers.onMessage = [&](const QString& line) { messages.push_back(line); };
    controllers.load();
    auto waitFor = [&](std::size_t n, std::vector<QString>& v) {
        QElapsedTimer t;
        t.start();
        while (v.size() < n && t.elapsed() < 5000) processEventsFor(10);
        return v.size() >= n;
    };
    ASSERT_TRUE(waitFor(2, messages)) << "two virtual controllers connect";
    EXPECT_EQ(messages[0], "velmora-quiz: controller \"Velmora Testpad 1\" connected: player 1, buzzer q");
    EXPECT_EQ(messages[1], "velmora-quiz: controller \"Velmora Testpad 2\" connected: player 2, buzzer b");
    EXPECT_TRUE(typed.empty()) << "connecting types nothing";

    const int out = open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(out, 0);
    auto send = [out](const std::string& lines) {
        ASSERT_EQ(write(out, lines.data(), lines.size()), ssize_t(lines.size()));
    };
    auto waitTyped = [&](std::size_t n) {
        QElapsedTimer t;
        t.start();
        while (typed.size() < n && t.elapsed() < 3000) processEventsFor(10);
        processEventsFor(50);  // and nothing more
    };
    send(
        "press 1 rightshoulder\npress 2 a\npress 2 lefttrigger\npress 1 dpup\npress 1 back\npress 2 start\n"
        "press 1 x\npress 2 b\npress 1 y\npress 2 leftshoulder\npress 1 righttrigger\n");
    waitTyped(9);
    EXPECT_EQ(typed, (std::vector<int>{'q', '1', 'b', keys::enter, '3', '2', '4', 'b', 'q'}));

    // Pad 1 unplugged and plugged in again is player 1 again.
    typed.clear();
    send("unplug 1\n");
    ASSERT_TRUE(waitFor(3, messages));
    EXPECT_EQ(messages[2], "velmora-quiz: controller of player 1 disconnected");
    send("plug 1\n");
    ASSERT_TRUE(waitFor(4, messages));
    EXPECT_EQ(messages[3], "velmora-quiz: controller \"Velmora Testpad 1\" connected: player 1, buzzer q");
    send("press 1 leftshoulder\n");
    waitTyped(1);
    EXPECT_EQ(typed, std::vector<int>{'q'});

    // Player 2's buzz is taken: pad 2 rumbles (the seam writes it to stderr).
    {
        StderrCatch err(dir.filePath("stderr").toStdString());
        window.cbospieler.setText("2");
        window.txtdran.setText("Spieler 2!");
        processEventsFor(300);
        const std::string said = err.release();
        EXPECT_NE(said.find("velmora-quiz test pads: pad 2 rumbles"), std::string::npos) << said;
        EXPECT_EQ(said.find("pad 1 rumbles"), std::string::npos) << said;
    }
    close(out);
    unsetenv("QUIZ_TEST_CONTROLLERS");
    unsetenv("QUIZ_TEST_CONTROLLERS_FIFO");
}
#endif

}  // namespace
}  // namespace quiz
