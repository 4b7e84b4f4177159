#include "core/outcome.h"

#include "core/lines.h"

namespace crucirco {

namespace {

bool lineHolds(const Board& board, const Line& line, Mark mark)
{
    return board.holds(line.cells[0], mark) && board.holds(line.cells[1], mark)
           && board.holds(line.cells[2], mark);
}

} // namespace

std::optional<Win> findWin(const Board& board)
{
    for (int i = 0; i < static_cast<int>(kLines.size()); ++i) {
        const Line& line = kLines[static_cast<std::size_t>(i)];
        if (lineHolds(board, line, Mark::Cross))
            return Win{Mark::Cross, i};
        if (lineHolds(board, line, Mark::Circle))
            return Win{Mark::Circle, i};
    }
    return std::nullopt;
}

} // namespace crucirco
