// quellora-scenario FILE.scn [FILE.scn ...]: runs scenario files against the main window without
// a screen (runner.h).
#include <iostream>
#include <string>
#include <vector>

#include "scenario/runner.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: quellora-scenario FILE.scn [FILE.scn ...]\n";
        return scenario::kUnusable;
    }
    const std::vector<std::string> paths(argv + 1, argv + argc);
    return scenario::runFiles(paths, std::cout);
}
