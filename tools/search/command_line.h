#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace search_tool {

constexpr int kExitFound = 0;  // at least one page holds every word
constexpr int kExitNone = 1;   // no page does (or the words were only spaces)
constexpr int kExitCannot = 2; // bad usage, or the disc cannot be read

// The whole of quilcd-search short of the process: args are the command-line arguments after
// the program's name. cacheRoot empty: the reader's cache. Returns the exit status.
int RunSearch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const std::string& cacheRoot = {});

} // namespace search_tool
