#include "content/button_file.h"

#include "content/disc_path.h"
#include "content/file_read.h"

namespace content {

ButtonSlots ButtonSlotsFromLines(const StringList& lines) {
    ButtonSlots slots;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::size_t captionLine = 2 * i;
        if (lines.size() >= captionLine + 2 && !lines[captionLine].empty())
            slots[i] = {true, std::string(lines[captionLine]), std::string(lines[captionLine + 1])};
    }
    return slots;
}

ButtonSlots ReadButtonFile(const std::string& nativePath) {
    StringList lines;
    LoadListFile(nativePath, lines);
    return ButtonSlotsFromLines(lines);
}

std::optional<ButtonSlots> ReadButtonsOfNode(const std::string& htmlDir,
                                             const StringList& buttonList, long long n,
                                             FolderListings* listings) {
    const std::string_view name = ListEntry(buttonList, n);
    if (name.empty())
        return std::nullopt;
    const std::string path = ResolveDiscPath(htmlDir, name, listings);
    if (!IsRegularFile(path))
        return std::nullopt;
    return ReadButtonFile(path);
}

} // namespace content
