#include "content/page_reference.h"

#include <vector>

namespace content {
namespace {

bool IsAsciiAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeChar(char c) {
    return IsAsciiAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// What the engine keeps of an attribute's URL: no surrounding spaces or control characters,
// no tab or line break anywhere; backslashes are slashes up to the query or the fragment.
std::string Cleaned(std::string_view reference) {
    while (!reference.empty() && static_cast<unsigned char>(reference.front()) <= 0x20)
        reference.remove_prefix(1);
    while (!reference.empty() && static_cast<unsigned char>(reference.back()) <= 0x20)
        reference.remove_suffix(1);
    std::string out;
    out.reserve(reference.size());
    bool inPath = true;
    for (char c : reference) {
        if (c == '\t' || c == '\n' || c == '\r')
            continue;
        if (c == '?' || c == '#')
            inPath = false;
        out += inPath && c == '\\' ? '/' : c;
    }
    return out;
}

// The scheme of a reference: the text before its first colon, when that is a valid scheme.
std::string_view SchemeOf(std::string_view reference) {
    const std::size_t colon = reference.find(':');
    if (colon == std::string_view::npos || colon == 0 || !IsAsciiAlpha(reference[0]))
        return {};
    for (std::size_t i = 1; i < colon; ++i)
        if (!IsSchemeChar(reference[i]))
            return {};
    return reference.substr(0, colon);
}

std::size_t LeadingSlashes(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && text[n] == '/')
        ++n;
    return n;
}

// "." and ".." as the engine reads a segment, with the dot also written as %2e.
int DotCount(std::string_view segment) {
    int dots = 0;
    while (!segment.empty()) {
        if (segment[0] == '.') {
            segment.remove_prefix(1);
        } else if (segment.size() >= 3 && segment[0] == '%' && segment[1] == '2' &&
                   Lower(segment[2]) == 'e') {
            segment.remove_prefix(3);
        } else {
            return 0;
        }
        if (++dots > 2)
            return 0;
    }
    return dots;
}

// A path from the root with its "." and ".." segments applied; ".." at the root stays there.
std::string WithoutDotSegments(std::string_view path) {
    std::vector<std::string_view> kept;
    std::size_t start = 1; // past the root's slash
    while (true) {
        const std::size_t slash = path.find('/', start);
        const bool last = slash == std::string_view::npos;
        const std::string_view segment =
            path.substr(start, last ? std::string_view::npos : slash - start);
        const int dots = DotCount(segment);
        if (dots == 2 && !kept.empty())
            kept.pop_back();
        if (dots == 0)
            kept.push_back(segment);
        else if (last)
            kept.push_back({}); // "a/.." names the directory: the path ends in a slash
        if (last)
            break;
        start = slash + 1;
    }
    std::string out;
    for (const std::string_view segment : kept) {
        out += '/';
        out += segment;
    }
    return out.empty() ? "/" : out;
}

// Cuts the fragment and then the query off a reference, noting that they were there.
std::string_view WithoutQueryAndFragment(std::string_view reference, JoinedReference& joined) {
    const std::size_t hash = reference.find('#');
    if (hash != std::string_view::npos) {
        joined.fragment = true;
        joined.fragmentText = reference.substr(hash + 1);
        reference = reference.substr(0, hash);
    }
    const std::size_t question = reference.find('?');
    if (question != std::string_view::npos) {
        joined.query = true;
        reference = reference.substr(0, question);
    }
    return reference;
}

// "//host/path" or "///path": an address with its machine.
JoinedReference WithAuthority(std::string_view reference, std::size_t slashes) {
    JoinedReference joined;
    std::string_view rest = WithoutQueryAndFragment(reference, joined);
    if (slashes == 2) {
        rest.remove_prefix(2);
        const std::size_t end = rest.find('/');
        for (char c : rest.substr(0, end))
            joined.host += Lower(c);
        rest = end == std::string_view::npos ? std::string_view("/") : rest.substr(end);
        if (joined.host == "localhost")
            joined.host.clear();
    } else {
        rest.remove_prefix(2); // the path keeps the slashes past the first two
    }
    joined.kind =
        joined.host.empty() ? JoinedReference::Kind::File : JoinedReference::Kind::OtherHost;
    joined.path = WithoutDotSegments(rest);
    return joined;
}

JoinedReference Relative(std::string_view base, std::string_view reference) {
    JoinedReference joined;
    const std::string_view path = WithoutQueryAndFragment(reference, joined);
    std::string full;
    if (path.empty()) {
        full = base; // the page itself, with another query or fragment
    } else if (path[0] == '/') {
        full = path;
    } else {
        const std::size_t slash = base.rfind('/');
        full = std::string(base.substr(0, slash == std::string_view::npos ? 0 : slash + 1));
        full += path;
    }
    if (full.empty() || full[0] != '/')
        full.insert(full.begin(), '/');
    joined.path = WithoutDotSegments(full);
    return joined;
}

} // namespace

std::string FileUrlPath(std::string_view nativePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(nativePath.size());
    for (char c : nativePath) {
        if (c == '%' || c == '?' || c == '#' || c == '\\' || static_cast<unsigned char>(c) < 0x20) {
            out += '%';
            out += kHex[static_cast<unsigned char>(c) >> 4];
            out += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

JoinedReference JoinReference(std::string_view baseUrlPath, std::string_view reference) {
    const std::string cleaned = Cleaned(reference);
    std::string_view text = cleaned;
    const std::string_view scheme = SchemeOf(text);
    if (!scheme.empty()) {
        if (!EqualsIgnoringCase(scheme, "file")) {
            JoinedReference other;
            other.kind = JoinedReference::Kind::OtherScheme;
            return other;
        }
        text.remove_prefix(scheme.size() + 1);
        // "file:a.htm" is relative to the page and "file:/a.htm" a path from the root, as with
        // no scheme at all; with two slashes or more the address names its machine.
        if (LeadingSlashes(text) < 2)
            return Relative(baseUrlPath, text);
    }
    const std::size_t slashes = LeadingSlashes(text);
    if (slashes >= 2)
        return WithAuthority(text, slashes);
    return Relative(baseUrlPath, text);
}

} // namespace content
