#include "content/load_sequence.h"

#include "content/disc_layout.h"
#include "content/disc_path.h"
#include "content/file_read.h"

#include <new>

namespace content {
namespace {

void BuildTreeForView(const std::string& path, ContentTree& tree, LoadTarget& target) {
    // Opening comes first: a tree.txt that cannot be opened leaves the view untouched.
    TextBytes bytes = ReadFileBytes(path);
    target.BeginTreeBuild();
    try {
        BuildTree(std::move(bytes), tree);
    } catch (...) {
        target.EndTreeBuild();
        throw;
    }
    target.EndTreeBuild();
}

} // namespace

StartChoice ChooseStart(const DiscDirs& dirs, const ContentTree& tree, const StringList& htmlList) {
    StartChoice choice;
    const std::string openPage = ResolveDiscPath(dirs.htmlDir, kStartPage);
    if (IsRegularFile(openPage)) {
        choice.openPage = openPage;
        return choice;
    }
    long long n = 0;
    while (ListEntry(htmlList, n).empty())
        ++n;
    tree.NodeAt(n);
    choice.node = static_cast<int>(n);
    return choice;
}

std::optional<ContentError> RunLoadBlock(const DiscDirs& dirs, ContentTree& tree,
                                         StringList& htmlList, StringList& buttonList,
                                         LoadTarget& target) {
    try {
        BuildTreeForView(dirs.programDir + kTreeFile, tree, target);
        LoadListFile(dirs.programDir + kButtonFile, buttonList);
        LoadListFile(dirs.programDir + kHtmlFile, htmlList);
        for (int i = 0; i < tree.Count(); ++i)
            if (tree[i].level == 0 && tree.HasChildren(i))
                target.ExpandNode(i);
        StringList init;
        LoadListFile(dirs.programDir + kInitFile, init);
        target.SetInfoCaption(std::string(ListEntry(init, 0)));
        target.RepaintTree();
    } catch (const ContentError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        // A disc too large for memory ends the block like any other failure: the window still
        // opens with what was loaded.
        return ContentError(ErrorKind::Open, "メモリが不足しています");
    }
    return std::nullopt;
}

void RunLoadSequence(const DiscDirs& dirs, ContentTree& tree, StringList& htmlList,
                     StringList& buttonList, LoadTarget& target) {
    RunLoadBlock(dirs, tree, htmlList, buttonList, target);
    target.CollapseStrip();
    const StartChoice start = ChooseStart(dirs, tree, htmlList);
    if (start.openPage)
        target.ShowStartPage(*start.openPage);
    else
        target.SelectStartNode(start.node);
}

} // namespace content
