#pragma once
#include <span>

#include "Entry.h"

namespace quiz {

class MainWindow;
class Int16;

// A table of entries numbered 1..count() without gaps.
class Catalogue {
public:
    explicit constexpr Catalogue(std::span<const Entry> entries) : entries_(entries) {}
    constexpr int count() const { return static_cast<int>(entries_.size()); }
    // n from 1 to count(); callers never pass another number.
    constexpr const Entry& entry(int n) const { return entries_[static_cast<std::size_t>(n - 1)]; }
    // Shows entry n in the question and answer boxes and makes its key the
    // current one.
    void show(int n, MainWindow& window, Int16& answerKey) const;

    // The built-in catalogue of 369 questions.
    static const Catalogue& builtIn();

private:
    std::span<const Entry> entries_;
};

}  // namespace quiz
