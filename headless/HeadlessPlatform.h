#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "headless/FakeClock.h"
#include "headless/Recorder.h"
#include "headless/Scenario.h"
#include "runtime/MixingRandom.h"
#include "window/MainWindow.h"
#include "window/YieldPacer.h"
#include "window/platform/Platform.h"

namespace quiz {

// Every platform service without a screen: a fake clock that moves 10 ms per
// yield, a seeded random generator, a recorder of every effect, and the
// scenario's input fed from inside the yields, one raw input at a time.
// In the sleeping mode the yield behaves as the desktop's instead: where the
// YieldPacer allows a sleep, the clock jumps to just past the next turn of
// the second (or to the scenario's next input, if that comes sooner);
// every other yield takes a millisecond.
// A recording of the desktop program (Scenario::recorded) always replays
// with the sleeping yield, on the timeline of its waits, and draws as the
// recording program did (see Scenario::recorded).
class HeadlessPlatform : public EventPump,
                         public SoundPlayer,
                         public MessageBoxes,
                         public ProgramStarter,
                         public PictureLoader,
                         public FileDialog,
                         public WorkingDirectory,
                         public Lifecycle {
public:
    static constexpr std::int64_t yieldMs = 10;

    HeadlessPlatform(const Scenario& scenario, std::ostream* out);

    Platform& platform() { return platform_; }
    FakeClock& clock() { return clock_; }
    MixingRandom& random() { return random_; }
    Recorder& recorder() { return recorder_; }
    const Recorder& recorder() const { return recorder_; }
    void attach(MainWindow& window);
    // What `dump` prints and what `right`/`wrong` answer; set by the game.
    std::function<std::string()> stateLine;
    std::function<int()> answerKey;
    // Called after every yield and every step taken at the top level.
    std::function<void()> afterStep;

    // The program's top level: load, then feed steps and dispatch until the
    // steps are used up or the program ends. Returns the lines written.
    void run();
    bool ended() const { return ended_; }

    // Scripted values for the next dialog, box and start; tests set them too.
    void holdNext(std::int64_t ms) { holdMs_ = ms; }
    void fileNext(std::string path) { file_ = std::move(path); }
    void failStarts(bool on) { failStarts_ = on; }
    void setCurrentDirectory(std::string dir) { cwd_ = std::move(dir); }
    // Yields sleep as the desktop's do (see above); 10 ms each by default.
    void useSleepingYield() { sleepingYield_ = true; }
    long long sleeps() const { return sleeps_; }
    // Unit tests drive the window themselves: used-up steps then end nothing.
    void keepRunningWithoutSteps() { endWithoutSteps_ = false; }
    std::string dumpText() const;

    // EventPump
    void pump() override;
    // SoundPlayer
    void play(const std::string& file) override;
    // MessageBoxes
    void show(const std::string& prompt, BoxStyle style, const std::string& title) override;
    // ProgramStarter
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
    // PictureLoader
    std::string load(const std::string& path) override;
    // FileDialog
    std::string open(const FileDialogSettings& settings) override;
    // WorkingDirectory
    std::string current() override { return cwd_; }
    void change(const std::string& path) override;
    // Lifecycle
    void unload() override {}
    void end() override;
    void runtimeError(const std::string& message) override;

private:
    bool feed(bool topLevel);
    void sleepOrStep();
    void expand(const Step& s);
    void dump();
    // How long the box or dialog opening now stays open; a dialog also takes
    // the file of a recording.
    std::int64_t takeHold(bool dialog);
    std::string absolute(const std::string& path) const;

    const Scenario& scenario_;
    FakeClock clock_;
    MixingRandom random_;
    Recorder recorder_;
    Platform platform_;
    MainWindow* window_ = nullptr;
    std::size_t next_ = 0;
    std::int64_t notBeforeMs_ = 0;
    std::int64_t dueMs_ = 0;  // a recording: when its last input was due
    std::deque<RawInput> raw_;
    std::int64_t holdMs_ = 0;
    std::deque<std::int64_t> holds_;  // a recording: one for each box, in order
    std::string file_;
    bool failStarts_ = false;
    std::string cwd_ = "/velmora";
    bool ended_ = false;
    bool endWithoutSteps_ = true;
    bool sleepingYield_ = false;
    YieldPacer pacer_;
    long long sleeps_ = 0;
};

}  // namespace quiz
