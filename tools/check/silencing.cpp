#include "tools/check/silencing.h"

#include "tools/check/finding_codes.h"

#include <algorithm>
#include <fnmatch.h>
#include <ini.h>

namespace check {
namespace {

struct Reading {
    Silencing& into;
    std::optional<std::string> problem; // the first line's that is refused
};

std::string Trimmed(const char* text) {
    std::string out(text);
    const auto space = [](unsigned char c) {
        return c == ' ' || c == '\t';
    };
    while (!out.empty() && space(static_cast<unsigned char>(out.back())))
        out.pop_back();
    std::size_t start = 0;
    while (start < out.size() && space(static_cast<unsigned char>(out[start])))
        ++start;
    return out.substr(start);
}

// inih's handler: each name = value line of the file, with its section.
int AcceptLine(void*, const char*, const char*, const char*) {
    return 1;
}

int TakeLine(void* user, const char* section, const char* name, const char* value) {
    auto& reading = *static_cast<Reading*>(user);
    if (reading.problem)
        return 0; // the first refused line is the one told
    const std::string key = name;
    const std::string text = Trimmed(value);
    if (std::string_view(section) != "ignore") {
        reading.problem = "the section [" + std::string(section) + "] is not known (only [ignore])";
    } else if (key == "code") {
        reading.problem = CodeProblem(text);
        if (!reading.problem)
            reading.into.codes.push_back(text);
    } else if (key == "path") {
        if (text.empty())
            reading.problem = "an empty path pattern";
        else
            reading.into.paths.push_back(text);
    } else {
        reading.problem = "the key " + key + " is not known (only code and path)";
    }
    return reading.problem ? 0 : 1;
}

} // namespace

bool Silencing::Silences(const Finding& finding) const {
    if (std::find(codes.begin(), codes.end(), finding.code) != codes.end())
        return true;
    std::string path = finding.file;
    std::replace(path.begin(), path.end(), '\\', '/');
    return std::any_of(paths.begin(), paths.end(), [&](std::string pattern) {
        std::replace(pattern.begin(), pattern.end(), '\\', '/');
        return ::fnmatch(pattern.c_str(), path.c_str(), FNM_CASEFOLD | FNM_NOESCAPE) == 0;
    });
}

std::size_t Silence(const Silencing& silencing, Findings& findings) {
    if (!silencing.Any())
        return 0;
    const auto kept = std::stable_partition(
        findings.begin(), findings.end(), [&](const Finding& f) { return !silencing.Silences(f); });
    const auto silenced = static_cast<std::size_t>(findings.end() - kept);
    findings.erase(kept, findings.end());
    return silenced;
}

std::optional<std::string> CodeProblem(const std::string& code) {
    if (IsFindingCode(code))
        return std::nullopt;
    return "unknown code " + (code.empty() ? std::string("(empty)") : code) +
           " (see quilcd-check --help for where the codes are listed)";
}

std::optional<std::string> ReadSilencing(const std::string& name, const std::string& text,
                                         Silencing& into) {
    // inih tells the line of the first error, a line it cannot read or one the handler refuses,
    // but not which: the first line it cannot read is found on its own.
    const int unreadable = ::ini_parse_string(text.c_str(), &AcceptLine, nullptr);
    Silencing taken;
    Reading reading{taken, std::nullopt};
    const int first = ::ini_parse_string(text.c_str(), &TakeLine, &reading);
    if (first == 0) {
        into.codes.insert(into.codes.end(), taken.codes.begin(), taken.codes.end());
        into.paths.insert(into.paths.end(), taken.paths.begin(), taken.paths.end());
        return std::nullopt;
    }
    if (unreadable != 0 && unreadable <= first)
        return name + ":" + std::to_string(unreadable) +
               ": not a line of the form name = value or [section] (at most 200 characters)";
    return name + ":" + std::to_string(first) + ": " + reading.problem.value_or("refused");
}

} // namespace check
