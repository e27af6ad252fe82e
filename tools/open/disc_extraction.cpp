#include "tools/open/disc_extraction.h"

#include "tools/open/confined_writes.h"
#include "tools/open/image_error.h"
#include "tools/open/image_reader.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace disc_image {
namespace {

constexpr mode_t kFolderMode = 0755;

} // namespace

std::vector<ImageEntry> ReadEntries(const ImageFile& image) {
    ImageReader reader(image);
    std::vector<ImageEntry> entries;
    while (std::optional<ImageEntry> entry = reader.Next()) {
        if (entries.size() == kMostEntries)
            throw ImageError(image.given + ": the image holds more entries than a disc can");
        entries.push_back(std::move(*entry));
    }
    return entries;
}

std::uint64_t BytesWrittenAtOpen(const ExtractionPlan& plan) {
    std::uint64_t bytes = 0;
    for (const PlannedEntry& planned : plan.entries)
        if (planned.action == Action::WriteNow || planned.action == Action::CopyNow)
            bytes += planned.entry.size;
    return bytes;
}

void WriteExtraction(const ImageFile& image, const ExtractionPlan& plan, int root) {
    ImageReader reader(image);
    while (std::optional<ImageEntry> entry = reader.Next()) {
        if (entry->ordinal >= plan.entries.size() ||
            plan.entries[entry->ordinal].entry.path != entry->path)
            throw ImageError(image.given + ": the image changed while it was read");
        const PlannedEntry& planned = plan.entries[entry->ordinal];
        const std::string& path = planned.entry.path;
        if (planned.action == Action::Skip || planned.action == Action::MakeLink)
            continue;
        std::string leaf;
        const Fd parent = OpenParent(root, path, leaf);
        switch (planned.action) {
        case Action::MakeDirectory:
            if (::mkdirat(parent.get(), leaf.c_str(), kFolderMode) != 0)
                throw SystemError("cannot write " + path);
            break;
        case Action::WriteNow: {
            const Fd fd = CreateFile(parent.get(), leaf, path);
            reader.ReadData(
                [&](const void* data, std::size_t size) { WriteAll(fd.get(), data, size, path); });
            MakeReadOnly(fd, planned.entry.executable, path);
            break;
        }
        case Action::CopyNow: {
            std::string dataLeaf;
            const Fd dataParent = OpenParent(root, planned.dataPath, dataLeaf);
            const Fd from(
                ::openat(dataParent.get(), dataLeaf.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
            if (from.get() < 0)
                throw SystemError("cannot read " + planned.dataPath);
            const Fd fd = CreateFile(parent.get(), leaf, path);
            CopyData(from.get(), fd.get(), planned.dataPath, path);
            MakeReadOnly(fd, planned.entry.executable, path);
            break;
        }
        case Action::WriteLater: {
            const Fd fd = CreateFile(parent.get(), leaf, path);
            MakeReadOnly(fd, false, path);
            break;
        }
        case Action::MakeLink: // made below, once everything they may lead to is there
        case Action::Skip:
            break;
        }
    }
    for (const PlannedEntry& planned : plan.entries) {
        if (planned.action != Action::MakeLink)
            continue;
        std::string leaf;
        const Fd parent = OpenParent(root, planned.entry.path, leaf);
        if (::symlinkat(planned.entry.link.c_str(), parent.get(), leaf.c_str()) != 0)
            throw SystemError("cannot write " + planned.entry.path);
    }
}

} // namespace disc_image
