#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace crucirco {

// What a cell of the board shows. A cell's caption is exactly one of
// "X", "O" or "", so the board keeps the mark and gives the text on demand.
enum class Mark : std::uint8_t { Empty, Cross, Circle };

constexpr std::string_view captionOf(Mark mark)
{
    switch (mark) {
    case Mark::Cross:
        return "X";
    case Mark::Circle:
        return "O";
    case Mark::Empty:
        break;
    }
    return "";
}

inline constexpr int kCellCount = 9;

// Raised when a cell outside 0 to 8 is addressed, the only fault a cell
// access can have.
class CellIndexError : public std::out_of_range
{
public:
    explicit CellIndexError(int index);
};

// The nine cells of a game, row by row: index = 3 × row + column,
// 0 top left, 4 the centre, 8 bottom right.
class Board
{
public:
    Mark at(int index) const { return cells_[checked(index)]; }
    void set(int index, Mark mark) { cells_[checked(index)] = mark; }

    bool isEmpty(int index) const { return at(index) == Mark::Empty; }
    bool holds(int index, Mark mark) const { return at(index) == mark; }

    // Empties every cell, from cell 0 to cell 8.
    void clear() { cells_.fill(Mark::Empty); }

    int markCount() const;

private:
    static std::size_t checked(int index)
    {
        if (index < 0 || index >= kCellCount)
            throw CellIndexError(index);
        return static_cast<std::size_t>(index);
    }

    std::array<Mark, kCellCount> cells_{};
};

} // namespace crucirco
