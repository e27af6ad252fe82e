#pragma once

#include "tools/check/finding.h"

#include <optional>
#include <string>
#include <vector>

namespace check {

// What an editor has asked the checker to keep quiet about: findings of a code, and findings of
// files whose path matches a pattern (shell wildcards: `*` also across folders, `?`, `[...]`;
// letter case ignored as on the disc; backslashes, in a pattern or in a button file's name as
// button.txt writes it, read as slashes).
struct Silencing {
    std::vector<std::string> codes;
    std::vector<std::string> paths;

    bool Any() const { return !codes.empty() || !paths.empty(); }
    bool Silences(const Finding& finding) const;
};

// Takes the silenced findings out; returns how many there were.
std::size_t Silence(const Silencing& silencing, Findings& findings);

// The file that may hold an editor's silencing for a disc: quilcd-check.ini beside tree.txt.
inline constexpr const char* kSilencingFile = "quilcd-check.ini";

// Adds the rules of a silencing file to `into`:
//
//   [ignore]
//   code = unreachable-page
//   path = old/*
//
// Comments start with ; or #. Nullopt when all is well; otherwise what is wrong, with the
// file's name and line ("quilcd-check.ini:3: unknown code missing_target").
std::optional<std::string> ReadSilencing(const std::string& name, const std::string& text,
                                         Silencing& into);

// The same check for a code given on the command line: nullopt, or why it is refused.
std::optional<std::string> CodeProblem(const std::string& code);

} // namespace check
