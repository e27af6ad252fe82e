#include "tools/search/disc_lists.h"

namespace search_tool {
namespace {

// The load block's window, which shows nothing.
class NoWindow final : public content::LoadTarget {
    void BeginTreeBuild() override {}
    void EndTreeBuild() override {}
    void ExpandNode(int) override {}
    void SetInfoCaption(const std::string&) override {}
    void RepaintTree() override {}
    void CollapseStrip() override {}
    void ShowStartPage(const std::string&) override {}
    void SelectStartNode(int) override {}
};

} // namespace

DiscLists ReadDiscLists(const content::DiscDirs& dirs) {
    DiscLists lists;
    content::StringList buttonList;
    NoWindow window;
    content::RunLoadBlock(dirs, lists.tree, lists.htmlList, buttonList, window);
    return lists;
}

} // namespace search_tool
