#pragma once
#include "catalogue/Catalogue.h"

namespace quiz::test {

// 369 entries of the catalogue's form whose key is known from the number:
// entry n has key (n % 4) + 1, question "Frage n?" and answers "n-1".."n-4".
const Catalogue& testCatalogue();
int keyOf(int n);

}  // namespace quiz::test
