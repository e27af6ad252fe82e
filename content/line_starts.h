#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace content {

// Where the lines of SplitLines(bytes) begin, as byte offsets: 0, then the offset after every
// line end, up to TextEnd. A text that is empty or ends in a line end has one start more than it
// has lines: the place where a following line would begin. The disc checker uses it to name the
// line of a byte it finds wrong.
std::vector<std::size_t> LineStarts(std::string_view bytes);

// The 1-based number of the line holding the byte at offset, given the starts above: a byte of a
// line end belongs to the line it ends, a byte right after one begins the next line.
std::size_t LineNumberAt(const std::vector<std::size_t>& starts, std::size_t offset);

} // namespace content
