// The 369 questions of the game. A table that breaks a rule of the
// catalogue's form does not compile.
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRules.h"

namespace quiz {
namespace {

constexpr Entry entries[] = {
#include "catalogue/entries/questions-001-092.inc"
#include "catalogue/entries/questions-093-184.inc"
#include "catalogue/entries/questions-185-276.inc"
#include "catalogue/entries/questions-277-369.inc"
};
constexpr std::span<const Entry> all(entries);

// The index of an offending entry shows in the compiler's message.
template <int Index>
struct EntryBreaksARule {
    static_assert(Index < 0, "the entry at this index (number = index + 1) breaks a rule or its number");
};
template <int Index>
struct QuestionRepeated {
    static_assert(Index < 0, "the question at this index repeats an earlier one");
};
[[maybe_unused]] constexpr EntryBreaksARule<rules::firstFault(all, 1)> form{};
[[maybe_unused]] constexpr QuestionRepeated<rules::firstRepeatedQuestion(all)> repeats{};

static_assert(std::size(entries) == 369, "the catalogue has 369 entries");
constexpr auto keys = rules::keyCounts(all);
static_assert(keys[1] == 94 && keys[2] == 91 && keys[3] == 94 && keys[4] == 90,
              "the right answers are spread 94, 91, 94 and 90 over the four places");

}  // namespace

const Catalogue& Catalogue::builtIn() {
    static constexpr Catalogue catalogue(all);
    return catalogue;
}

}  // namespace quiz
