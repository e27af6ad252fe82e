#pragma once

#include "content/content_tree.h"
#include "content/load_sequence.h"
#include "tools/check/finding.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace check {

// What the browser makes of a disc, with every text already converted to UTF-8 for display.
struct DiscReport {
    struct TreeEntry {
        int index = 0;
        int level = 0;
        std::string text;
        content::NodeKind kind = content::NodeKind::Entry;
        bool expanded = false; // opened by the load sequence
    };

    struct Button {
        int slot = 0;
        std::string caption;
        std::string target;
        int left = 0;
        int top = 0;
        int width = 0;
    };

    // What showing the page of one node does.
    struct Page {
        int node = 0;
        std::string page;
        bool pageExists = false;
        std::optional<std::string> buttonFile; // none: no button file, the strip collapses
        std::optional<int> stripHeight;        // none: showing the page stops silently
        std::vector<Button> buttons;           // the shown ones
    };

    // The start: open.htm (its name as found in the content directory), the node selected, or
    // the text of the error report the browser shows instead.
    struct Start {
        std::optional<std::string> page;
        int node = -1;
        std::optional<std::string> error;
    };

    std::string programDir;
    std::string htmlDir;
    std::vector<TreeEntry> tree;
    std::vector<std::string> htmlList;
    std::vector<std::string> buttonList;
    std::optional<std::string> info;      // none: the label keeps its design text
    std::optional<std::string> loadError; // the failure that ended the load block
    Start start;
    std::vector<Page> pages;
    Findings problems;
    // Set when the editor asked for findings to be silenced: how many were.
    std::optional<std::size_t> silenced;
    // Set when the disc was read from an image: the image as given. The directories then name
    // places inside it, and no page is a file of its own.
    std::optional<std::string> image;

    bool HasErrors() const;
    // The findings of each severity: errors, warnings, notes.
    std::array<std::size_t, 3> Counts() const;
};

// The caption the issue label is designed with; it stays when init.txt gives no line.
inline constexpr const char* kInfoDesignText = "199n Vol.n No.nn XXX.nn";

// Reads the disc the way the browser does and tells what it will do and what looks wrong.
DiscReport BuildDiscReport(const content::DiscDirs& dirs);

} // namespace check
