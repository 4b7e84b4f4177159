#pragma once

// A whole program on the scripted platform: every window it opens or
// closes, every box it raises and the moments it would end are written to
// one transcript, in the order they happen.

#include <ostream>
#include <sstream>
#include <string>

#include "core/board.h"
#include "shell/program.h"
#include "tools/scripted/scripted_platform.h"

namespace crucirco::testing {

class TranscriptHost final : public WindowHost {
public:
    explicit TranscriptHost(std::ostream& out)
        : out_(out)
    {
    }
    void windowLoaded(Form& form) override { out_ << "open " << windowName(form.id()) << '\n'; }
    void windowShown(Window) override { }
    void windowUnloaded(Window window) override { out_ << "close " << windowName(window) << '\n'; }
    void lastWindowUnloaded() override
    {
        ++lastWindowCalls;
        out_ << "last window gone\n";
    }
    void programEnded() override { out_ << "ended\n"; }

    int lastWindowCalls = 0;

private:
    std::ostream& out_;
};

struct ProgramRig {
    std::ostringstream out;
    scripted::Random random;
    scripted::Boxes boxes {out};
    scripted::Events events;
    scripted::FixedClock clock;
    scripted::MemoryStore store;
    scripted::Launcher launcher;
    TranscriptHost host {out};
    Program program {Program::Services {boxes, events, clock, random, store, launcher}, host};

    // What was written since the last call.
    std::string take()
    {
        std::string text = out.str();
        out.str("");
        return text;
    }
    VersusScreen& vs() { return *program.versus(); }
    TwoPlayerScreen& two() { return *program.twoPlayer(); }
};

// "XO.|...|..X" (the bars are optional) and back.
inline Board boardOf(std::string_view text)
{
    Board board;
    int cell = 0;
    for (char c : text) {
        if (c != '|')
            board.set(cell++, c == 'X' ? Mark::Cross : c == 'O' ? Mark::Circle : Mark::Empty);
    }
    return board;
}

inline std::string textOf(const Board& board)
{
    std::string text;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (cell > 0 && cell % 3 == 0)
            text += '|';
        text += board.holds(cell, Mark::Cross) ? 'X' : board.holds(cell, Mark::Circle) ? 'O' : '.';
    }
    return text;
}

inline std::string informLine(std::string_view text)
{
    return "box Crucirco | " + std::string(text) + " | OK\n";
}

} // namespace crucirco::testing
