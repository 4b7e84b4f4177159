#include "core/board.h"

#include <algorithm>
#include <string>

namespace crucirco {

CellIndexError::CellIndexError(int index)
    : std::out_of_range("no cell " + std::to_string(index))
{
}

int Board::markCount() const
{
    return static_cast<int>(
        std::count_if(cells_.begin(), cells_.end(), [](Mark m) { return m != Mark::Empty; }));
}

} // namespace crucirco
