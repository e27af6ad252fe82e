#include "pages/meta_refresh.h"

namespace pages {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<RefreshUrl> RefreshTarget(std::string_view content) {
    std::size_t at = 0;
    const auto skipSpace = [&] {
        while (at < content.size() && IsSpace(content[at]))
            ++at;
    };
    const auto is = [&](char lower) {
        return at < content.size() && (content[at] == lower || content[at] == lower - 0x20);
    };
    skipSpace();
    const std::size_t delay = at;
    while (at < content.size() && IsDigit(content[at]))
        ++at;
    if (at == delay && (at >= content.size() || content[at] != '.'))
        return std::nullopt;
    while (at < content.size() && (IsDigit(content[at]) || content[at] == '.'))
        ++at;
    if (at < content.size() && content[at] != ';' && content[at] != ',' && !IsSpace(content[at]))
        return std::nullopt;
    skipSpace();
    if (at < content.size() && (content[at] == ';' || content[at] == ','))
        ++at;
    skipSpace();
    if (at >= content.size())
        return std::nullopt;
    // "url=" is optional: without it the address begins here.
    const std::size_t address = at;
    if (is('u')) {
        ++at;
        if (is('r')) {
            ++at;
            if (is('l')) {
                ++at;
                skipSpace();
                if (at < content.size() && content[at] == '=') {
                    ++at;
                    skipSpace();
                } else {
                    at = address;
                }
            } else {
                at = address;
            }
        } else {
            at = address;
        }
    }
    char quote = 0;
    if (at < content.size() && (content[at] == '"' || content[at] == '\''))
        quote = content[at++];
    std::string_view url = content.substr(at);
    if (quote) {
        const std::size_t close = url.find(quote);
        if (close != std::string_view::npos)
            url = url.substr(0, close);
    }
    if (url.empty())
        return std::nullopt;
    return RefreshUrl{at, std::string(url)};
}

} // namespace pages
