// Drawing and showing catalogue entries.
#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "runtime/MixingRandom.h"
#include "tests/support/Harness.h"

namespace quiz::test {
namespace {

// The draw of Next question, n = whole part of (r * 369 + 1), is uniform:
// a chi-square test over 369,000 draws with a fixed seed.
TEST(Draw, EveryNumberIsEquallyLikely) {
    std::uint64_t tick = 0;
    MixingRandom random(20261205, [&tick] { return tick++; });
    std::vector<int> counts(370, 0);
    const int draws = 369 * 1000;
    for (int i = 0; i < draws; ++i) {
        if (i % 50 == 0) random.randomize();  // re-seeded once a question, as in a game
        const double r = random.rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        const int n = static_cast<int>(std::floor(r * 369 + 1));
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 369);
        ++counts[static_cast<std::size_t>(n)];
    }
    double chi2 = 0;
    for (int n = 1; n <= 369; ++n) chi2 += std::pow(counts[static_cast<std::size_t>(n)] - 1000.0, 2) / 1000.0;
    // 368 degrees of freedom: the 0.1 % critical value is about 458.
    EXPECT_LT(chi2, 458.0);
    EXPECT_GT(chi2, 290.0) << "suspiciously even";
}

TEST(Draw, NoNumberTwiceInAGameButAgainInTheNext) {
    // Fifty questions, then a second game of fifty with the same seed.
    std::string script = "select cbotime Kein\nselect cbofragen 50\nclick cmdstart\n";
    for (int i = 0; i < 50; ++i) script += "key right\nwait 2.5\n";
    script += "click cmdneu\nclick cmdstart\n";
    for (int i = 0; i < 50; ++i) script += "key right\nwait 2.5\n";
    Harness h(script);
    h.run();
    std::vector<int> shown;
    for (const auto& e : h.effects())
        if (e.rfind("text txtfrage Frage ", 0) == 0) shown.push_back(std::stoi(e.substr(20)));
    ASSERT_EQ(shown.size(), 100u);
    const std::set<int> first(shown.begin(), shown.begin() + 50), second(shown.begin() + 50, shown.end());
    EXPECT_EQ(first.size(), 50u);
    EXPECT_EQ(second.size(), 50u);
    EXPECT_EQ(h.count("msgbox 64 | Spitzenleistung! | Wow! Alles Richtig! Du hast die besten Chancen Obervelmorist "
                      "bei www.velmora-fanclub.example.org zu werden!"),
              2);
}

TEST(Draw, EachNumberShowsItsOwnEntryAndKey) {
    Harness h("");
    h.run();
    const Catalogue& c = testCatalogue();
    for (int n = 1; n <= c.count(); ++n) {
        h.game.showQuestion(n);
        ASSERT_EQ(h.window.txtfrage.text(), "Frage " + std::to_string(n) + "?");
        ASSERT_EQ(h.window.txtantd.text(), std::to_string(n) + "-4");
        ASSERT_EQ(h.state().answerKey, keyOf(n));
    }
}

TEST(Draw, ARunDryCatalogueEndsTheGameInsteadOfDrawingForever) {
    Harness h("");
    h.run();
    for (int n = 1; n <= 369; ++n) h.state().asked(n) = 1;
    h.game.cmdnext_Click();
    EXPECT_EQ(h.state().gameOver, 1);
    EXPECT_FALSE(h.window.cmdnext.enabled());
}

}  // namespace
}  // namespace quiz::test
