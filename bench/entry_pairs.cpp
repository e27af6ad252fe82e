#include "bench/entry_pairs.h"

#include "bench/window_choice.h"
#include "ui/contents_tree_view.h"
#include "ui/tform1.h"
#include "ui/unit1.h"

#include <QWebEngineView>

#include <vector>

std::optional<EntryPairs> FindEntryPairs(TForm1& form) {
    std::vector<ChosenEntry> shown{
        {form.TreeView->SelectedNode(), ViewOf(form)->url(), form.StripHeight()}};
    std::optional<EntryPair> sameStrip;
    for (int node = shown.front().node + 1;
         node < static_cast<int>(HtmlList->size()) && (shown.size() < 2 || !sameStrip); ++node) {
        if (content::ListEntry(*HtmlList, node).empty())
            continue;
        if (!ChooseAndWait(form, node))
            return std::nullopt;
        shown.push_back({node, ViewOf(form)->url(), form.StripHeight()});
        const ChosenEntry& before = shown[shown.size() - 2];
        if (!sameStrip && before.stripHeight == shown.back().stripHeight)
            sameStrip = EntryPair{before, shown.back()};
    }
    if (shown.size() < 2 || !sameStrip)
        return std::nullopt;
    return EntryPairs{{shown[0], shown[1]}, *sameStrip};
}
