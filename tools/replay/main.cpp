// crucirco-replay [FILE]: runs a scenario script (standard input when no
// file is given) and writes its transcript.

#include <fstream>
#include <iostream>

#include "tools/replay/replay_session.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: crucirco-replay [FILE]\n";
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
