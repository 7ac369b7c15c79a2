#pragma once
#include <string>

namespace quiz {

// Unloading the window and ending the program. end() only tells the platform;
// the window model then unwinds every running handler.
class Lifecycle {
public:
    virtual ~Lifecycle() = default;
    virtual void unload() = 0;
    virtual void end() = 0;
    virtual void runtimeError(const std::string& message) = 0;  // shown before the end
};

}  // namespace quiz
