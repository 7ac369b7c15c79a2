#pragma once
#include <array>
#include <functional>
#include <memory>
#include <string>

#include <SDL.h>

namespace quiz {

// A test seam, off unless QUIZ_TEST_CONTROLLERS is set: it attaches that many
// (1 to 3) virtual game controllers of SDL inside the program, named
// "Velmora Testpad 1" and so on, connected in that order. Each line written
// to the FIFO named by QUIZ_TEST_CONTROLLERS_FIFO (if given) is a command:
//   press N BUTTON   press and release a button of pad N: a, b, x, y, start,
//                    back, leftshoulder, rightshoulder, lefttrigger,
//                    righttrigger, dpup
//   unplug N         pad N goes away
//   plug N           pad N comes back (the same controller)
// A rumble of a pad is written to stderr as "velmora-quiz test pads: pad N
// rumbles". Only SdlPads' thread uses it.
class TestPads {
public:
    // The seam as the environment asks for it; nullptr when it is off.
    // pump lets SDL deliver what a command changed.
    static std::unique_ptr<TestPads> fromEnvironment(std::function<void()> pump);
    ~TestPads();
    TestPads(const TestPads&) = delete;
    TestPads& operator=(const TestPads&) = delete;

    // The FIFO's descriptor to wait on; -1 when there is none.
    int fd() const { return fd_; }
    // Carries out every complete line that has arrived.
    void readCommands();

private:
    struct Pad {
        SDL_Joystick* joystick = nullptr;
        SDL_JoystickID id = -1;
    };
    TestPads(int count, const std::string& fifo, std::function<void()> pump);
    void command(const std::string& line);
    void plug(int n);
    void unplug(int n);
    void press(int n, const std::string& button);

    std::array<Pad, 3> pads_{};
    int count_ = 0;
    int fd_ = -1;
    std::string partial_;
    std::function<void()> pump_;
};

}  // namespace quiz
