#pragma once

#include "content/content_error.h"
#include "content/content_tree.h"
#include "content/load_sequence.h"
#include "content/string_list.h"
#include "tools/check/finding.h"

#include <optional>
#include <string>
#include <vector>

namespace check {

// The list file whose reading ended the load block.
enum class LoadStep { Done, Tree, Button, Html, Init, Unknown };

// What the load block left behind, as the window would hold it.
struct LoadOutcome {
    content::ContentTree tree;
    content::StringList htmlList;
    content::StringList buttonList;
    std::vector<int> expanded;
    std::optional<std::string> infoCp932; // the issue label's caption, when it was set
    std::optional<content::ContentError> error;
    LoadStep failedAt = LoadStep::Done;

    // Whether html.txt and button.txt were both read: only init.txt may have failed.
    bool ListsLoaded() const { return failedAt == LoadStep::Done || failedAt == LoadStep::Init; }
};

// Runs the browser's load block against a target that records what it is told.
LoadOutcome RunLoad(const content::DiscDirs& dirs);

// What an editor needs to know about the way the block ended.
void AddLoadFindings(const LoadOutcome& load, Findings& findings);

} // namespace check
