#include "qt/controllers/TestPads.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace quiz {
namespace {

// Each pad's number, for its rumble callback.
std::array<int, 3> padNumbers = {1, 2, 3};

int SDLCALL rumbled(void* userdata, Uint16 low, Uint16 high) {
    if (low != 0 || high != 0)
        std::fprintf(stderr, "velmora-quiz test pads: pad %d rumbles\n", *static_cast<const int*>(userdata));
    return 0;
}

void complain(const std::string& what) { std::fprintf(stderr, "velmora-quiz test pads: %s\n", what.c_str()); }

}  // namespace

std::unique_ptr<TestPads> TestPads::fromEnvironment(std::function<void()> pump) {
    const char* count = std::getenv("QUIZ_TEST_CONTROLLERS");
    if (!count || !*count) return nullptr;
    const int n = std::atoi(count);
    if (n < 1 || n > 3) {
        complain("QUIZ_TEST_CONTROLLERS must be 1, 2 or 3");
        return nullptr;
    }
    const char* fifo = std::getenv("QUIZ_TEST_CONTROLLERS_FIFO");
    return std::unique_ptr<TestPads>(new TestPads(n, fifo ? fifo : "", std::move(pump)));
}

TestPads::TestPads(int count, const std::string& fifo, std::function<void()> pump)
    : count_(count), pump_(std::move(pump)) {
    // Read and write: the FIFO then never reports its end when a writer closes it.
    if (!fifo.empty()) {
        fd_ = open(fifo.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) complain("cannot open " + fifo);
    }
    for (int i = 1; i <= count_; ++i) plug(i);
}

TestPads::~TestPads() {
    for (int i = 1; i <= count_; ++i) unplug(i);
    if (fd_ >= 0) close(fd_);
}

void TestPads::plug(int n) {
    Pad& pad = pads_[static_cast<std::size_t>(n - 1)];
    if (pad.joystick) return;
    const std::string name = "Velmora Testpad " + std::to_string(n);
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.button_mask = (1U << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.axis_mask = (1U << SDL_CONTROLLER_AXIS_MAX) - 1;
    // The test id of pid.codes; a product per pad gives each its own GUID.
    desc.vendor_id = 0x1209;
    desc.product_id = static_cast<Uint16>(0x7100 + n);
    desc.name = name.c_str();
    desc.userdata = &padNumbers[static_cast<std::size_t>(n - 1)];
    desc.Rumble = rumbled;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    pad.joystick = index < 0 ? nullptr : SDL_JoystickOpen(index);
    if (!pad.joystick) {
        complain("cannot attach pad " + std::to_string(n) + ": " + SDL_GetError());
        return;
    }
    pad.id = SDL_JoystickInstanceID(pad.joystick);
    // Triggers rest at the bottom of their axis.
    SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_JOYSTICK_AXIS_MIN);
    SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MIN);
    pump_();
}

void TestPads::unplug(int n) {
    Pad& pad = pads_[static_cast<std::size_t>(n - 1)];
    if (!pad.joystick) return;
    SDL_JoystickClose(pad.joystick);
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == pad.id) SDL_JoystickDetachVirtual(i);
    pad = {};
    pump_();
}

void TestPads::press(int n, const std::string& button) {
    SDL_Joystick* js = pads_[static_cast<std::size_t>(n - 1)].joystick;
    if (!js) return;
    if (button == "lefttrigger" || button == "righttrigger") {
        const int axis = button == "lefttrigger" ? SDL_CONTROLLER_AXIS_TRIGGERLEFT : SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
        SDL_JoystickSetVirtualAxis(js, axis, SDL_JOYSTICK_AXIS_MAX);
        pump_();
        SDL_JoystickSetVirtualAxis(js, axis, SDL_JOYSTICK_AXIS_MIN);
        pump_();
        return;
    }
    const SDL_GameControllerButton b = SDL_GameControllerGetButtonFromString(button.c_str());
    if (b == SDL_CONTROLLER_BUTTON_INVALID) {
        complain("no button " + button);
        return;
    }
    SDL_JoystickSetVirtualButton(js, b, SDL_PRESSED);
    pump_();
    SDL_JoystickSetVirtualButton(js, b, SDL_RELEASED);
    pump_();
}

void TestPads::readCommands() {
    char buffer[512];
    ssize_t got = 0;
    while ((got = read(fd_, buffer, sizeof buffer)) > 0) partial_.append(buffer, static_cast<std::size_t>(got));
    std::size_t end = 0;
    while ((end = partial_.find('\n')) != std::string::npos) {
        const std::string line = partial_.substr(0, end);
        partial_.erase(0, end + 1);
        command(line);
    }
}

void TestPads::command(const std::string& line) {
    std::istringstream in(line);
    std::string verb, button;
    int n = 0;
    in >> verb >> n;
    if (in.fail() || n < 1 || n > count_) {
        if (!line.empty()) complain("not a command: " + line);
        return;
    }
    if (verb == "press" && (in >> button)) {
        press(n, button);
    } else if (verb == "unplug") {
        unplug(n);
    } else if (verb == "plug") {
        plug(n);
    } else {
        complain("not a command: " + line);
    }
}

}  // namespace quiz
