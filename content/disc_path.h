#pragma once

#include <string>
#include <string_view>

namespace content {

class FolderListings;

// The platform's path separator, the one ProgramDir and HtmlDir end in.
#ifdef _WIN32
constexpr char kPathDelim = '\\';
#else
constexpr char kPathDelim = '/';
#endif

// Joins a directory (native, ending in the separator) and a path written in a content file
// (CP932, backslash-separated, matched case-insensitively on the disc). Each component is looked
// up in its directory, first exactly, then ignoring ASCII case; from the first component that
// cannot be found on, the rest is joined as written, so a missing file stays missing. With
// listings, each folder is read once for every lookup that shares them.
std::string ResolveDiscPath(const std::string& nativeDir, std::string_view relativeCp932,
                            FolderListings* listings = nullptr);

// The same lookup for a relative path already in the file system's own bytes, separated by the
// platform separator: each component found exactly, then ignoring ASCII case, the rest joined as
// written from the first one that cannot be found.
std::string MatchDiscPath(const std::string& nativeDir, std::string_view relativeNative,
                          FolderListings* listings = nullptr);

} // namespace content
