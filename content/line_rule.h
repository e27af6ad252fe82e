#pragma once

#include "content/string_list.h"

#include <string>
#include <string_view>

namespace content {

// The one line rule of every content file. CR LF, a lone CR and a lone LF each end a line; LF
// CR is two line ends with an empty line between them. A NUL byte ends the text. A last line
// without a line end counts; a line end at the very end adds no empty line. Nothing is trimmed.
StringList SplitLines(std::string_view bytes);

// The same for bytes the caller gives away (a file just read): the list keeps them as its text
// instead of copying them.
StringList SplitLines(TextBytes&& bytes);

// Where the text ends for the line rule: the offset of the first NUL byte, or the size.
std::size_t TextEnd(std::string_view bytes);

// The text of the bytes (up to TextEnd), copied into a buffer a list or the tree keeps.
TextBytes CopyText(std::string_view bytes);
// Cuts bytes read from a file at TextEnd.
void CutAtTextEnd(TextBytes& bytes);

} // namespace content
