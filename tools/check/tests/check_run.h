#pragma once

#include "tools/check/command_line.h"

#include <sstream>
#include <string>
#include <vector>

namespace check_testing {

// What a check run in this process told: its exit status, its report and its complaints.
struct CheckRun {
    int status;
    std::string out;
    std::string err;
};

inline CheckRun Check(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = check::RunCheck(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace check_testing
