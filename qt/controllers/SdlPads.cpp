#include "qt/controllers/SdlPads.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "qt/controllers/TestPads.h"

namespace quiz {
namespace {

PadButton buttonOf(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A: return PadButton::South;
        case SDL_CONTROLLER_BUTTON_B: return PadButton::East;
        case SDL_CONTROLLER_BUTTON_X: return PadButton::West;
        case SDL_CONTROLLER_BUTTON_Y: return PadButton::North;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadButton::LeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadButton::RightShoulder;
        case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
        default: return PadButton::Other;
    }
}

std::string orEmpty(const char* s) { return s ? std::string(s) : std::string(); }

}  // namespace

SdlPads::SdlPads(PadListener& listener)
    : listener_(listener), sdlWait_(std::getenv("QUIZ_CONTROLLERS_SDL_WAIT") != nullptr) {
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    thread_ = std::thread([this] { run(); });
}

SdlPads::~SdlPads() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0 && write(wakeFd_, &one, sizeof one) < 0) {
        // The thread then ends at its next look, within a second.
    }
    thread_.join();
    if (wakeFd_ >= 0) close(wakeFd_);
}

void SdlPads::rumble(int connection) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        rumbles_.push_back(connection);
    }
    const std::uint64_t one = 1;
    if (wakeFd_ >= 0 && write(wakeFd_, &one, sizeof one) < 0) {
        // A rumble is a courtesy: without the wake it waits for the next look.
    }
}

bool SdlPads::start() {
    if (wakeFd_ < 0) {
        listener_.padEvent({PadEvent::Kind::Failed, -1, {}, {}, 0, "no eventfd", {}});
        return false;
    }
    // The program has its own handlers for SIGINT and SIGTERM; the buttons
    // are meant by their place (A at the bottom), also on Nintendo's pads;
    // the program has no SDL window whose focus could matter.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        listener_.padEvent(
            {PadEvent::Kind::Failed, -1, {}, {}, 0, "SDL did not start: " + orEmpty(SDL_GetError()), {}});
        return false;
    }
    return true;
}

void SdlPads::run() {
    if (!start()) return;
    test_ = TestPads::fromEnvironment([this] { pump(); });
    pump();
    for (;;) {
        std::vector<pollfd> fds;
        fds.push_back({wakeFd_, POLLIN, 0});
        const int testFd = test_ ? test_->fd() : -1;
        if (testFd >= 0) fds.push_back({testFd, POLLIN, 0});
        const std::size_t firstPad = fds.size();
        std::vector<SDL_JoystickID> watched;
        for (const auto& [id, pad] : pads_)
            if (pad.fd >= 0) {
                fds.push_back({pad.fd, POLLIN, 0});
                watched.push_back(id);
            }
        int ready = 0;
        if (sdlWait_) {
            // Only to compare (QUIZ_CONTROLLERS_SDL_WAIT=1): SDL's own wait.
            SDL_Event event;
            if (SDL_WaitEventTimeout(&event, 10) == 1) handle(event);
            ready = poll(fds.data(), fds.size(), 0);
        } else {
            ready = poll(fds.data(), fds.size(), timeoutMs());
        }
        std::vector<int> rumbles;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (quit_) break;
            rumbles.swap(rumbles_);
        }
        if (ready > 0) {
            if (fds[0].revents & POLLIN) drain(wakeFd_);
            bool input = false;
            for (std::size_t i = firstPad; i < fds.size(); ++i) {
                if (fds[i].revents & POLLIN) {
                    drain(fds[i].fd);
                    input = true;
                }
                // The device is gone before SDL has noticed: poll until it does.
                if (fds[i].revents & (POLLERR | POLLHUP | POLLNVAL)) {
                    Pad& pad = pads_[watched[i - firstPad]];
                    close(pad.fd);
                    pad.fd = -1;
                }
            }
            if (input) lookAgainAt_ = SDL_GetTicks64() + afterInputMs;
            if (testFd >= 0 && (fds[1].revents & POLLIN)) test_->readCommands();
        }
        if (lookAgainAt_ != 0 && SDL_GetTicks64() >= lookAgainAt_) lookAgainAt_ = 0;
        pump();
        for (int connection : rumbles) {
            auto it = pads_.find(connection);
            if (it == pads_.end()) continue;
            // SDL stops the rumble in the look after it has run out.
            if (SDL_GameControllerRumble(it->second.controller, 0x6000, 0xC000, rumbleMs) == 0)
                lookAgainAt_ = SDL_GetTicks64() + rumbleMs + 5;
        }
    }
    stop();
}

void SdlPads::stop() {
    test_.reset();
    for (auto& [id, pad] : pads_) {
        if (pad.fd >= 0) close(pad.fd);
        SDL_GameControllerClose(pad.controller);
    }
    pads_.clear();
    SDL_Quit();
}

int SdlPads::timeoutMs() const {
    for (const auto& [id, pad] : pads_)
        if (pad.fd < 0 && !pad.isVirtual) return afterInputMs;
    if (lookAgainAt_ == 0) return idleMs;
    const Uint64 now = SDL_GetTicks64();
    return lookAgainAt_ <= now ? 0 : static_cast<int>(lookAgainAt_ - now);
}

void SdlPads::drain(int fd) const {
    std::array<char, 4096> buffer{};
    while (read(fd, buffer.data(), buffer.size()) > 0) {}
}

void SdlPads::pump() {
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) handle(event);
}

void SdlPads::handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED: opened(event.cdevice.which); break;
        case SDL_CONTROLLERDEVICEREMOVED: closed(event.cdevice.which); break;
        case SDL_CONTROLLERBUTTONDOWN:
            if (pads_.count(event.cbutton.which) != 0) {
                PadEvent e;
                e.kind = PadEvent::Kind::Button;
                e.connection = event.cbutton.which;
                e.button = buttonOf(event.cbutton.button);
                if (e.button != PadButton::Other) listener_.padEvent(e);
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (pads_.count(event.caxis.which) != 0 && (event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ||
                                                        event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT)) {
                PadEvent e;
                e.kind = PadEvent::Kind::Trigger;
                e.connection = event.caxis.which;
                e.trigger = event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ? PadTrigger::Left : PadTrigger::Right;
                e.value = event.caxis.value;
                listener_.padEvent(e);
            }
            break;
        default: break;
    }
}

void SdlPads::opened(int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || pads_.count(id) != 0) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    Pad pad;
    pad.controller = controller;
    pad.isVirtual = SDL_JoystickIsVirtual(deviceIndex) == SDL_TRUE;
    const std::string path = orEmpty(SDL_GameControllerPath(controller));
    if (!path.empty() && path.front() == '/') pad.fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    pads_[id] = pad;

    PadEvent e;
    e.kind = PadEvent::Kind::Connected;
    e.connection = id;
    e.text = orEmpty(SDL_GameControllerName(controller));
    std::array<char, 33> guid{};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(SDL_GameControllerGetJoystick(controller)), guid.data(),
                              static_cast<int>(guid.size()));
    e.identity = {guid.data(), orEmpty(SDL_GameControllerGetSerial(controller)), path};
    listener_.padEvent(e);
}

void SdlPads::closed(SDL_JoystickID id) {
    auto it = pads_.find(id);
    if (it == pads_.end()) return;
    if (it->second.fd >= 0) close(it->second.fd);
    SDL_GameControllerClose(it->second.controller);
    pads_.erase(it);
    PadEvent e;
    e.kind = PadEvent::Kind::Disconnected;
    e.connection = id;
    listener_.padEvent(e);
}

}  // namespace quiz
