#pragma once

#include <string>

#include "core/board.h"

namespace crucirco {

// A win tally is the caption of its label: empty at first (counting as 0),
// then the number of wins in plain decimal digits.
class Tally
{
public:
    const std::string& caption() const { return caption_; }

    // Adds one to the count and writes it back as its shortest decimal text.
    // Works on the digits themselves, so no count is ever too large.
    void increment();

private:
    std::string caption_;
};

struct Tallies
{
    Tally cross; // lblX
    Tally circle; // lblO

    void addWin(Mark winner) { (winner == Mark::Circle ? circle : cross).increment(); }
};

} // namespace crucirco
