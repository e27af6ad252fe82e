#include "content/line_rule.h"

#include <cstring>

namespace content {

std::size_t TextEnd(std::string_view bytes) {
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data())
               : bytes.size();
}

std::vector<std::string> SplitLines(std::string_view bytes) {
    bytes = bytes.substr(0, TextEnd(bytes));
    std::vector<std::string> lines;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\n' && *q != '\r')
            ++q;
        lines.emplace_back(p, q);
        // Step over a CR, then over an LF at hand: CR LF, CR and LF each end one line.
        if (q < end && *q == '\r')
            ++q;
        if (q < end && *q == '\n')
            ++q;
        p = q;
    }
    return lines;
}

} // namespace content
