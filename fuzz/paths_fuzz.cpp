// The start-up path work on any bytes, with either separator (the first byte chooses): the cut to
// the program directory, the parent-segment normaliser and the content directory beside it.

#include "app/common/disc_location.h"
#include "app/common/normalize_path.h"
#include "fuzz_check.h"
#include "fuzz_entry.h"

#include <string>
#include <string_view>

namespace {

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

void CheckNormalize(std::string_view path, char delim) {
    const std::string parent = std::string("..") + delim;
    const std::string result = common::NormalizePath(path, delim);
    FUZZ_CHECK(result.size() <= path.size());
    FUZZ_CHECK(common::NormalizePath(result, delim) == result);
    const std::size_t last = path.rfind(parent);
    if (last == std::string_view::npos) {
        FUZZ_CHECK(result == path);
        return;
    }
    // Only what comes before a parent segment is ever removed.
    FUZZ_CHECK(EndsWith(result, path.substr(last + parent.size())));
    // A parent segment is left only where it has no two separators before it to resolve.
    const std::size_t left = result.find(parent);
    if (left != std::string::npos) {
        std::size_t separators = 0;
        for (std::size_t i = 0; i < left; ++i)
            separators += result[i] == delim ? 1 : 0;
        FUZZ_CHECK(separators < 2);
    }
}

void CheckProgramDir(std::string_view exe, char delim) {
    const std::string dir = common::ProgramDirOf(exe, delim);
    FUZZ_CHECK(!dir.empty() && dir.back() == delim);
    FUZZ_CHECK(dir.size() <= exe.size() + 1);
    // The directory is the start of the path, with one separator put back after the cut.
    FUZZ_CHECK(exe.substr(0, dir.size() - 1) == std::string_view(dir).substr(0, dir.size() - 1));
    if (exe.find(delim) == std::string_view::npos)
        FUZZ_CHECK(dir.size() == 1);

    // What start-up does next: both directories still end in the separator.
    const std::string programDir = common::NormalizePath(dir, delim);
    FUZZ_CHECK(!programDir.empty() && programDir.back() == delim);
    const std::string htmlDir = common::HtmlDirOf(programDir, delim);
    FUZZ_CHECK(EndsWith(htmlDir, std::string("_html") + delim));
    FUZZ_CHECK(htmlDir.size() <= programDir.size() + 9);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char delim = (data[0] & 1) != 0 ? '\\' : '/';
    const std::string_view path(reinterpret_cast<const char*>(data) + 1, size - 1);
    CheckNormalize(path, delim);
    CheckProgramDir(path, delim);
    return 0;
}
