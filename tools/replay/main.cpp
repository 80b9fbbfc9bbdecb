// quantivex-replay FILE...: runs event scripts against the window, headless.
// Exit 0 when every expectation held, 1 when one failed, 2 on a script it cannot read.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "replay.h"

int main(int argc, char** argv) {
    using quantivex::replay::Outcome;
    if (argc < 2) {
        std::cerr << "usage: quantivex-replay FILE... (- reads standard input)\n";
        return 2;
    }
    int worst = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        std::string text;
        if (name == "-") {
            text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        } else {
            std::ifstream in(name, std::ios::binary);
            if (!in) {
                std::cerr << name << ": cannot open\n";
                worst = 2;
                continue;
            }
            std::ostringstream buffer;
            buffer << in.rdbuf();
            text = buffer.str();
        }
        const Outcome outcome = quantivex::replay::runText(text, name, std::cout);
        worst = std::max(worst, static_cast<int>(outcome));
    }
    return worst;
}
