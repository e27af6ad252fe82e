#include "tools/open/disc_cache.h"

#include "tools/open/cache_lists.h"
#include "tools/open/confined_writes.h"
#include "tools/open/disc_extraction.h"
#include "tools/open/extraction_plan.h"
#include "tools/open/free_space.h"
#include "tools/open/image_error.h"
#include "tools/open/work_folder.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace disc_image {
namespace {

namespace fs = std::filesystem;

void RemoveTree(const std::string& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

// Whatever an earlier, interrupted open left: folders being built, or one without its lists.
void RemoveInterruptedBuilds(const std::string& cacheRoot, const std::string& name) {
    const std::string buildPrefix = ".build-" + name + '-';
    for (const fs::directory_entry& old : fs::directory_iterator(cacheRoot))
        if (old.path().filename().string().starts_with(buildPrefix))
            RemoveTree(old.path().string());
    RemoveTree(cacheRoot + '/' + name);
}

// Builds the image's folder under a name of its own and renames it into place when complete.
void BuildEntry(const ImageFile& image, const ExtractionPlan& plan, const std::string& menu,
                const std::string& cacheRoot, const std::string& name) {
    const std::string build = MakeTemporaryFolder(cacheRoot + "/.build-" + name + '-') + '/';
    try {
        if (::mkdir((build + kDiscFolder).c_str(), 0755) != 0 ||
            ::mkdir((build + kWorkFolders).c_str(), 0700) != 0)
            throw SystemError("cannot make " + build);
        WriteExtraction(image, plan, OpenFolder(build + kDiscFolder).get());
        WriteCacheLists(build, menu, plan);
        const std::string entryDir = cacheRoot + '/' + name;
        if (::rename(build.c_str(), entryDir.c_str()) != 0)
            throw SystemError("cannot put " + entryDir + " in place");
    } catch (...) {
        RemoveTree(build);
        throw;
    }
}

} // namespace

CachedDisc OpenCachedDisc(const ImageFile& image, const std::string& cacheRoot) {
    const std::string name = CacheEntryName(image);
    const std::string entryDir = cacheRoot + '/' + name + '/';
    const FileLock lock = LockCacheEntry(entryDir);
    if (HasCacheLists(entryDir)) {
        // A folder whose lists do not read as the opener wrote them is never trusted: it is
        // built again from the image, as if it had never been there.
        std::optional<CachedDisc> kept;
        try {
            kept = ReadCachedDisc(entryDir);
        } catch (const ImageError&) {
        }
        if (kept) {
            kept->reused = true;
            RemoveAbandonedWorkFolders(entryDir + kWorkFolders);
            return *std::move(kept);
        }
    }
    RemoveInterruptedBuilds(cacheRoot, name);

    const ExtractionPlan plan = PlanExtraction(ReadEntries(image), image.volumeBytes);
    const std::optional<std::string> menu = FindProgramDir(plan.tree);
    if (!menu)
        throw ImageError(image.given +
                         ": no menu on this disc (a folder holding tree.txt, html.txt and "
                         "button.txt beside a folder _html)");
    CheckFreeSpace(cacheRoot, BytesWrittenAtOpen(plan));
    BuildEntry(image, plan, *menu, cacheRoot, name);
    CachedDisc disc = ReadCachedDisc(entryDir);
    disc.skipped = plan.skipped;
    return disc;
}

} // namespace disc_image
