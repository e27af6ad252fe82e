#pragma once

#include <QUrl>

#include <array>
#include <optional>

class TForm1;

// Two entries of the disc chosen in turn by the page-view benchmark, and what the window showed
// for each: the page's address (which the baseline loads too) and the launch strip's height.
struct ChosenEntry {
    int node = -1;
    QUrl page;
    int stripHeight = 0;
};
using EntryPair = std::array<ChosenEntry, 2>;

struct EntryPairs {
    // The start entry and the next entry with a page.
    EntryPair first;
    // The first two neighbouring entries with a page whose launch strips are of one height, so
    // that the page view keeps its size from one to the other. Between entries whose strips
    // differ, the window gives the view the height the strip leaves, and the engine then lays
    // out and draws the page it shows at the new size.
    EntryPair sameStrip;
};

// Chooses the entries with a page in tree order in a shown window, from its start entry on,
// until both pairs are found. Empty when a page did not load or the disc has no such pairs.
std::optional<EntryPairs> FindEntryPairs(TForm1& form);
