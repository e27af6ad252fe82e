#include "tools/open/lazy_file_write.h"

#include "tools/open/cache_naming.h"
#include "tools/open/confined_writes.h"
#include "tools/open/free_space.h"
#include "tools/open/image_error.h"
#include "tools/open/image_reader.h"
#include "tools/open/work_folder.h"

#include <cstdio>
#include <optional>
#include <sys/stat.h>

namespace disc_image {
namespace {

constexpr const char* kData = "data";

// Made while the image's folder is locked: an open of the same image clears abandoned work
// folders under that lock, and so never takes this one for abandoned before it is locked.
WorkFolder NewWorkFolder(const CachedDisc& disc, const std::stop_token& stop) {
    const FileLock lock = LockCacheEntry(disc.entryDir, stop);
    const std::string parent = disc.entryDir + kWorkFolders;
    ::mkdir(parent.c_str(), 0700);
    return WorkFolder(parent);
}

} // namespace

bool IsWritten(const CachedDisc& disc, const LazyFile& file) {
    struct stat st {};
    return ::lstat((disc.discRoot + file.path).c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           static_cast<std::uint64_t>(st.st_size) == file.size;
}

void WriteLazyFile(const ImageFile& opened, const CachedDisc& disc, const LazyFile& file,
                   const WriteWatch& watch) {
    const ImageFile image = OpenImageFile(opened.given);
    if (image.identity != opened.identity)
        throw ImageError(opened.given + ": the image has changed since it was opened");
    CheckFreeSpace(disc.entryDir, file.size);
    const WorkFolder work = NewWorkFolder(disc, watch.stop);
    const Fd data = CreateFile(work.fd(), kData, file.path);
    ImageReader reader(image);
    std::optional<ImageEntry> entry;
    while ((entry = reader.Next()) && entry->ordinal < file.dataOrdinal)
        if (watch.stop.stop_requested())
            throw Cancelled(); // a disc of many files, read from a slow drive
    if (!entry || entry->ordinal != file.dataOrdinal || entry->path != file.dataPath ||
        entry->size != file.size)
        throw ImageError(image.given + ": the image is not the one this cache was made from");
    std::uint64_t written = 0;
    reader.ReadData([&](const void* bytes, std::size_t size) {
        WriteAll(data.get(), bytes, size, file.path);
        written += size;
        if (watch.progress)
            watch.progress(written);
        // The work folder goes with what was written of it.
        if (watch.stop.stop_requested())
            throw Cancelled();
    });
    MakeReadOnly(data, file.executable, file.path);
    const Fd discRoot = OpenFolder(disc.discRoot);
    std::string leaf;
    const Fd parent = OpenParent(discRoot.get(), file.path, leaf);
    if (::renameat(work.fd(), kData, parent.get(), leaf.c_str()) != 0)
        throw SystemError("cannot put " + file.path + " in place");
}

} // namespace disc_image
