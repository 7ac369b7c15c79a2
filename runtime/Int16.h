#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "runtime/RuntimeError.h"

namespace quiz {

// The 16-bit signed integer of the Game state: every step is overflow-checked
// like the runtime's, so a counter that leaves -32768..32767 is an error.
class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(int v) : v_(checked(v)) {}     // NOLINT(google-explicit-constructor)
    constexpr operator int() const { return v_; }  // NOLINT(google-explicit-constructor)
    Int16& operator+=(int d) {
        v_ = checked(v_ + d);
        return *this;
    }
    Int16& operator-=(int d) {
        v_ = checked(v_ - d);
        return *this;
    }
    std::string str() const { return std::to_string(v_); }

private:
    static constexpr std::int16_t checked(int v) {
        if (v < -32768 || v > 32767) throw RuntimeError::overflow();
        return static_cast<std::int16_t>(v);
    }
    std::int16_t v_ = 0;
};

// An array with the bounds Lower..Upper: an index outside is the runtime's
// subscript error, never undefined behaviour.
template <int Lower, int Upper>
class Int16Array {
public:
    Int16& operator()(int i) { return a_[index(i)]; }
    const Int16& operator()(int i) const { return a_[index(i)]; }
    static constexpr int lower = Lower;
    static constexpr int upper = Upper;

private:
    static std::size_t index(int i) {
        if (i < Lower || i > Upper) throw RuntimeError::subscript();
        return static_cast<std::size_t>(i - Lower);
    }
    std::array<Int16, static_cast<std::size_t>(Upper - Lower + 1)> a_{};
};

}  // namespace quiz
