#include "window/ControllerKeys.h"

#include "window/RawInput.h"

namespace quiz {

int ControllerKeys::keyFor(int number, PadButton button) {
    static constexpr std::array<int, numbers> buzzers = {'q', 'b', 'p'};
    if (number < 1 || number > numbers) return -1;
    switch (button) {
        case PadButton::South: return '1';
        case PadButton::East: return '2';
        case PadButton::West: return '3';
        case PadButton::North: return '4';
        case PadButton::LeftShoulder:
        case PadButton::RightShoulder: return buzzers[static_cast<std::size_t>(number - 1)];
        case PadButton::Start: return keys::enter;
        case PadButton::Other: break;
    }
    return -1;
}

// With a serial number the serial tells; without one the device path, which
// may change when the controller is plugged into another port: a controller
// of the same type without a serial then still counts as the same.
bool ControllerKeys::sameController(const PadIdentity& a, const PadIdentity& b) {
    if (a.guid != b.guid) return false;
    if (!a.serial.empty() || !b.serial.empty()) return a.serial == b.serial;
    return true;
}

int ControllerKeys::connect(int connection, const PadIdentity& identity) {
    if (const int known = numberOf(connection); known != 0) return known;
    Slot* chosen = nullptr;
    // The same controller back again: first where the path matches too.
    for (int pass = 0; pass < 2 && !chosen; ++pass)
        for (Slot& s : slots_)
            if (s.used && s.connection < 0 && sameController(s.identity, identity) &&
                (pass == 1 || s.identity.path == identity.path)) {
                chosen = &s;
                break;
            }
    for (Slot& s : slots_)
        if (!chosen && !s.used) chosen = &s;
    for (Slot& s : slots_)
        if (!chosen && s.connection < 0) chosen = &s;
    if (!chosen) return 0;
    chosen->used = true;
    chosen->connection = connection;
    chosen->identity = identity;
    chosen->triggerDown = {};
    return static_cast<int>(chosen - slots_.data()) + 1;
}

int ControllerKeys::disconnect(int connection) {
    Slot* s = slotOf(connection);
    if (!s) return 0;
    s->connection = -1;
    s->triggerDown = {};
    return static_cast<int>(s - slots_.data()) + 1;
}

int ControllerKeys::numberOf(int connection) const {
    if (connection < 0) return 0;
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].connection == connection) return static_cast<int>(i) + 1;
    return 0;
}

ControllerKeys::Slot* ControllerKeys::slotOf(int connection) {
    const int number = numberOf(connection);
    return number == 0 ? nullptr : &slots_[static_cast<std::size_t>(number - 1)];
}

int ControllerKeys::connectionOf(int number) const {
    if (number < 1 || number > numbers) return -1;
    return slots_[static_cast<std::size_t>(number - 1)].connection;
}

int ControllerKeys::press(int connection, PadButton button) const { return keyFor(numberOf(connection), button); }

int ControllerKeys::trigger(int connection, PadTrigger which, int value) {
    Slot* s = slotOf(connection);
    if (!s) return -1;
    bool& down = s->triggerDown[which == PadTrigger::Left ? 0 : 1];
    if (!down && value >= triggerPressed) {
        down = true;
        return keyFor(numberOf(connection), PadButton::LeftShoulder);
    }
    if (down && value < triggerReleased) down = false;
    return -1;
}

}  // namespace quiz
