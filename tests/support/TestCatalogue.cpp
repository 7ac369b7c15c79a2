#include "tests/support/TestCatalogue.h"

#include <array>
#include <string>

namespace quiz::test {

int keyOf(int n) { return n % 4 + 1; }

const Catalogue& testCatalogue() {
    struct Table {
        std::array<std::string, 369 * 5> texts;
        std::array<Entry, 369> entries;
        Table() {
            for (int n = 1; n <= 369; ++n) {
                const auto i = static_cast<std::size_t>(n - 1);
                texts[i * 5] = "Frage " + std::to_string(n) + "?";
                for (std::size_t a = 0; a < 4; ++a)
                    texts[i * 5 + 1 + a] = std::to_string(n) + "-" + std::to_string(a + 1);
                entries[i] = {n,
                              texts[i * 5],
                              {texts[i * 5 + 1], texts[i * 5 + 2], texts[i * 5 + 3], texts[i * 5 + 4]},
                              keyOf(n)};
            }
        }
    };
    static const Table table;
    static const Catalogue catalogue(table.entries);
    return catalogue;
}

}  // namespace quiz::test
