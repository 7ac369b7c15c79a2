// Game controllers as a second keyboard: which key each button of each
// controller types, the numbering in the order of connection, and a game
// played with the keys the controllers type.
#include <gtest/gtest.h>

#include "tests/support/Harness.h"
#include "window/ControllerKeys.h"
#include "window/RawInput.h"

namespace quiz::test {
namespace {

const PadIdentity padA{"03000000de280000ff11000001000000", "", "/dev/input/event5"};
const PadIdentity padB{"030000005e0400008e02000014010000", "", "/dev/input/event7"};
const PadIdentity padC{"050000004c050000cc09000000810000", "a4:ae:12:00:00:01", "/dev/hidraw2"};
const PadIdentity padD{"050000004c050000cc09000000810000", "a4:ae:12:00:00:02", "/dev/hidraw3"};

TEST(ControllerKeys, EachButtonTypesItsKeyForEachNumber) {
    struct Case {
        PadButton button;
        int keys[3];  // for numbers 1, 2, 3
    };
    const std::vector<Case> cases = {
        {PadButton::LeftShoulder, {'q', 'b', 'p'}},
        {PadButton::RightShoulder, {'q', 'b', 'p'}},
        {PadButton::South, {'1', '1', '1'}},
        {PadButton::East, {'2', '2', '2'}},
        {PadButton::West, {'3', '3', '3'}},
        {PadButton::North, {'4', '4', '4'}},
        {PadButton::Start, {keys::enter, keys::enter, keys::enter}},
        {PadButton::Other, {-1, -1, -1}},
    };
    for (const auto& c : cases)
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(ControllerKeys::keyFor(n, c.button), c.keys[n - 1])
                << "button " << static_cast<int>(c.button) << ", number " << n;
    for (int n : {0, 4, -1}) EXPECT_EQ(ControllerKeys::keyFor(n, PadButton::South), -1) << "number " << n;
}

TEST(ControllerKeys, NumbersFollowTheOrderOfConnection) {
    ControllerKeys k;
    EXPECT_EQ(k.connect(7, padB), 1);
    EXPECT_EQ(k.connect(3, padA), 2);
    EXPECT_EQ(k.connect(12, padC), 3);
    EXPECT_EQ(k.connect(3, padA), 2) << "the same connection reported twice keeps its number";
    EXPECT_EQ(k.connect(13, padD), 0) << "a fourth controller while three are connected plays as nobody";
    EXPECT_EQ(k.press(13, PadButton::South), -1);
    EXPECT_EQ(k.press(13, PadButton::LeftShoulder), -1);
    EXPECT_EQ(k.press(7, PadButton::LeftShoulder), 'q');
    EXPECT_EQ(k.press(3, PadButton::RightShoulder), 'b');
    EXPECT_EQ(k.press(12, PadButton::LeftShoulder), 'p');
    EXPECT_EQ(k.press(99, PadButton::South), -1) << "a connection never announced types nothing";
    EXPECT_EQ(k.connectionOf(1), 7);
    EXPECT_EQ(k.connectionOf(3), 12);
    EXPECT_EQ(k.connectionOf(4), -1);
    EXPECT_EQ(k.disconnect(99), 0);
}

TEST(ControllerKeys, AReconnectedControllerKeepsItsNumber) {
    struct Case {
        const char* what;
        PadIdentity comesBack;
        int number;
    };
    // Controller 2 goes; which number does the next one take?
    const std::vector<Case> cases = {
        {"the same pad on the same port", padA, 2},
        {"the same pad type without a serial on another port", {padA.guid, "", "/dev/input/event9"}, 2},
        {"a pad of another type", {"030000006d04000019c2000011010000", "", "/dev/input/event5"}, 3},
    };
    for (const auto& c : cases) {
        ControllerKeys k;
        k.connect(1, padB);
        k.connect(2, padA);
        EXPECT_EQ(k.disconnect(2), 2) << c.what;
        EXPECT_EQ(k.press(2, PadButton::LeftShoulder), -1) << c.what << ": a gone controller types nothing";
        EXPECT_EQ(k.connectionOf(2), -1) << c.what;
        EXPECT_EQ(k.connect(5, c.comesBack), c.number) << c.what;
        EXPECT_EQ(k.press(5, PadButton::RightShoulder), c.number == 2 ? 'b' : 'p') << c.what;
    }

    // While number 3 was never given, a new pad takes it rather than the
    // number of one that is only away; the one away comes back to its own.
    ControllerKeys k;
    k.connect(1, padB);
    k.connect(2, padA);
    k.disconnect(1);
    EXPECT_EQ(k.connect(3, padC), 3);
    EXPECT_EQ(k.connect(4, padB), 1);

    // Two pads of one type told apart by their serials, back in the other order.
    ControllerKeys twins;
    twins.connect(1, padC);
    twins.connect(2, padD);
    twins.disconnect(1);
    twins.disconnect(2);
    EXPECT_EQ(twins.connect(3, padD), 2);
    EXPECT_EQ(twins.connect(4, padC), 1);

    // Two pads of one type without serials: each back to its own port first.
    const PadIdentity a1{padA.guid, "", "/dev/input/event5"}, a2{padA.guid, "", "/dev/input/event6"};
    ControllerKeys same;
    same.connect(1, a1);
    same.connect(2, a2);
    same.disconnect(1);
    same.disconnect(2);
    EXPECT_EQ(same.connect(3, a2), 2);
    EXPECT_EQ(same.connect(4, a1), 1);

    // All three numbers taken and one away: a new pad takes that one's number.
    ControllerKeys full;
    full.connect(1, padA);
    full.connect(2, padB);
    full.connect(3, padC);
    full.disconnect(2);
    EXPECT_EQ(full.connect(4, padD), 2);
    EXPECT_EQ(full.connect(5, padB), 0) << "its old number has gone to the new pad, which is connected";
}

TEST(ControllerKeys, ATriggerTypesOneKeyPerPull) {
    ControllerKeys k;
    k.connect(4, padA);
    k.connect(9, padB);
    struct Step {
        PadTrigger which;
        int value;
        int key;
    };
    const std::vector<Step> steps = {
        {PadTrigger::Left, 1000, -1},  {PadTrigger::Left, 16383, -1},   {PadTrigger::Left, 16384, 'q'},
        {PadTrigger::Left, 32767, -1}, {PadTrigger::Left, 9000, -1},    {PadTrigger::Left, 20000, -1},
        {PadTrigger::Left, 8191, -1},  {PadTrigger::Left, 30000, 'q'},  {PadTrigger::Right, 32767, 'q'},
        {PadTrigger::Right, 0, -1},    {PadTrigger::Right, 32767, 'q'},
    };
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(k.trigger(4, steps[i].which, steps[i].value), steps[i].key) << "step " << i;
    EXPECT_EQ(k.trigger(9, PadTrigger::Left, 32767), 'b') << "each controller's trigger on its own";
    EXPECT_EQ(k.trigger(77, PadTrigger::Left, 32767), -1) << "an unknown connection";
    // A pad that goes while its trigger is held starts released when it comes back.
    k.disconnect(9);
    EXPECT_EQ(k.trigger(9, PadTrigger::Left, 0), -1);
    EXPECT_EQ(k.connect(10, padB), 2);
    EXPECT_EQ(k.trigger(10, PadTrigger::Left, 32767), 'b');
}

// The keys the controllers type go through the same rules as the keyboard's:
// a two-player race won by controller 2's trigger and answered with its face
// button, then a race won by controller 1's shoulder.
TEST(ControllerKeys, AGamePlayedWithTheKeysOfTheControllers) {
    ControllerKeys k;
    k.connect(20, padA);
    k.connect(21, padB);
    auto key = [](int code) {
        return std::string("key ") +
               (code == keys::enter ? std::string("enter") : std::string(1, static_cast<char>(code))) + "\n";
    };
    std::string script = "select cbospieler 2\nselect cbotime Kein\nselect cbofragen 10\n";
    script += key(k.press(21, PadButton::Start));  // Enter: Start, no control holds the focus yet
    script += key(k.trigger(21, PadTrigger::Right, 32767));
    script += key(k.press(21, PadButton::East));
    script += "dump\nwait 3\n";
    script += key(k.press(20, PadButton::RightShoulder));
    script += "dump\n";
    Harness h(script);
    h.run();
    EXPECT_TRUE(h.saw("event cmdstart Click")) << "Start pressed Enter";
    EXPECT_TRUE(h.saw("text txtdran Spieler 2!")) << "controller 2's trigger buzzed for player 2";
    EXPECT_GE(h.count("event cmdantb GotFocus"), 1) << "its East button answered 2";
    EXPECT_EQ(h.window.txtdran.text(), "Spieler 1!") << "controller 1's shoulder buzzed for player 1";
    EXPECT_EQ(h.state().currentPlayer, 1);
}

}  // namespace
}  // namespace quiz::test
