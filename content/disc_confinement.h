#pragma once

#include <string>

namespace content {

class FolderListings;

// Which local files the disc's pages may reach. A reader lets the disc show pages, not read the
// reader's own files, so a page's local file is allowed only when it lies inside the disc root:
// the directory that holds the program directory and the content directory. Both sides are judged
// after `..` and symbolic links are resolved, so neither a climbing path nor a link on the disc
// that points elsewhere leads out.

// The disc root of a content directory (its parent), resolved; empty when it cannot be resolved,
// which allows no file at all.
std::string DiscRootOf(const std::string& nativeHtmlDir);

// Whether a local file lies inside the resolved disc root, the root itself included. The file is
// resolved as the system would open it; where its path does not exist, its existing beginning is
// resolved and the rest taken as written. An empty or relative root or path allows nothing.
bool InsideDiscRoot(const std::string& discRootResolved, const std::string& nativePath);

// The same answer, each file's folder resolved once for all the files judged with the same
// listings (the disc checker and the disc search judge every file a page names).
bool InsideDiscRoot(const std::string& discRootResolved, const std::string& nativePath,
                    FolderListings& listings);

} // namespace content
