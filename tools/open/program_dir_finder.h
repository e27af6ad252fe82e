#pragma once

#include <optional>
#include <set>
#include <string>

namespace disc_image {

// A disc's tree as far as finding its menu goes: directories and files (a symbolic link counts
// as what it leads to), as relative '/'-separated paths; "" is the root.
struct DiscTree {
    std::set<std::string> directories;
    std::set<std::string> files;
    bool rootBesideHtml = false; // the root's own parent holds _html (a folder given as its menu)
};

// The disc's program directory: one holding tree.txt, html.txt and button.txt whose parent holds
// _html, as the browser would find its content there (the names exactly: it opens them so). The
// original program beside them plays no part. When several qualify, the shallowest wins, then the
// first by name. "" is the root; nullopt when none qualifies.
std::optional<std::string> FindProgramDir(const DiscTree& tree);

// The tree of a folder on the file system (a copied or a mounted disc), read without following
// symbolic links to directories. Throws ImageError when the folder cannot be read, or holds more
// than a disc could.
DiscTree ReadFolderTree(const std::string& folder);

} // namespace disc_image
