// A disc image as any bytes: the sector layout is found (cooked, raw mode 1 or raw mode 2 form 1),
// the volume descriptors read, the directory tree and the small files' data read through the
// 2352-to-2048 sector shim, the extraction planned and the menu looked for. Nothing is written.
// The same bytes are also read as a cue sheet.

#include "fuzz_check.h"
#include "fuzz_entry.h"
#include "tools/open/cooked_sectors.h"
#include "tools/open/cue_sheet.h"
#include "tools/open/extraction_plan.h"
#include "tools/open/image_error.h"
#include "tools/open/image_reader.h"

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace disc_image;
    try {
        ReadCueSheet({reinterpret_cast<const char*>(data), size});
    } catch (const ImageError&) {
    }
    MemorySource source(std::span<const std::uint8_t>(data, size));
    const std::optional<SectorLayout> layout = DetectLayout(source, 0);
    if (!layout)
        return 0;
    try {
        CookedSectors sectors(source, *layout);
        const std::optional<VolumeInfo> volume = ReadVolumeInfo(sectors);
        FUZZ_CHECK(volume); // the layout was found by its primary descriptor
        ImageReader reader(source, *layout, volume->joliet);
        std::vector<ImageEntry> entries;
        while (std::optional<ImageEntry> entry = reader.Next()) {
            if (entry->kind == EntryKind::File && entry->size <= 64 * 1024) {
                std::uint64_t read = 0;
                reader.ReadData([&](const void*, std::size_t n) { read += n; });
                FUZZ_CHECK(read == entry->size);
            }
            entries.push_back(std::move(*entry));
            if (entries.size() > 20000)
                break;
        }
        const ExtractionPlan plan = PlanExtraction(std::move(entries), sectors.Size());
        for (const PlannedEntry& planned : plan.entries) {
            if (planned.action == Action::Skip)
                continue;
            // Nothing that is written may climb out of its folder.
            const std::string& path = planned.entry.path;
            FUZZ_CHECK(!path.empty() && path[0] != '/');
            FUZZ_CHECK(("/" + path + "/").find("/../") == std::string::npos);
        }
        if (const std::optional<std::string> menu = FindProgramDir(plan.tree))
            FUZZ_CHECK(plan.tree.directories.count(*menu) == 1);
    } catch (const ImageError&) {
    }
    return 0;
}
