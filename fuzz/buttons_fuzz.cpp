// A button file as any bytes: read from the disc and by the pair rule, then laid out in the
// launch strip, with the working directory of every target.

#include "content/button_file.h"
#include "content/cp932.h"
#include "content/launch_strip.h"
#include "content/line_rule.h"
#include "fuzz_check.h"
#include "fuzz_entry.h"

#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

// The button file the reader opens by its path: a file in memory, so that rewriting it for every
// input costs no disc writes.
class MemoryFile final {
public:
    MemoryFile() : m_fd(::memfd_create("buttons.txt", MFD_CLOEXEC)) {
        if (m_fd < 0)
            std::abort();
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void Replace(const std::uint8_t* data, std::size_t size) const {
        if (::ftruncate(m_fd, 0) != 0 ||
            ::pwrite(m_fd, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }
    const std::string& path() const { return m_path; }

private:
    int m_fd;
    std::string m_path;
};

bool SameSlots(const content::ButtonSlots& a, const content::ButtonSlots& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].used != b[i].used || a[i].caption != b[i].caption || a[i].target != b[i].target)
            return false;
    return true;
}

void CheckPairRule(const content::StringList& lines, const content::ButtonSlots& slots) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const bool filled = lines.size() >= 2 * i + 2 && !lines[2 * i].empty();
        FUZZ_CHECK(slots[i].used == filled);
        if (filled) {
            FUZZ_CHECK(slots[i].caption == lines[2 * i]);
            FUZZ_CHECK(slots[i].target == lines[2 * i + 1]);
        }
    }
}

bool Overlap(const content::LaunchButtonState& a, const content::LaunchButtonState& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width &&
           a.top < b.top + content::kButtonHeight && b.top < a.top + content::kButtonHeight;
}

void CheckStrip(const content::ButtonSlots& slots, const content::StripFill& fill) {
    FUZZ_CHECK(fill.buttonsChanged);
    FUZZ_CHECK(fill.height == 0 || fill.height == 34 || fill.height == 64 || fill.height == 94 ||
               fill.height == 124);
    int lastShown = -1;
    for (int i = 0; i < content::kButtonCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const content::LaunchButtonState& b = fill.buttons[slot];
        FUZZ_CHECK(b.visible == slots[slot].used);
        if (!b.visible)
            continue;
        lastShown = i;
        FUZZ_CHECK(b.caption == slots[slot].caption);
        FUZZ_CHECK(fill.targets[slot] == slots[slot].target);
        FUZZ_CHECK(b.width == content::kButtonWidth || b.width == content::kWideButtonWidth);
        FUZZ_CHECK(b.left >= 0 && b.left + b.width <= content::kStripWidth);
        FUZZ_CHECK(b.top == content::ButtonTop(i));
        FUZZ_CHECK(b.top + content::kButtonHeight <= fill.height);
        for (int j = 0; j < i; ++j)
            if (fill.buttons[static_cast<std::size_t>(j)].visible)
                FUZZ_CHECK(!Overlap(fill.buttons[static_cast<std::size_t>(j)], b));
        // A button keeps its column's order: it never passes a shown neighbour in its row.
        if (i % 3 != 0 && fill.buttons[slot - 1].visible)
            FUZZ_CHECK(fill.buttons[slot - 1].left < b.left);
    }
    FUZZ_CHECK(fill.height ==
               (lastShown < 0 ? 0 : content::StripHeightForRow(content::ButtonRow(lastShown))));
}

// The working directory is the target up to a backslash or colon that is not the second byte of
// a double-byte character, or empty.
void CheckLaunchDirectory(const std::string& target) {
    const std::string dir = content::LaunchDirectoryPart(target);
    FUZZ_CHECK(target.compare(0, dir.size(), dir) == 0);
    if (dir.empty())
        return;
    FUZZ_CHECK(dir.back() == '\\' || dir.back() == ':');
    // Stepping through the characters lands on the cut's byte: it is no trail byte.
    std::size_t i = 0;
    while (i + 1 < dir.size())
        i += content::IsCp932LeadByte(static_cast<unsigned char>(dir[i])) ? 2 : 1;
    FUZZ_CHECK(i == dir.size() - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryFile file;
    file.Replace(data, size);

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const content::StringList lines = content::SplitLines(bytes);
    const content::ButtonSlots slots = content::ButtonSlotsFromLines(lines);
    CheckPairRule(lines, slots);
    FUZZ_CHECK(SameSlots(content::ReadButtonFile(file.path()), slots));

    CheckStrip(slots, content::FillLaunchStrip(slots));
    const content::StripFill none = content::FillLaunchStrip(std::nullopt);
    FUZZ_CHECK(none.height == 0 && !none.buttonsChanged);

    for (const content::ButtonSlot& slot : slots)
        CheckLaunchDirectory(slot.target);
    return 0;
}
