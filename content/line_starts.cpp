#include "content/line_starts.h"

#include "content/line_rule.h"

#include <algorithm>

namespace content {

std::vector<std::size_t> LineStarts(std::string_view bytes) {
    bytes = bytes.substr(0, TextEnd(bytes));
    std::vector<std::size_t> starts{0};
    std::size_t p = 0;
    while (p < bytes.size()) {
        while (p < bytes.size() && bytes[p] != '\n' && bytes[p] != '\r')
            ++p;
        if (p == bytes.size())
            break; // the last line has no line end
        // The same steps as SplitLines: a CR, then an LF at hand.
        if (bytes[p] == '\r')
            ++p;
        if (p < bytes.size() && bytes[p] == '\n')
            ++p;
        starts.push_back(p);
    }
    return starts;
}

std::size_t LineNumberAt(const std::vector<std::size_t>& starts, std::size_t offset) {
    return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), offset) -
                                    starts.begin());
}

} // namespace content
