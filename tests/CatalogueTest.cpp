// The built-in catalogue: its form beyond what the compiler checks, and its
// lookup and display.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRules.h"
#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

const Catalogue& cat = Catalogue::builtIn();

bool numeric(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(),
                                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.'; });
}

// Lower-case words of a question, without the little ones and the words
// every question uses.
std::set<std::string> words(std::string_view q) {
    static const std::set<std::string> common = {"welche", "welcher", "welches", "welchem", "welchen", "heißt",
                                                 "dieser", "diese",   "dieses",  "einer",   "eines",   "einem"};
    std::set<std::string> out;
    std::string w;
    for (char c : std::string(q) + " ") {
        if (std::isalnum(static_cast<unsigned char>(c)) || (c & 0x80)) {
            w += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else {
            if (w.size() > 3 && !common.count(w)) out.insert(w);
            w.clear();
        }
    }
    return out;
}

TEST(Catalogue, HasItsFormInNumbersLengthsAndKeys) {
    ASSERT_EQ(cat.count(), 369);
    std::map<int, int> keys;
    double questionChars = 0, answerChars = 0;
    int numericEntries = 0, endsWithQuestionMark = 0;
    for (int n = 1; n <= 369; ++n) {
        const Entry& e = cat.entry(n);
        ASSERT_EQ(e.number, n);
        EXPECT_EQ(rules::entryFault(e), nullptr) << n;
        ++keys[e.key];
        questionChars += rules::latin1Length(e.question);
        for (auto a : e.answers) answerChars += rules::latin1Length(a);
        numericEntries += std::all_of(e.answers.begin(), e.answers.end(), numeric);
        endsWithQuestionMark += e.question.back() == '?';
    }
    EXPECT_EQ(keys, (std::map<int, int>{{1, 94}, {2, 91}, {3, 94}, {4, 90}}));
    EXPECT_NEAR(questionChars / 369, 55, 15) << "questions of about 55 characters";
    EXPECT_NEAR(answerChars / (4 * 369), 12, 6) << "answers of about 10 characters";
    EXPECT_GE(numericEntries, 12);
    EXPECT_LE(numericEntries, 24);
    EXPECT_GE(endsWithQuestionMark, 350);
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view right(const Entry& e) { return e.answers[static_cast<std::size_t>(e.key - 1)]; }

// Two questions that share most of their words and their right answer ask
// the same thing.
TEST(Catalogue, NoTwoQuestionsAlmostAlike) {
    std::vector<std::set<std::string>> w;
    for (int n = 1; n <= 369; ++n) w.push_back(words(cat.entry(n).question));
    for (std::size_t i = 0; i < w.size(); ++i) {
        for (std::size_t j = i + 1; j < w.size(); ++j) {
            const Entry& a = cat.entry(static_cast<int>(i) + 1);
            const Entry& b = cat.entry(static_cast<int>(j) + 1);
            std::vector<std::string> shared;
            std::set_intersection(w[i].begin(), w[i].end(), w[j].begin(), w[j].end(), std::back_inserter(shared));
            const std::size_t smaller = std::min(w[i].size(), w[j].size());
            const bool alike = smaller >= 2 && shared.size() * 10 >= smaller * 7 && lower(right(a)) == lower(right(b));
            EXPECT_FALSE(alike) << "entries " << a.number << " and " << b.number << " ask the same:\n  " << a.question
                                << "\n  " << b.question;
        }
    }
}

// One entry asks A and answers B, another asks B and answers A: each gives
// the other away.
TEST(Catalogue, NoFactAskedBothWays) {
    for (int i = 1; i <= 369; ++i) {
        for (int j = i + 1; j <= 369; ++j) {
            const Entry& a = cat.entry(i);
            const Entry& b = cat.entry(j);
            if (right(a).size() < 4 || right(b).size() < 4) continue;
            const bool mirrored = lower(b.question).find(lower(right(a))) != std::string::npos &&
                                  lower(a.question).find(lower(right(b))) != std::string::npos;
            EXPECT_FALSE(mirrored) << "entries " << i << " and " << j << " ask one fact both ways:\n  " << a.question
                                   << "\n  " << b.question;
        }
    }
}

TEST(Catalogue, AnEntryShowsItsFiveTextsAndKey) {
    Harness h("", cat);
    h.run();
    for (int n : {1, 2, 184, 185, 368, 369}) {
        const Entry& e = cat.entry(n);
        h.game.showQuestion(n);
        EXPECT_EQ(h.window.txtfrage.text(), e.question);
        EXPECT_EQ(h.window.txtanta.text(), e.answers[0]);
        EXPECT_EQ(h.window.txtantb.text(), e.answers[1]);
        EXPECT_EQ(h.window.txtantc.text(), e.answers[2]);
        EXPECT_EQ(h.window.txtantd.text(), e.answers[3]);
        EXPECT_EQ(h.state().answerKey, e.key);
    }
}

// The form rules themselves must catch what they are there for.
TEST(Catalogue, RulesRefuseMalformedEntries) {
    struct Case {
        const char* what;
        Entry e;
    };
    const std::vector<Case> bad = {
        {"short question", {1, "Wer?", {"a", "b", "c", "d"}, 1}},
        {"empty answer", {1, "Wie heißt das Schiff?", {"a", "", "c", "d"}, 1}},
        {"tab", {1, "Wie heißt\tdas Schiff?", {"a", "b", "c", "d"}, 1}},
        {"outside Latin-1", {1, "Wie heißt das Schiff \xE2\x80\x9Ehier\xE2\x80\x9C?", {"a", "b", "c", "d"}, 1}},
        {"answers alike", {1, "Wie heißt das Schiff?", {"a", "b", "a", "d"}, 1}},
        {"key 5", {1, "Wie heißt das Schiff?", {"a", "b", "c", "d"}, 5}},
        {"63 characters",
         {1,
          "Wie heißt das Schiff?",
          {std::string_view("ääääääääääääääääääääääääääääääääääääääääääääääääääääääääääääääää"), "b", "c", "d"},
          1}},
    };
    for (const auto& c : bad) EXPECT_NE(rules::entryFault(c.e), nullptr) << c.what;
    const Entry good{
        1,
        "Wie heißt das Schiff?",
        {std::string_view("ääääääääääääääääääääääääääääääääääääääääääääääääääääääääääääää"), "b", "c", "d"},
        1};
    EXPECT_EQ(rules::entryFault(good), nullptr) << "62 umlauts are 62 characters, not 124 bytes";
}

}  // namespace
}  // namespace quiz::test
