// crucirco-replay [FILE]: runs a scenario script (standard input when no
// file is given) and writes its transcript. crucirco-replay --help lists the
// commands; docs/replay.md describes the language and the transcript.

#include <fstream>
#include <iostream>
#include <string_view>

#include "tools/replay/replay_session.h"

namespace {

constexpr std::string_view kUsage = "usage: crucirco-replay [FILE]\n";

void writeHelp(std::ostream& out)
{
    out << kUsage
        << "\nRuns a scenario script against the game's own classes, without a display, and\n"
           "writes its transcript. One command a line; # starts a comment line. Each\n"
           "command is echoed as \"> COMMAND\" before what it prints. The exit status is 0,\n"
           "or 2 after an error.\n"
           "\nCommands (SCREEN is vs or two):\n";
    crucirco::replay::ReplaySession::writeCommands(out);
}

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        writeHelp(std::cout);
        return 0;
    }
    if (argc > 2) {
        std::cerr << kUsage;
        return 2;
    }
    crucirco::replay::ReplaySession session(std::cout);
    if (argc == 2) {
        std::ifstream script(argv[1]);
        if (!script) {
            std::cout << "error: cannot read " << argv[1] << '\n';
            return 2;
        }
        return session.run(script);
    }
    return session.run(std::cin);
}
