// A path written in a content file, as any bytes, resolved against a small fixed disc.

#include "content/cp932.h"
#include "content/disc_path.h"
#include "content/page_keys.h"
#include "fuzz_check.h"
#include "fuzz_entry.h"
#include "temp_dir.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

// A content directory with the cases the resolver has to tell apart: names that differ from
// the written path in case only (two of them for one written name), a Japanese name, a
// directory and a file of the same name but for case, and a symbolic link.
class Disc final {
public:
    Disc() {
        for (const char* dir : {"soft", "Soft/Tools", "docs", "rensai/sample", "img"})
            std::filesystem::create_directories(m_root.path() + "/" + dir);
        for (const char* file :
             {"soft/Util.htm", "soft/util.HTM", "Soft/Tools/setup.exe", "docs/読んでね 1.txt",
              "docs/ソフト一覧.txt", "rensai/CGkouza.htm", "IMG", "open.htm"})
            std::ofstream(m_root.path() + "/" + file) << "x";
        std::filesystem::create_directory_symlink("rensai", m_root.path() + "/link");
        m_dir = m_root.path() + "/";
    }
    const std::string& dir() const { return m_dir; }

private:
    fuzzing::TempDir m_root;
    std::string m_dir;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Disc disc;
    const std::string_view written(reinterpret_cast<const char*>(data), size);

    std::string resolved;
    try {
        resolved = content::ResolveDiscPath(disc.dir(), written);
    } catch (...) {
        FUZZ_CHECK(!"ResolveDiscPath threw");
    }
    FUZZ_CHECK(resolved.compare(0, disc.dir().size(), disc.dir()) == 0);

    // Every component is kept as written or replaced by a name that differs in ASCII case only,
    // so the result is the written path, converted, with native separators, but for case.
    std::string expected = content::Cp932ToUtf8(written);
    for (char& c : expected)
        if (c == '\\' || c == '/')
            c = content::kPathDelim;
    expected.insert(0, disc.dir());
    FUZZ_CHECK(content::LowerAscii(resolved) == content::LowerAscii(expected));
    // A path that exists as written is found as written.
    struct stat st {};
    if (expected.find('\0') == std::string::npos && ::lstat(expected.c_str(), &st) == 0)
        FUZZ_CHECK(resolved == expected);
    return 0;
}
