// quilcd-search: the disc search from the command line, for archivists.
#include "tools/search/command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return search_tool::RunSearch(args, std::cout, std::cerr);
}
