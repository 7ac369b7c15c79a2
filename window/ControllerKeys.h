#pragma once
#include <array>
#include <string>
#include <vector>

namespace quiz {

// The buttons of a game controller in the common layout of the SDL game
// controller database, named by their place: South is A on an Xbox pad.
enum class PadButton { South, East, West, North, LeftShoulder, RightShoulder, Start, Other };
enum class PadTrigger { Left, Right };

// What tells one controller from another across a reconnection. The type
// (GUID) names the model, so two pads of one model differ only in their
// serial number or, without one, in their device path.
struct PadIdentity {
    std::string guid;
    std::string serial;
    std::string path;
};

// Controllers as a second keyboard: which player each one is, and which key
// of the game each of its buttons types. Controllers are numbered 1 to 3 in
// the order they connect, and a controller that comes back keeps its number.
// Any shoulder or trigger types its player's buzzer key ("q", "b", "p"), the
// face buttons the answer keys ("1" bottom, "2" right, "3" left, "4" top),
// Start the Enter key; everything else types nothing. A connection is the
// id the controller library gives a controller while it is plugged in.
class ControllerKeys {
public:
    static constexpr int numbers = 3;
    // A trigger counts as pressed from half its travel and as released below
    // a quarter of it, so a trigger held near the middle types one key.
    static constexpr int triggerPressed = 16384;
    static constexpr int triggerReleased = 8192;

    // The key that controller number (1 to 3) types with button; -1 for none.
    static int keyFor(int number, PadButton button);

    // A controller has connected: its number, or 0 when three other
    // controllers are connected (it then types nothing). A controller seen
    // before takes its old number again. A new one takes the lowest number
    // that no controller has had, else the lowest one whose controller is
    // away (which then loses its claim to it).
    int connect(int connection, const PadIdentity& identity);
    // The controller has gone; returns the number it had (0 for none).
    int disconnect(int connection);
    // The number of a connected controller; 0 for none.
    int numberOf(int connection) const;
    // The connection of the controller that plays as number; -1 for none.
    int connectionOf(int number) const;

    // The key a button press types; -1 for none.
    int press(int connection, PadButton button) const;
    // A trigger moved to value (0 released to 32767 fully pressed): the
    // buzzer key when this movement presses it, else -1.
    int trigger(int connection, PadTrigger which, int value);

private:
    struct Slot {
        bool used = false;    // some controller has had this number
        int connection = -1;  // -1 while its controller is away
        PadIdentity identity;
        std::array<bool, 2> triggerDown{};
    };
    static bool sameController(const PadIdentity& a, const PadIdentity& b);
    Slot* slotOf(int connection);

    std::array<Slot, numbers> slots_{};
};

}  // namespace quiz
