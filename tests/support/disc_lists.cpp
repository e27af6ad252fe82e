#include "disc_lists.h"

#include "files.h"

namespace testkit {

void WriteLists(const std::filesystem::path& root, const std::vector<ListEntry>& entries,
                const std::string& issue) {
    std::string tree, html, button;
    for (const ListEntry& entry : entries) {
        tree += entry.tree + "\r\n";
        html += entry.page + "\r\n";
        button += entry.buttons + "\r\n";
    }
    WriteFile(root / "menu/tree.txt", tree);
    WriteFile(root / "menu/html.txt", html);
    WriteFile(root / "menu/button.txt", button);
    WriteFile(root / "menu/init.txt", issue + "\r\n");
}

} // namespace testkit
