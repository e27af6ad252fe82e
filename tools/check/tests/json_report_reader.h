#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace check_testing {

// One entry of a report's "problems": null file and line stay unset.
struct ReportProblem {
    std::string severity;
    std::string code;
    std::optional<std::string> file;
    std::optional<long long> line;
    std::optional<long long> column;
    std::string message;
};

// What the tests need of a --json report: the names of its members in order, how many entries
// each array member has, and the problems.
struct ReportSummary {
    std::vector<std::string> members;
    std::map<std::string, std::size_t> arrayLengths;
    std::vector<ReportProblem> problems;
};

// Reads text that must be exactly one JSON object (RFC 8259, UTF-8, nesting at most 64 deep)
// followed by nothing but whitespace. Nullopt, with `error` telling where and why, otherwise.
std::optional<ReportSummary> ReadJsonReport(std::string_view text, std::string& error);

} // namespace check_testing
