#pragma once
#include <string>

namespace quiz {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    std::string str() const { return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b); }
    static constexpr Rgb white() { return {255, 255, 255}; }
    static constexpr Rgb red() { return {255, 0, 0}; }
};

}  // namespace quiz
