#pragma once

#include <string>
#include <string_view>

#include "core/board.h"

namespace crucirco {

// A win tally is the caption of its label: empty at first (counting as 0),
// then the number of wins in plain decimal digits.
class Tally
{
public:
    Tally() = default;
    explicit Tally(std::string caption)
        : caption_(std::move(caption))
    {
    }

    const std::string& caption() const { return caption_; }

    // Adds one to the caption's numeric value, taken as its leading decimal
    // number (so any caption at all has a value), and writes the sum back as
    // its shortest decimal text. Works on the digits themselves, so no count
    // is ever too large.
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
