#pragma once
#include <string>

namespace quiz {

// The styles of a message box, by their numbers.
enum class BoxStyle {
    AbortRetryIgnore = 2,  // Abort, Retry and Ignore buttons
    Critical = 16,         // critical icon, OK
    Exclamation = 48,      // exclamation icon, OK
    Information = 64,      // information icon, OK
};

// Modal message box. Returns when the user has closed it; the button pressed
// is of no interest to anybody.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const std::string& prompt, BoxStyle style, const std::string& title) = 0;
};

}  // namespace quiz
