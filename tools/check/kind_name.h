#pragma once

#include "content/content_tree.h"

#include <string_view>

namespace check {

// How the tree draws a node: a group heading, a sub-group or an entry.
std::string_view KindName(content::NodeKind kind);

} // namespace check
