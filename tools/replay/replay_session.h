#pragma once

#include <deque>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/tally.h"
#include "opponent/versus_fields.h"
#include "shell/program.h"
#include "tools/scripted/scripted_platform.h"

namespace crucirco::replay {

// A script line split into its words.
using Command = std::vector<std::string>;

// Runs a scenario script against the game's own classes, with scripted
// chance and scripted answers to the boxes, and writes what happens. The
// language is described in docs/replay.md; its commands are the table in
// replay_session.cpp, which the parser and --help both read.
class ReplaySession
{
public:
    explicit ReplaySession(std::ostream& out);
    ~ReplaySession();

    // Runs the script to its end or to the program's end; the exit status:
    // 0, or 2 after an error.
    int run(std::istream& script);

    // Writes every command, its arguments and what it does, one a line.
    static void writeCommands(std::ostream& out);

private:
    // One versus-machine game state without a window.
    struct Lab
    {
        Board board;
        Tallies tallies;
        VersusFields fields{kFalse, kFalse, kNoPlan, 0, 0};
    };
    class LabPass;
    struct Call;
    struct CommandRow;

    static std::span<const CommandRow> commands();

    void execute(const Command& command);
    void runQueuedDuringPass();
    bool programOver() const;

    // The game screen a command names, loaded.
    GameForm& screen(Window window) const { return static_cast<GameForm&>(*program_.existing(window)); }
    void labMove(const std::string& level);
    void labCheck();
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
    // Commands waiting for the next pass through the event loop.
    std::deque<Command> during_;
};

} // namespace crucirco::replay
