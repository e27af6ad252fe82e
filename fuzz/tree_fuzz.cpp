// tree.txt as any bytes: the line rule, its line starts, and the tree built from the lines.

#include "content/content_error.h"
#include "content/content_tree.h"
#include "content/line_cursor.h"
#include "content/line_rule.h"
#include "content/line_starts.h"
#include "fuzz_check.h"
#include "fuzz_entry.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Every line is a run of the text between line ends, found again at its start offset.
void CheckLines(std::string_view bytes, const content::StringList& lines) {
    const std::size_t textEnd = content::TextEnd(bytes);
    FUZZ_CHECK(textEnd <= bytes.size());
    FUZZ_CHECK(bytes.substr(0, textEnd).find('\0') == std::string_view::npos);
    FUZZ_CHECK(content::CountLines(bytes.substr(0, textEnd)) == lines.size());
    const std::vector<std::size_t> starts = content::LineStarts(bytes);
    FUZZ_CHECK(starts.size() == lines.size() || starts.size() == lines.size() + 1);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string_view line = lines[k];
        for (char c : line)
            FUZZ_CHECK(!IsLineEnd(c) && c != '\0');
        FUZZ_CHECK(starts[k] + line.size() <= textEnd);
        FUZZ_CHECK(bytes.substr(starts[k], line.size()) == line);
        const std::size_t after = starts[k] + line.size();
        FUZZ_CHECK(after == textEnd || IsLineEnd(bytes[after]));
        FUZZ_CHECK(content::LineNumberAt(starts, starts[k]) == k + 1);
    }
    if (!lines.empty() && starts.size() == lines.size())
        FUZZ_CHECK(starts.back() + lines.back().size() == textEnd);
}

// The level of each line and the number of nodes the tree must hold: the lines before the first
// one that is two or more levels deeper than the line above it.
struct Expected {
    std::vector<int> levels;
    std::size_t count = 0;
};

Expected ExpectedTree(const content::StringList& lines) {
    Expected e;
    for (const std::string_view line : lines) {
        int blanks = 0;
        while (static_cast<std::size_t>(blanks) < line.size() &&
               (line[static_cast<std::size_t>(blanks)] == '\t' ||
                line[static_cast<std::size_t>(blanks)] == ' '))
            ++blanks;
        if (e.levels.empty())
            blanks = 0;
        else if (blanks > e.levels.back() + 1)
            break;
        e.levels.push_back(blanks);
    }
    e.count = e.levels.size();
    return e;
}

void CheckTree(const content::ContentTree& tree, const content::StringList& lines,
               const Expected& expected) {
    const int n = tree.Count();
    FUZZ_CHECK(static_cast<std::size_t>(n) == expected.count);
    std::vector<int> children(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 0; i < n; ++i) {
        const content::ContentTree::Node& node = tree[i];
        FUZZ_CHECK(node.level == expected.levels[static_cast<std::size_t>(i)]);
        const std::string_view line = lines[static_cast<std::size_t>(i)];
        const std::size_t indent = std::min(line.find_first_not_of("\t "), line.size());
        FUZZ_CHECK(tree.TextOf(i) == line.substr(indent));
        FUZZ_CHECK(node.parent < i);
        if (node.parent < 0) {
            FUZZ_CHECK(node.parent == -1 && node.level == 0);
        } else {
            FUZZ_CHECK(tree[node.parent].level + 1 == node.level);
            FUZZ_CHECK(tree[node.parent].end >= node.end);
        }
        if (i > 0)
            FUZZ_CHECK(node.level <= tree[i - 1].level + 1);
        // The subtree is the run of following nodes that lie deeper.
        int end = i + 1;
        while (end < n && tree[end].level > node.level)
            ++end;
        FUZZ_CHECK(node.end == end);
        FUZZ_CHECK(tree.HasChildren(i) == (end > i + 1));
        FUZZ_CHECK(tree.ChildAt(node.parent, tree.RowOf(i)) == i);
        FUZZ_CHECK(&tree.NodeAt(i) == &node);
        ++children[static_cast<std::size_t>(node.parent + 1)];
    }
    for (int p = -1; p < n; ++p) {
        const int count = tree.ChildCount(p);
        FUZZ_CHECK(count == children[static_cast<std::size_t>(p + 1)]);
        int previous = p;
        for (int row = 0; row < count; ++row) {
            const int child = tree.ChildAt(p, row);
            FUZZ_CHECK(child > previous && child < n && tree[child].parent == p);
            previous = child;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const content::StringList lines = content::SplitLines(bytes);
    CheckLines(bytes, lines);

    const Expected expected = ExpectedTree(lines);
    content::ContentTree tree;
    bool levelError = false;
    try {
        content::BuildTree(bytes, tree);
    } catch (const content::ContentError& error) {
        FUZZ_CHECK(error.kind() == content::ErrorKind::Level);
        levelError = true;
    }
    FUZZ_CHECK(levelError == (expected.count < lines.size()));
    CheckTree(tree, lines, expected);
    return 0;
}
