#pragma once
#include <array>
#include <string_view>

namespace quiz {

// One question of the catalogue: four answers shown beside the buttons
// "1" to "4", and the number of the right one.
struct Entry {
    int number;
    std::string_view question;
    std::array<std::string_view, 4> answers;
    int key;
};

}  // namespace quiz
