#pragma once

#include "content/content_tree.h"
#include "content/load_sequence.h"
#include "content/string_list.h"

namespace search_tool {

// The tree and the page list as the browser's load block leaves them on this disc: a list the
// block could not read stays empty, as in the browser.
struct DiscLists {
    content::ContentTree tree;
    content::StringList htmlList;
};

DiscLists ReadDiscLists(const content::DiscDirs& dirs);

} // namespace search_tool
