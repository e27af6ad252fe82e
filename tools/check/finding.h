#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace check {

// Error: the browser fails, shows something wrong, or loses part of the disc. Warning: the
// browser copes, but the disc is most likely not what its editor meant. Note: for information.
enum class Severity { Error, Warning, Note };

std::string_view SeverityName(Severity severity);

// One thing the checker has to tell an editor. File is the list file's name ("tree.txt") or a
// button file's path as button.txt writes it, in UTF-8; empty when no file is concerned. Line is
// 1-based, 0 when the finding concerns the whole file.
struct Finding {
    Severity severity = Severity::Error;
    std::string file;
    int line = 0;
    std::string message;
};

using Findings = std::vector<Finding>;

// Line numbers of the checker are ints; files of more than two billion lines do not fit a disc.
inline int LineNo(std::size_t zeroBased) {
    return static_cast<int>(zeroBased + 1);
}

} // namespace check
