#include "tools/open/cache_lists.h"

#include "content/content_error.h"
#include "content/file_read.h"
#include "content/page_files.h"
#include "tools/open/confined_writes.h"
#include "tools/open/image_error.h"

#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>

namespace disc_image {
namespace {

constexpr const char* kLazyList = "lazy";
constexpr const char* kMenuList = "menu";

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

// A field as Escaped wrote it; anything Escaped could not have written is damage.
std::string Unescaped(const std::string& field, const std::string& line) {
    std::string text = content::PercentDecode(field);
    if (Escaped(text) != field)
        throw ImageError("damaged cache list: " + line);
    return text;
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

std::vector<LazyFile> ParseLazyList(const std::string& text) {
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
        file.dataPath = Unescaped(dataPath, line);
        file.path = Unescaped(path, line);
        files.push_back(std::move(file));
    }
    return files;
}

void WriteList(const std::string& path, const std::string& text) {
    const Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444));
    if (fd.get() < 0)
        throw SystemError("cannot write " + path);
    WriteAll(fd.get(), text.data(), text.size(), path);
}

std::string ReadList(const std::string& path) {
    try {
        return content::ReadWholeFile(path);
    } catch (const content::ContentError&) {
        throw ImageError("cannot read " + path);
    }
}

} // namespace

void WriteCacheLists(const std::string& folder, const std::string& menu,
                     const ExtractionPlan& plan) {
    WriteList(folder + kMenuList, Escaped(menu));
    WriteList(folder + kLazyList, LazyList(plan));
}

bool HasCacheLists(const std::string& entryDir) {
    struct stat st {};
    return ::stat((entryDir + kLazyList).c_str(), &st) == 0;
}

CachedDisc ReadCachedDisc(const std::string& entryDir) {
    CachedDisc disc;
    disc.entryDir = entryDir;
    disc.discRoot = entryDir + kDiscFolder + '/';
    const std::string menuText = ReadList(entryDir + kMenuList);
    const std::string menu = Unescaped(menuText, menuText);
    disc.programDir = disc.discRoot + (menu.empty() ? "" : menu + '/');
    disc.lazyFiles = ParseLazyList(ReadList(entryDir + kLazyList));
    return disc;
}

} // namespace disc_image
