// Matching a page the view reports to a line of html.txt. The input is a flag byte, then the
// bytes of html.txt up to the first NUL, then the reported path (UTF-8); the flags choose the
// content directory and whether the path is placed under it or made from one of the lines.

#include "content/cp932.h"
#include "content/line_rule.h"
#include "content/page_keys.h"
#include "fuzz_check.h"
#include "fuzz_entry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kHtmlDirs[] = {"/cdrom/_html/", "/media/ディスク/QUILLORE/_html/"};

// The page view reports the file the resolver opened: the directory, then the line as UTF-8
// with native separators.
std::string ReportedPathOf(const std::string& htmlDir, std::string_view line) {
    std::string path = content::Cp932ToUtf8(line);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return htmlDir + path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned flags = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t nul = rest.find('\0');
    const content::StringList lines = content::SplitLines(rest.substr(0, nul));
    const std::string_view tail =
        nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);

    const std::string htmlDir = kHtmlDirs[flags & 1];
    const content::PageKeyTable table(htmlDir, lines);
    const std::optional<std::string> dirKey = content::LocalPathKey(htmlDir);
    FUZZ_CHECK(dirKey.has_value());

    std::string path;
    std::optional<std::size_t> fromLine;
    if ((flags & 4) != 0 && !lines.empty() && !tail.empty()) {
        fromLine = static_cast<unsigned char>(tail[0]) % lines.size();
        path = ReportedPathOf(htmlDir, lines[*fromLine]);
    } else {
        path = (flags & 2) != 0 ? htmlDir + std::string(tail) : std::string(tail);
    }

    const std::optional<std::string> key = content::LocalPathKey(path);
    if (!key)
        return 0;
    const std::optional<long long> found = table.Find(*key);

    // The same lookup by brute force: the first line whose key is the reported one.
    std::optional<long long> first;
    for (std::size_t k = 0; k < lines.size() && !first; ++k)
        if (*dirKey + content::LowerAscii(lines[k]) == *key)
            first = static_cast<long long>(k);
    FUZZ_CHECK(found == first);

    // A line that names its page in CP932's own spelling of each character, with backslashes,
    // is found again from the path the view reports for it.
    if (fromLine) {
        const std::string_view line = lines[*fromLine];
        const bool canonical = content::InvalidCp932Offsets(line).empty() &&
                               content::Utf8ToCp932(content::Cp932ToUtf8(line)) == line;
        if (canonical && line.find('/') == std::string::npos)
            FUZZ_CHECK(found.has_value() && *found <= static_cast<long long>(*fromLine));
    }
    return 0;
}
