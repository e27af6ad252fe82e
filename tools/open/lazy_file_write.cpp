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
WorkFolder NewWorkFolder(const CachedDisc& disc) {
    const FileLock lock = LockCacheEntry(disc.entryDir);
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
                   std::atomic<std::uint64_t>* progress) {
    const ImageFile image = OpenImageFile(opened.given);
    if (image.identity != opened.identity)
        throw ImageError(opened.given + ": the image has changed since it was opened");
    CheckFreeSpace(disc.entryDir, file.size);
    const WorkFolder work = NewWorkFolder(disc);
    const Fd data = CreateFile(work.fd(), kData, file.path);
    ImageReader reader(image);
    std::optional<ImageEntry> entry;
    while ((entry = reader.Next()) && entry->ordinal < file.dataOrdinal) {
    }
    if (!entry || entry->ordinal != file.dataOrdinal || entry->path != file.dataPath ||
        entry->size != file.size)
        throw ImageError(image.given + ": the image is not the one this cache was made from");
    reader.ReadData([&](const void* bytes, std::size_t size) {
        WriteAll(data.get(), bytes, size, file.path);
        if (progress)
            *progress += size;
    });
    MakeReadOnly(data, file.executable, file.path);
    const Fd discRoot = OpenFolder(disc.discRoot);
    std::string leaf;
    const Fd parent = OpenParent(discRoot.get(), file.path, leaf);
    if (::renameat(work.fd(), kData, parent.get(), leaf.c_str()) != 0)
        throw SystemError("cannot put " + file.path + " in place");
}

} // namespace disc_image
