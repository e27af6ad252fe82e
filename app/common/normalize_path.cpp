#include "app/common/normalize_path.h"

#include "content/cp932.h"

namespace common {
namespace {

// Index of the last separator before position end (exclusive), or npos.
std::size_t SeparatorBefore(const std::string& t, std::size_t end, char delim) {
    if (end == 0)
        return std::string::npos;
    const std::size_t found = t.rfind(delim, end - 1);
    return found;
}

} // namespace

std::string NormalizePath(std::string_view path, char delim) {
    std::string t(path);
    const std::string parent = std::string("..") + delim;
    for (;;) {
        const std::size_t p = t.find(parent);
        if (p == std::string::npos)
            return t;
        const std::size_t i = SeparatorBefore(t, p, delim);
        if (i == std::string::npos)
            return t;
        const std::size_t j = SeparatorBefore(t, i, delim);
        if (j == std::string::npos)
            return t;
        t = t.substr(0, j + 1) + t.substr(p + 3);
    }
}

std::string ProgramDirOf(std::string_view executablePath, char delim) {
    // Shift-JIS trail bytes only matter where the separator is the backslash: a slash is never
    // a trail byte, and the bytes of a UTF-8 path must not be read as Shift-JIS.
    const bool shiftJis = delim == '\\';
    std::size_t last = std::string_view::npos;
    bool keepLast = false;
    bool previousIsSeparator = false;
    bool previousIsColon = false;
    for (std::size_t i = 0; i < executablePath.size(); ++i) {
        const char c = executablePath[i];
        if (shiftJis && content::IsCp932LeadByte(static_cast<unsigned char>(c))) {
            ++i; // a double-byte character, whatever its second byte
            previousIsSeparator = previousIsColon = false;
            continue;
        }
        if (c == delim) {
            last = i;
            keepLast = previousIsSeparator || previousIsColon;
        }
        previousIsSeparator = c == delim;
        previousIsColon = c == ':';
    }
    if (last == std::string_view::npos)
        return std::string(1, delim);
    return std::string(executablePath.substr(0, keepLast ? last + 1 : last)) + delim;
}

} // namespace common
