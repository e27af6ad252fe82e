#include "tools/search/disc_lists.h"

namespace search_tool {

DiscLists ReadDiscLists(const content::DiscDirs& dirs) {
    DiscLists lists;
    content::StringList buttonList;
    content::NoWindowTarget window;
    content::RunLoadBlock(dirs, lists.tree, lists.htmlList, buttonList, window);
    return lists;
}

} // namespace search_tool
