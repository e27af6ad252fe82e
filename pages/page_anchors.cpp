#include "pages/page_anchors.h"

#include "content/page_files.h"
#include "content/text_decoder.h"

#include <algorithm>

namespace pages {
namespace {

std::string LoweredAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 0x20);
    return out;
}

bool Names(const PageAnchors& anchors, const std::string& candidate) {
    if (candidate.empty())
        return false;
    if (std::binary_search(anchors.ids.begin(), anchors.ids.end(), candidate))
        return true;
    const std::string name = anchors.quirks ? LoweredAscii(candidate) : candidate;
    return std::binary_search(anchors.names.begin(), anchors.names.end(), name);
}

// The fragment's escapes decoded and read as UTF-8, or byte by byte as Latin-1 when they are no
// UTF-8, as the engine decodes a fragment.
std::string Decoded(std::string_view fragment) {
    const std::string bytes = content::PercentDecode(fragment);
    std::vector<std::size_t> replaced;
    std::string text = content::TextDecoder("UTF-8").decode(bytes, &replaced);
    return replaced.empty() ? text : content::DecodeText(bytes, "ISO-8859-1");
}

} // namespace

bool FragmentFound(const PageAnchors& anchors, std::string_view fragment) {
    if (fragment.empty() || Names(anchors, std::string(fragment)))
        return true;
    const std::string decoded =
        fragment.find('%') == std::string_view::npos ? std::string(fragment) : Decoded(fragment);
    return Names(anchors, decoded) || LoweredAscii(decoded) == "top";
}

} // namespace pages
