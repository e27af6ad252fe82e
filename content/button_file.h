#pragma once

#include "content/string_list.h"

#include <array>
#include <optional>
#include <string>

namespace content {

class FolderListings;

constexpr int kButtonCount = 12;

// One of the twelve places a button file fills: a caption and a target (both lines of the file,
// the target possibly empty), or vacant.
struct ButtonSlot {
    bool used = false;
    std::string caption;
    std::string target;
};
using ButtonSlots = std::array<ButtonSlot, kButtonCount>;

// The pair rule: lines 2i and 2i+1 fill slot i when both exist and line 2i is not empty.
// A pair with an empty caption leaves its slot vacant without ending the scan; lines from
// number 24 on are never looked at.
ButtonSlots ButtonSlotsFromLines(const StringList& lines);

// Reads a button file by the pair rule; the open error when it cannot be opened.
ButtonSlots ReadButtonFile(const std::string& nativePath);

// The button file of the node at absolute index n: entry n of ButtonList (the list index error
// when there is none), resolved under the content directory. Nullopt when the entry is empty or
// names no regular file; the open error when the file exists but cannot be read. Listings as
// for ResolveDiscPath.
std::optional<ButtonSlots> ReadButtonsOfNode(const std::string& htmlDir,
                                             const StringList& buttonList, long long n,
                                             FolderListings* listings = nullptr);

} // namespace content
