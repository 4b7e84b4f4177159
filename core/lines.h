#pragma once

#include <array>

namespace crucirco {

// A winning line: three cells in reading order (left to right, top to bottom).
struct Line
{
    std::array<int, 3> cells;
};

// The eight lines in the one order in which every check of the game walks
// them: the rows, then the columns, then the falling and the rising diagonal.
inline constexpr std::array<Line, 8> kLines{{
    {{0, 1, 2}},
    {{3, 4, 5}},
    {{6, 7, 8}},
    {{0, 3, 6}},
    {{1, 4, 7}},
    {{2, 5, 8}},
    {{0, 4, 8}},
    {{2, 4, 6}},
}};

} // namespace crucirco
