#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace check {

// Error: the browser fails, shows something wrong, or loses part of the disc. Warning: the
// browser copes, but the disc is most likely not what its editor meant. Note: for information.
enum class Severity { Error, Warning, Note };

std::string_view SeverityName(Severity severity);

// One thing the checker has to tell an editor. Code names its kind, stable for scripts that
// filter ("missing-page"). File is the list file's name ("tree.txt"), a button file's path as
// button.txt writes it, or a page's path from the content directory with '/' separators, in
// UTF-8; empty when no file is concerned. Line and column are 1-based, 0 when the finding
// concerns the whole file or the whole line. Reference is what a page wrote, for a page's finding
// on one of its references.
struct Finding {
    Finding() = default;
    Finding(Severity severity, std::string code, std::string file, int line, std::string message,
            int column = 0, std::optional<std::string> reference = std::nullopt)
        : severity(severity), code(std::move(code)), file(std::move(file)), line(line),
          message(std::move(message)), column(column), reference(std::move(reference)) {}

    Severity severity = Severity::Error;
    std::string code;
    std::string file;
    int line = 0;
    std::string message;
    int column = 0;
    std::optional<std::string> reference;
};

using Findings = std::vector<Finding>;

// A finding's line and column as every report writes them: empty when 0, and no column without
// a line.
inline std::string LineText(const Finding& finding) {
    return finding.line > 0 ? std::to_string(finding.line) : std::string();
}
inline std::string ColumnText(const Finding& finding) {
    return finding.line > 0 && finding.column > 0 ? std::to_string(finding.column) : std::string();
}

// Line numbers of the checker are ints; files of more than two billion lines do not fit a disc.
inline int LineNo(std::size_t zeroBased) {
    return static_cast<int>(zeroBased + 1);
}

} // namespace check
