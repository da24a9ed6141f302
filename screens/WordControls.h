#pragma once

#include <string_view>

namespace tessaly {

// The controls of one word on the questionnaire screens: its Most circle, its Least circle
// and its definition button. The instructions screen's sample box repeats box 1's.
struct WordControls {
    std::string_view most;
    std::string_view least;
    std::string_view definition;
};

// Throws std::out_of_range outside boxes 1 to 28 and rows 1 to 4.
const WordControls& controlsOf(int box, int row);

} // namespace tessaly
