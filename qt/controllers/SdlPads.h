#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <SDL.h>

#include "qt/ControllerModule.h"

namespace quiz {

class TestPads;

// The game controllers through SDL's game-controller API (its joystick and
// game-controller subsystems only: no SDL window, no SDL sound), on a thread
// of its own that owns every call into SDL.
//
// The thread sleeps in poll() and never spins: SDL_WaitEvent cannot sleep
// without an SDL window (it polls every millisecond, some 1.5 % of a core).
// It wakes when a controller's device file has input (a second reader of
// the file SDL reads, so SDL's own reading is untouched), when the program
// asks for a rumble or ends, when the test seam has a command, and once a
// second to let SDL notice controllers plugged in or out. After input it
// looks again 2 ms later, for input that reached SDL's reader after ours.
// A controller without a device file that can be watched is polled every
// 2 ms while it is connected. QUIZ_CONTROLLERS_SDL_WAIT=1 in the environment
// makes it wait in SDL_WaitEventTimeout instead, only for the benchmark to
// compare.
class SdlPads : public PadSource {
public:
    explicit SdlPads(PadListener& listener);
    ~SdlPads() override;
    void rumble(int connection) override;

    static constexpr int idleMs = 1000;
    static constexpr int afterInputMs = 2;
    static constexpr int rumbleMs = 150;

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        int fd = -1;  // our own reader of its device file; -1 when none
        bool isVirtual = false;
    };

    void run();
    bool start();
    void stop();
    // Lets SDL read its devices and reports what it found.
    void pump();
    void handle(const SDL_Event& event);
    void opened(int deviceIndex);
    void closed(SDL_JoystickID id);
    int timeoutMs() const;
    void drain(int fd) const;

    PadListener& listener_;
    const bool sdlWait_;
    int wakeFd_ = -1;
    std::mutex mutex_;
    std::vector<int> rumbles_;  // connections, asked for by the program's thread
    bool quit_ = false;
    // Only the thread touches these.
    std::map<SDL_JoystickID, Pad> pads_;
    std::unique_ptr<TestPads> test_;
    Uint64 lookAgainAt_ = 0;  // SDL_GetTicks64 of an extra look; 0 for none
    std::thread thread_;
};

}  // namespace quiz
