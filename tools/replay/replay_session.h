#pragma once

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/tally.h"
#include "opponent/versus_fields.h"
#include "shell/program.h"
#include "tools/scripted/scripted_platform.h"

namespace crucirco::replay {

using Command = std::vector<std::string>;

// Runs a scenario script against the game's own classes, with scripted
// chance and scripted answers to the boxes, and writes what happens.
class ReplaySession
{
public:
    explicit ReplaySession(std::ostream& out);
    ~ReplaySession();

    // Runs the script to its end or to the program's end; the exit status:
    // 0, or 2 after an error.
    int run(std::istream& script);

private:
    // One versus-machine game state without a window.
    struct Lab
    {
        Board board;
        Tallies tallies;
        VersusFields fields{kFalse, kFalse, kNoPlan, 0, 0};
    };
    class LabPass;

    void execute(const Command& command);
    void runQueuedDuringPass();
    bool programOver() const;

    void labCommand(const Command& command);
    void windowCommand(Window window, const Command& command);
    void versusCommand(const Command& command);
    void twoPlayerCommand(const Command& command);
    void gameScreenCommand(GameForm& screen, const Command& command);
    void shellCommand(const Command& command);

    void printState(Window window) const;

    std::ostream& out_;
    scripted::Random random_;
    scripted::Boxes boxes_;
    scripted::Events events_;
    scripted::FixedClock clock_;
    scripted::WindowLog windows_;
    scripted::MemoryStore store_;
    scripted::Launcher launcher_;
    Program program_;
    Lab lab_;
    std::deque<Command> during_;
};

} // namespace crucirco::replay
