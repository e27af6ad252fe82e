#pragma once

#include <string>
#include <string_view>

namespace content {

// Where a reference in a page points, joined to the page's address the way the page view's
// engine (Chromium) joins a relative reference to a file: URL. Which disc file that is, is then
// the page view's own rule: PercentDecode and FindPageFile (page_files.h), judged by
// InsideDiscRoot (disc_confinement.h).
struct JoinedReference {
    enum class Kind {
        File,        // a local file: path
        OtherHost,   // a file on another machine ("//server/share/a.htm"): never the disc's
        OtherScheme, // the web, mailto:, javascript:, about: and every other scheme
    };
    Kind kind = Kind::File;
    // File and OtherHost: the path from the root, '/'-separated, "." and ".." applied, still
    // percent-encoded as written; without the query and the fragment.
    std::string path;
    std::string host; // OtherHost: the machine's name, lowered
    bool query = false;
    bool fragment = false;
    std::string fragmentText; // the fragment as written, without its '#'
};

// The path part of a page's file: URL, from the page's native path: the bytes that a reference
// would otherwise read as an escape, a query, a fragment or a separator are percent-encoded.
std::string FileUrlPath(std::string_view nativePath);

// Joins a reference as written in a page (UTF-8, entities already decoded) to the URL path of
// the page (or of its base element): surrounding spaces and control characters are dropped and
// tabs and line breaks inside removed; backslashes are slashes; "file:" with two or more slashes
// and "//" begin an address with a machine ("localhost" or none is this one); "/" begins a path
// from the root; "." and ".." segments, also written "%2e", are applied and never climb above
// the root; the query and the fragment are cut off. A reference with any other valid scheme
// ("http:", "mailto:", "c:") is OtherScheme.
JoinedReference JoinReference(std::string_view baseUrlPath, std::string_view reference);

} // namespace content
