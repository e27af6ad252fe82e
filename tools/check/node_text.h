#pragma once

#include "content/content_tree.h"

#include <string>
#include <string_view>

namespace check {

// A text already in UTF-8, in quotes.
std::string Quoted(std::string_view utf8);

// A text of the disc in quotes, converted for display.
std::string QuotedCp932(std::string_view bytes);

// How findings name a node: its absolute index and its text.
std::string NodeLabel(const content::ContentTree& tree, int index);

} // namespace check
