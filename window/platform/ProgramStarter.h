#pragma once
#include <string>
#include <vector>

namespace quiz {

// Starts another program without waiting for it; throws RuntimeError when it
// cannot be started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual void start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace quiz
