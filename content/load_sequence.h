#pragma once

#include "content/content_error.h"
#include "content/content_tree.h"
#include "content/string_list.h"

#include <optional>
#include <string>

namespace content {

// The two directories of a disc, native, each ending in the separator.
struct DiscDirs {
    std::string programDir; // holds tree.txt, html.txt, button.txt, init.txt
    std::string htmlDir;    // holds the pages, open.htm, the button files and the targets
};

// What the load sequence does to the window; the window implements it, the disc checker records
// it.
class LoadTarget {
public:
    virtual ~LoadTarget() = default;
    virtual void BeginTreeBuild() = 0; // suspend the tree view's redrawing
    virtual void EndTreeBuild() = 0;   // resume and repaint it, whether the build failed or not
    virtual void ExpandNode(int index) = 0;
    virtual void SetInfoCaption(const std::string& captionCp932) = 0;
    virtual void RepaintTree() = 0;
    virtual void CollapseStrip() = 0;
    virtual void ShowStartPage(const std::string& nativePath) = 0; // may throw
    virtual void SelectStartNode(int index) = 0;                   // may throw
};

// The window of a reader that shows nothing of the disc as it loads (the disc search, the
// benchmarks): the lists and the tree are all it wants.
class NoWindowTarget final : public LoadTarget {
public:
    void BeginTreeBuild() override {}
    void EndTreeBuild() override {}
    void ExpandNode(int) override {}
    void SetInfoCaption(const std::string&) override {}
    void RepaintTree() override {}
    void CollapseStrip() override {}
    void ShowStartPage(const std::string&) override {}
    void SelectStartNode(int) override {}
};

// How the program starts: the page open.htm, or the selection of the first node with a page.
struct StartChoice {
    std::optional<std::string> openPage; // native path of open.htm when it exists
    int node = -1;                       // otherwise the node to select
};

// The start rule: open.htm when a regular file of that name lies in the content directory;
// otherwise the first non-empty line of HtmlList, whose node must exist. Throws the list index
// error when HtmlList has no such line, the index error when the tree has no such node.
StartChoice ChooseStart(const DiscDirs& dirs, const ContentTree& tree, const StringList& htmlList);

// Steps 1 to 6, the protected block: reads the tree and the lists, opens the top-level groups,
// sets the issue line and repaints the tree. The first failure ends the block silently; it is
// returned so that the disc checker can tell an editor.
std::optional<ContentError> RunLoadBlock(const DiscDirs& dirs, ContentTree& tree,
                                         StringList& htmlList, StringList& buttonList,
                                         LoadTarget& target);

// The whole sequence at window creation: the block, the collapse of the launch strip, and the
// start page. A failure of the start step is not swallowed: it leaves this function for the
// general error report.
void RunLoadSequence(const DiscDirs& dirs, ContentTree& tree, StringList& htmlList,
                     StringList& buttonList, LoadTarget& target);

} // namespace content
