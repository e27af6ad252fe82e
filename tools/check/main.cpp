// quilcd-check: the editors' disc checker.
#include "tools/check/command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return check::RunCheck(args, std::cout, std::cerr);
}
