#pragma once
#include <string>

namespace quiz {

class Control;

// Key codes are the character codes of the window's 8-bit character set;
// the navigation keys that never become a KeyPress get codes above 255.
namespace keys {
inline constexpr int backspace = 8;
inline constexpr int tab = 9;
inline constexpr int enter = 13;
inline constexpr int space = 32;
inline constexpr int backTab = 0x1001;
}  // namespace keys

// What the toolkit (or the scenario) forwards: the model decides the rest.
struct RawInput {
    enum class Type { Press, Release, Key, Pick, Close };
    Type type = Type::Key;
    int x = 0, y = 0;  // twips, client coordinates
    int key = 0;
    std::string control;  // Pick: the combo box
    std::string item;     // Pick: the item chosen

    static RawInput press(int x, int y) { return {Type::Press, x, y, 0, {}, {}}; }
    static RawInput release(int x, int y) { return {Type::Release, x, y, 0, {}, {}}; }
    static RawInput keyTyped(int code) { return {Type::Key, 0, 0, code, {}, {}}; }
    static RawInput pick(std::string combo, std::string item) {
        return {Type::Pick, 0, 0, 0, std::move(combo), std::move(item)};
    }
    static RawInput close() { return {Type::Close, 0, 0, 0, {}, {}}; }
};

}  // namespace quiz
