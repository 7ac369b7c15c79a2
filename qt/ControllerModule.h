#pragma once
#include <string>

#include "window/ControllerKeys.h"

// What the program and its controller module agree on: the module's file
// name (without the suffix of the system) and its one exported function,
// which starts the module's thread and returns the running source that the
// caller owns.
#define QUIZ_CONTROLLER_MODULE_ENTRY quiz_start_controllers
#define QUIZ_CONTROLLER_MODULE_NAME "velmora-quiz-controllers"

namespace quiz {

// One thing that happened to the game controllers.
struct PadEvent {
    enum class Kind { Failed, Connected, Disconnected, Button, Trigger };
    Kind kind = Kind::Failed;
    int connection = -1;  // the controller while it is plugged in
    PadButton button = PadButton::Other;
    PadTrigger trigger = PadTrigger::Left;
    int value = 0;         // Trigger: 0 released to 32767 fully pressed
    std::string text;      // Connected: the controller's name; Failed: why
    PadIdentity identity;  // Connected
};

// Told of every button press, trigger movement, connection and
// disconnection, on the module's own thread, one event at a time.
class PadListener {
public:
    virtual ~PadListener() = default;
    virtual void padEvent(const PadEvent& event) = 0;
};

// The running module. Destroying it stops its thread.
class PadSource {
public:
    virtual ~PadSource() = default;
    // A short rumble of the controller, where it has one; returns at once.
    virtual void rumble(int connection) = 0;
};

using StartPads = PadSource* (*)(PadListener& listener);

}  // namespace quiz
