#pragma once

#include <string>
#include <string_view>

namespace content {

class FolderListings;

// Where the page view finds a local file that a page asks for. The disc's pages were made on
// Windows for a disc read through Windows or ISO 9660, where names ignore case: a page may ask
// for FILES/PIC.PNG while the disc holds files/pic.png. Japanese editors of the time also wrote
// names percent-encoded in Shift-JIS ("%95%5C.htm" for 表.htm), which the file system holds in
// UTF-8. The view and the disc checker both find a page's files through this one rule.

// Decodes every well-formed %XX escape to its byte; anything else stays as written.
std::string PercentDecode(std::string_view text);

// The file that a request for nativePath (absolute, its escapes decoded) loads: the path itself
// when it exists; otherwise, below the disc root, each name matched as written and then ignoring
// ASCII case; otherwise the same after reading the names as CP932. A path outside the disc root,
// or one that none of these finds, is returned as it came: it stays missing. The answer still
// has to pass the disc's confinement check. With listings, each folder is read once for every
// lookup that shares them.
std::string FindPageFile(const std::string& discRootResolved, const std::string& nativePath,
                         FolderListings* listings = nullptr);

} // namespace content
