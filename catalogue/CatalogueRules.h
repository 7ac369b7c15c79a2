#pragma once
// Compile-time rules of the catalogue's form. A table that breaks one of them
// does not compile (see BuiltIn.cpp).
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "catalogue/Entry.h"

namespace quiz::rules {

inline constexpr int questionMin = 12, questionMax = 112;
inline constexpr int answerMin = 1, answerMax = 62;

// Characters of a UTF-8 text when every one lies within Latin-1 and none is a
// line break or tab; -1 otherwise.
constexpr int latin1Length(std::string_view s) {
    int n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            if (b < 0x20 || b == 0x7F) return -1;
            ++i;
        } else if ((b == 0xC2 || b == 0xC3) && i + 1 < s.size() &&
                   (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
            if (b == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0) return -1;  // C1 controls
            i += 2;
        } else {
            return -1;
        }
    }
    return n;
}

constexpr bool lengthWithin(std::string_view s, int lo, int hi) {
    const int n = latin1Length(s);
    return n >= lo && n <= hi;
}

constexpr bool answersDistinct(const Entry& e) {
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (e.answers[static_cast<std::size_t>(i)] == e.answers[static_cast<std::size_t>(j)]) return false;
    return true;
}

// The first rule that entry e breaks, or nullptr.
constexpr const char* entryFault(const Entry& e) {
    if (!lengthWithin(e.question, questionMin, questionMax)) return "question length or characters";
    for (auto a : e.answers)
        if (!lengthWithin(a, answerMin, answerMax)) return "answer length or characters";
    if (!answersDistinct(e)) return "two answers alike";
    if (e.key < 1 || e.key > 4) return "key outside 1..4";
    return nullptr;
}

// Index of the first entry that breaks a rule or is out of sequence, -1 if none.
constexpr int firstFault(std::span<const Entry> entries, int firstNumber) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].number != firstNumber + static_cast<int>(i)) return static_cast<int>(i);
        if (entryFault(entries[i]) != nullptr) return static_cast<int>(i);
    }
    return -1;
}

constexpr std::array<int, 5> keyCounts(std::span<const Entry> entries) {
    std::array<int, 5> c{};
    for (const auto& e : entries)
        if (e.key >= 1 && e.key <= 4) ++c[static_cast<std::size_t>(e.key)];
    return c;
}

// Index of an entry whose question repeats an earlier one, -1 if none.
constexpr int firstRepeatedQuestion(std::span<const Entry> entries) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (entries[i].question == entries[j].question) return static_cast<int>(i);
    return -1;
}

}  // namespace quiz::rules
