#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testkit {

// One line of tree.txt (its tabs give the level) with the node's lines in html.txt and
// button.txt: empty for a heading, a page without buttons, or a node the disc leaves blank.
struct ListEntry final {
    std::string tree;
    std::string page = {};
    std::string buttons = {};
};

// Writes the disc's four list files under root/menu/, each line ended by CR LF as an editor on
// Windows saves it: one line per entry in tree.txt, html.txt and button.txt, and the issue line
// alone in init.txt.
void WriteLists(const std::filesystem::path& root, const std::vector<ListEntry>& entries,
                const std::string& issue = "1999 Vol.5 No.12");

} // namespace testkit
