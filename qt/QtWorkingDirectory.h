#pragma once
#include "window/platform/WorkingDirectory.h"

namespace quiz {

// The process's current directory through QDir.
class QtWorkingDirectory : public WorkingDirectory {
public:
    std::string current() override;
    void change(const std::string& path) override;
};

}  // namespace quiz
