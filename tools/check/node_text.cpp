#include "tools/check/node_text.h"

#include "content/cp932.h"

namespace check {

std::string Quoted(std::string_view utf8) {
    return "\"" + std::string(utf8) + "\"";
}

std::string QuotedCp932(std::string_view bytes) {
    return Quoted(content::Cp932ToUtf8(bytes));
}

std::string NodeLabel(const content::ContentTree& tree, int index) {
    return "node " + std::to_string(index) + " (" + QuotedCp932(tree.TextOf(index)) + ")";
}

} // namespace check
