#include "tools/open/disc_cache.h"

#include "tools/open/extraction_plan.h"
#include "tools/open/image_error.h"
#include "tools/open/image_reader.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>

namespace disc_image {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLazyList = "lazy";
constexpr const char* kMenuFile = "menu";
constexpr mode_t kFolderMode = 0755;
constexpr std::uint64_t kSpareSpace = 64ull * 1024 * 1024;

std::string Errno(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// An open descriptor, closed when it goes.
class Fd final {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(Fd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The list files name paths of any bytes: those a line could not hold are written as %XX.
std::string Escaped(const std::string& text) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (c <= 0x20 || c == 0x7F || c == '%') {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

// The cache folder's name: the image's own name, kept readable, and the hash of its identity.
std::string EntryName(const ImageFile& image) {
    std::string stem = image.given.substr(image.given.rfind('/') + 1);
    std::string name;
    for (char c : stem.substr(0, 40))
        name += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.')
                    ? c
                    : '_';
    if (name.empty() || name[0] == '.')
        name.insert(0, "image");
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(Fnv1a("quilcd-cache-1\n" + image.identity)));
    return name + '-' + hash;
}

// Held while an image's folder is looked at or built, so that two opens of one image take turns.
class CacheLock final {
public:
    explicit CacheLock(const std::string& path)
        : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (m_fd.get() < 0)
            throw ImageError(Errno(path));
        while (::flock(m_fd.get(), LOCK_EX) != 0)
            if (errno != EINTR)
                throw ImageError(Errno(path));
    }

private:
    Fd m_fd;
};

// The folder holding `path` (relative to root), reached one name at a time without following a
// symbolic link, so that nothing written can be led out of the tree.
Fd OpenParent(int root, const std::string& path, std::string& leaf) {
    Fd dir(::fcntl(root, F_DUPFD_CLOEXEC, 0));
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            leaf = path.substr(start);
            return dir;
        }
        const std::string name = path.substr(start, slash - start);
        Fd next(::openat(dir.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0)
            throw ImageError(Errno("cannot open the cache folder " + path.substr(0, slash)));
        dir = std::move(next);
        start = slash + 1;
    }
}

void WriteAll(int fd, const void* data, std::size_t size, const std::string& what) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw ImageError(Errno("cannot write " + what));
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
}

mode_t FileMode(bool executable) {
    return executable ? 0555 : 0444;
}

Fd CreateFile(int parent, const std::string& leaf, const std::string& what) {
    Fd fd(
        ::openat(parent, leaf.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        throw ImageError(Errno("cannot write " + what));
    return fd;
}

void Finish(const Fd& fd, bool executable, const std::string& what) {
    if (::fchmod(fd.get(), FileMode(executable)) != 0)
        throw ImageError(Errno("cannot write " + what));
}

void CheckFreeSpace(const std::string& dir, std::uint64_t bytes) {
    struct statvfs fsinfo {};
    if (::statvfs(dir.c_str(), &fsinfo) != 0)
        return;
    const std::uint64_t free = static_cast<std::uint64_t>(fsinfo.f_bavail) * fsinfo.f_frsize;
    if (free < bytes + kSpareSpace)
        throw ImageError("not enough free space in " + dir + " for " + std::to_string(bytes) +
                         " bytes from the image");
}

void WriteText(const std::string& path, const std::string& text) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444));
    if (fd.get() < 0)
        throw ImageError(Errno("cannot write " + path));
    WriteAll(fd.get(), text.data(), text.size(), path);
}

std::string ReadText(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        throw ImageError(Errno("cannot read " + path));
    std::string text;
    char buffer[65536];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file))
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

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

// The second pass: every entry the plan writes, in the reader's order; links last.
void WriteDisc(const ImageFile& image, const ExtractionPlan& plan, int root) {
    ImageReader reader(image);
    while (std::optional<ImageEntry> entry = reader.Next()) {
        if (entry->ordinal >= plan.entries.size() ||
            plan.entries[entry->ordinal].entry.path != entry->path)
            throw ImageError(image.given + ": the image changed while it was read");
        const PlannedEntry& planned = plan.entries[entry->ordinal];
        const std::string& path = planned.entry.path;
        std::string leaf;
        if (planned.action == Action::Skip || planned.action == Action::MakeLink)
            continue;
        const Fd parent = OpenParent(root, path, leaf);
        switch (planned.action) {
        case Action::MakeDirectory:
            if (::mkdirat(parent.get(), leaf.c_str(), kFolderMode) != 0)
                throw ImageError(Errno("cannot write " + path));
            break;
        case Action::WriteNow: {
            const Fd fd = CreateFile(parent.get(), leaf, path);
            reader.ReadData(
                [&](const void* data, std::size_t size) { WriteAll(fd.get(), data, size, path); });
            Finish(fd, planned.entry.executable, path);
            break;
        }
        case Action::CopyNow: {
            std::string dataLeaf;
            const Fd dataParent = OpenParent(root, planned.dataPath, dataLeaf);
            const Fd from(
                ::openat(dataParent.get(), dataLeaf.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
            if (from.get() < 0)
                throw ImageError(Errno("cannot read " + planned.dataPath));
            const Fd fd = CreateFile(parent.get(), leaf, path);
            char buffer[65536];
            ssize_t n;
            while ((n = ::read(from.get(), buffer, sizeof buffer)) > 0)
                WriteAll(fd.get(), buffer, static_cast<std::size_t>(n), path);
            if (n < 0)
                throw ImageError(Errno("cannot read " + planned.dataPath));
            Finish(fd, planned.entry.executable, path);
            break;
        }
        case Action::WriteLater: {
            const Fd fd = CreateFile(parent.get(), leaf, path);
            Finish(fd, false, path);
            break;
        }
        default:
            break;
        }
    }
    for (const PlannedEntry& planned : plan.entries) {
        if (planned.action != Action::MakeLink)
            continue;
        std::string leaf;
        const Fd parent = OpenParent(root, planned.entry.path, leaf);
        if (::symlinkat(planned.entry.link.c_str(), parent.get(), leaf.c_str()) != 0)
            throw ImageError(Errno("cannot write " + planned.entry.path));
    }
}

std::string LazyList(const ExtractionPlan& plan) {
    std::ostringstream list;
    for (const PlannedEntry& planned : plan.entries) {
        if (planned.action != Action::WriteLater)
            continue;
        list << planned.entry.size << ' ' << planned.dataOrdinal << ' '
             << (planned.entry.executable ? 1 : 0) << ' ' << Escaped(planned.dataPath) << ' '
             << Escaped(planned.entry.path) << '\n';
    }
    return list.str();
}

std::vector<LazyFile> ReadLazyList(const std::string& text) {
    std::vector<LazyFile> files;
    std::istringstream list(text);
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        LazyFile file;
        int executable = 0;
        std::string dataPath;
        std::string path;
        if (!(fields >> file.size >> file.dataOrdinal >> executable >> dataPath >> path))
            throw ImageError("damaged cache list: " + line);
        file.executable = executable != 0;
        file.dataPath = Unescaped(dataPath);
        file.path = Unescaped(path);
        files.push_back(std::move(file));
    }
    return files;
}

CachedDisc Load(const std::string& entryDir) {
    CachedDisc disc;
    disc.entryDir = entryDir;
    disc.discRoot = entryDir + "disc/";
    const std::string menu = Unescaped(ReadText(entryDir + kMenuFile));
    disc.programDir = disc.discRoot + (menu.empty() ? "" : menu + '/');
    disc.lazyFiles = ReadLazyList(ReadText(entryDir + kLazyList));
    return disc;
}

std::string RandomSuffix() {
    std::random_device random;
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%08x%08x", random(), random());
    return suffix;
}

void RemoveTree(const std::string& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

} // namespace

std::string CacheRoot() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return UsableCacheRoot(std::string(xdg) + "/quilcd");
    if (home != nullptr && home[0] == '/')
        return UsableCacheRoot(std::string(home) + "/.cache/quilcd");
    throw ImageError("no cache folder: neither XDG_CACHE_HOME nor HOME is set");
}

std::string UsableCacheRoot(const std::string& root) {
    std::error_code error;
    fs::create_directories(root, error);
    if (error)
        throw ImageError("cannot make the cache folder " + root + ": " + error.message());
    ::chmod(root.c_str(), 0700);
    const fs::path real = fs::canonical(root, error);
    if (error)
        throw ImageError("cannot use the cache folder " + root + ": " + error.message());
    return real.string();
}

CachedDisc OpenCachedDisc(const ImageFile& image, const std::string& cacheRoot) {
    const std::string name = EntryName(image);
    const std::string entryDir = cacheRoot + '/' + name + '/';
    const CacheLock lock(cacheRoot + '/' + name + ".lock");
    struct stat st {};
    if (::stat((entryDir + kLazyList).c_str(), &st) == 0) {
        CachedDisc disc = Load(entryDir);
        disc.reused = true;
        RemoveTree(entryDir + "tmp");
        ::mkdir((entryDir + "tmp").c_str(), 0700);
        return disc;
    }
    // Whatever an earlier, interrupted open left: a folder being built, or one without its lists.
    for (const fs::directory_entry& old : fs::directory_iterator(cacheRoot)) {
        const std::string file = old.path().filename().string();
        if (file.rfind(".build-" + name + '-', 0) == 0)
            RemoveTree(old.path().string());
    }
    RemoveTree(entryDir);

    ExtractionPlan plan = PlanExtraction(ReadEntries(image), image.volumeBytes);
    const std::optional<std::string> menu = FindProgramDir(plan.tree);
    if (!menu)
        throw ImageError(image.given +
                         ": no menu on this disc (a folder holding tree.txt, html.txt and "
                         "button.txt beside a folder _html)");
    std::uint64_t written = 0;
    for (const PlannedEntry& planned : plan.entries)
        if (planned.action == Action::WriteNow || planned.action == Action::CopyNow)
            written += planned.entry.size;
    CheckFreeSpace(cacheRoot, written);

    const std::string build = cacheRoot + "/.build-" + name + '-' + RandomSuffix() + '/';
    try {
        if (::mkdir(build.c_str(), 0700) != 0 ||
            ::mkdir((build + "disc").c_str(), kFolderMode) != 0 ||
            ::mkdir((build + "tmp").c_str(), 0700) != 0)
            throw ImageError(Errno("cannot make " + build));
        const Fd root(::open((build + "disc").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (root.get() < 0)
            throw ImageError(Errno("cannot open " + build));
        WriteDisc(image, plan, root.get());
        WriteText(build + kMenuFile, Escaped(*menu));
        WriteText(build + kLazyList, LazyList(plan)); // its presence marks the folder complete
        if (::rename(build.c_str(), entryDir.c_str()) != 0)
            throw ImageError(Errno("cannot put " + entryDir + " in place"));
    } catch (...) {
        RemoveTree(build);
        throw;
    }
    CachedDisc disc = Load(entryDir);
    disc.skipped = plan.skipped;
    return disc;
}

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
    const std::string tmpDir = disc.entryDir + "tmp";
    ::mkdir(tmpDir.c_str(), 0700);
    const std::string tmpName = RandomSuffix();
    const Fd tmp(::open(tmpDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (tmp.get() < 0)
        throw ImageError(Errno("cannot open " + tmpDir));
    const Fd fd = CreateFile(tmp.get(), tmpName, tmpDir + '/' + tmpName);
    try {
        ImageReader reader(image);
        std::optional<ImageEntry> entry;
        while ((entry = reader.Next()) && entry->ordinal < file.dataOrdinal) {
        }
        if (!entry || entry->ordinal != file.dataOrdinal || entry->path != file.dataPath ||
            entry->size != file.size)
            throw ImageError(image.given + ": the image is not the one this cache was made from");
        reader.ReadData([&](const void* data, std::size_t size) {
            WriteAll(fd.get(), data, size, file.path);
            if (progress)
                *progress += size;
        });
        Finish(fd, file.executable, file.path);
        const Fd discRoot(::open(disc.discRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (discRoot.get() < 0)
            throw ImageError(Errno("cannot open " + disc.discRoot));
        std::string leaf;
        const Fd parent = OpenParent(discRoot.get(), file.path, leaf);
        if (::renameat(tmp.get(), tmpName.c_str(), parent.get(), leaf.c_str()) != 0)
            throw ImageError(Errno("cannot put " + file.path + " in place"));
    } catch (...) {
        ::unlinkat(tmp.get(), tmpName.c_str(), 0);
        throw;
    }
}

} // namespace disc_image
