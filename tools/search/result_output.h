#pragma once

#include "content/content_tree.h"
#include "search/disc_search.h"

#include <string>

namespace search_tool {

// One line per result: "page: title — snippet".
std::string TextResults(const search::SearchOutcome& outcome);

// {"results": [{"page", "title", "entry", "snippet"}], "pages", "skipped"}: entry is the tree
// entry's text, null for a page only links reach.
std::string JsonResults(const search::SearchOutcome& outcome, const content::ContentTree& tree);

} // namespace search_tool
