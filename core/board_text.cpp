#include "core/board_text.h"

#include <stdexcept>

namespace crucirco {

Board parseBoard(std::string_view text)
{
    Board board;
    int cell = 0;
    for (char c : text) {
        if (c == '|')
            continue;
        if (cell == kCellCount || (c != 'X' && c != 'O' && c != '.'))
            throw std::invalid_argument("not a board: " + std::string(text));
        board.set(cell++, c == 'X' ? Mark::Cross : c == 'O' ? Mark::Circle : Mark::Empty);
    }
    if (cell != kCellCount)
        throw std::invalid_argument("not a board: " + std::string(text));
    return board;
}

std::string boardText(const Board& board)
{
    std::string text;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (cell == 3 || cell == 6)
            text += '|';
        const std::string_view caption = captionOf(board.at(cell));
        text += caption.empty() ? '.' : caption.front();
    }
    return text;
}

} // namespace crucirco
