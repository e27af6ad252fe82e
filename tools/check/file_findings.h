#pragma once

#include "tools/check/finding.h"

#include <string>
#include <string_view>
#include <vector>

namespace check {

// How much a byte fault in the file matters depends on what the file is for.
enum class FileRole { Tree, List, Init, ButtonFile };

struct ByteScan {
    Findings findings;
    std::vector<int> addedEmptyLines; // 1-based lines that exist only through LF CR line ends
};

// The faults of a content file that lie in its bytes rather than in what its lines say: a UTF-8
// byte-order mark, a NUL byte that cuts the text, LF CR line ends and bytes that are not
// Shift-JIS. File is the name the findings carry.
ByteScan ScanFileBytes(const std::string& file, std::string_view bytes, FileRole role);

} // namespace check
