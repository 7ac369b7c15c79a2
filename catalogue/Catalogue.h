#pragma once
#include <span>

#include "catalogue/Entry.h"

namespace quiz {

// A table of entries numbered 1..count() without gaps.
class Catalogue {
public:
    explicit constexpr Catalogue(std::span<const Entry> entries) : entries_(entries) {}
    constexpr int count() const { return static_cast<int>(entries_.size()); }
    // n from 1 to count(); callers never pass another number.
    constexpr const Entry& entry(int n) const { return entries_[static_cast<std::size_t>(n - 1)]; }
    // The built-in catalogue of 369 questions.
    static const Catalogue& builtIn();

private:
    std::span<const Entry> entries_;
};

}  // namespace quiz
