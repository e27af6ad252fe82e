#pragma once

#include "content/load_sequence.h"
#include "tools/check/finding.h"
#include "tools/check/load_check.h"

#include <vector>

namespace check {

// How tree.txt, html.txt and button.txt line up: nodes without a page line or a button line,
// lines past the tree, blank tree lines, pages listed twice and button lines never used.
// addedEmptyTreeLines are the tree.txt lines made by LF CR line ends, reported already.
void AddListFindings(const LoadOutcome& load, const content::DiscDirs& dirs,
                     const std::vector<int>& addedEmptyTreeLines, Findings& findings);

} // namespace check
