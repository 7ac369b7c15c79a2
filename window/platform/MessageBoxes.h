#pragma once
#include <string>

namespace quiz {

// Modal message box. Styles: 64 information, 48 exclamation, 16 critical (all
// with OK) and 2 (Abort, Retry, Ignore). Returns when the user has closed it;
// the button pressed is of no interest to anybody.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const std::string& prompt, int style, const std::string& title) = 0;
};

}  // namespace quiz
