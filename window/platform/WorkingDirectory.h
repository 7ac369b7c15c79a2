#pragma once
#include <string>

namespace quiz {

// The process's current directory (drive included where the system has one).
class WorkingDirectory {
public:
    virtual ~WorkingDirectory() = default;
    virtual std::string current() = 0;
    virtual void change(const std::string& path) = 0;  // throws RuntimeError on failure
};

}  // namespace quiz
