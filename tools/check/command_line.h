#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace check {

constexpr int kExitClean = 0;      // no error; warnings and notes allowed
constexpr int kExitProblems = 1;   // at least one error
constexpr int kExitCannotRead = 2; // the menu directory cannot be read, or a usage error

// The whole checker short of the process: args are the command-line arguments after the
// program's name. Returns the exit status.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace check
