#include "content/page_files.h"

#include "content/cp932.h"
#include "content/disc_path.h"

#include <sys/stat.h>

namespace content {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// The part of path below root ("" for the root itself); false when path does not
// lie below root by name. Both are absolute; repeated separators count as one.
bool BelowRoot(std::string_view root, std::string_view path, std::string_view& rest) {
    while (root.size() > 1 && root.back() == kPathDelim)
        root.remove_suffix(1);
    if (root.size() == 1 && root[0] == kPathDelim)
        root = {};
    if (path.substr(0, root.size()) != root)
        return false;
    path.remove_prefix(root.size());
    if (!path.empty() && path[0] != kPathDelim)
        return false; // "/disc-other" does not lie below "/disc"
    while (!path.empty() && path[0] == kPathDelim)
        path.remove_prefix(1);
    rest = path;
    return true;
}

bool HasNonAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

std::string PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string FindPageFile(const std::string& discRootResolved, const std::string& nativePath,
                         FolderListings* listings) {
    if (discRootResolved.empty() || nativePath.empty() || nativePath[0] != kPathDelim ||
        nativePath.find('\0') != std::string::npos || Exists(nativePath))
        return nativePath;
    std::string_view rest;
    if (!BelowRoot(discRootResolved, nativePath, rest))
        return nativePath;
    const std::string root = nativePath.substr(0, nativePath.size() - rest.size());
    std::string found = MatchDiscPath(root, rest, listings);
    if (Exists(found))
        return found;
    // Names percent-encoded in Shift-JIS arrive as CP932 bytes; the disc holds them in UTF-8.
    if (HasNonAscii(rest) && InvalidCp932Offsets(rest).empty()) {
        found = MatchDiscPath(root, Cp932ToUtf8(rest), listings);
        if (Exists(found))
            return found;
    }
    return nativePath;
}

} // namespace content
