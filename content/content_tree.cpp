#include "content/content_tree.h"

#include "content/content_error.h"
#include "content/file_read.h"
#include "content/huge_pages.h"
#include "content/line_cursor.h"
#include "content/line_rule.h"

namespace content {

const ContentTree::Node& ContentTree::NodeAt(long long n) const {
    if (n < 0 || n >= static_cast<long long>(m_nodes.size()))
        throw IndexError();
    return m_nodes[static_cast<std::size_t>(n)];
}

NodeKind ContentTree::KindOf(int i) const {
    if (!HasChildren(i))
        return NodeKind::Entry;
    return (*this)[i].level == 0 ? NodeKind::GroupHeading : NodeKind::SubGroup;
}

int ContentTree::ChildCount(int parent) const {
    const auto slot = static_cast<std::size_t>(parent + 1);
    return m_childStart[slot + 1] - m_childStart[slot];
}

int ContentTree::ChildAt(int parent, int row) const {
    return m_children[static_cast<std::size_t>(m_childStart[static_cast<std::size_t>(parent + 1)] +
                                               row)];
}

void ContentTree::Clear() {
    m_nodes.clear();
    Finish();
}

void ContentTree::Reserve(std::size_t nodes) {
    m_nodes.reserve(nodes);
    AdviseHugePages(m_nodes.data(), m_nodes.capacity() * sizeof(Node));
}

void ContentTree::Append(std::string text, int parent) {
    const int level = parent < 0 ? 0 : (*this)[parent].level + 1;
    const int index = Count();
    m_nodes.push_back({std::move(text), level, parent, index + 1});
}

void ContentTree::Finish() {
    const std::size_t n = m_nodes.size();
    // Subtree ends, children before parents: every child lies after its parent in pre-order.
    for (std::size_t i = n; i-- > 0;) {
        const int parent = m_nodes[i].parent;
        if (parent >= 0 && m_nodes[static_cast<std::size_t>(parent)].end < m_nodes[i].end)
            m_nodes[static_cast<std::size_t>(parent)].end = m_nodes[i].end;
    }
    m_childStart.assign(n + 2, 0);
    for (const Node& node : m_nodes)
        ++m_childStart[static_cast<std::size_t>(node.parent + 1) + 1];
    for (std::size_t slot = 1; slot < m_childStart.size(); ++slot)
        m_childStart[slot] += m_childStart[slot - 1];
    m_children.assign(n, 0);
    m_rows.assign(n, 0);
    std::vector<int> fill(m_childStart.begin(), m_childStart.end() - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const auto slot = static_cast<std::size_t>(m_nodes[i].parent + 1);
        m_rows[i] = fill[slot] - m_childStart[slot];
        m_children[static_cast<std::size_t>(fill[slot]++)] = static_cast<int>(i);
    }
}

void BuildTree(const std::string& bytes, ContentTree& tree) {
    tree.Clear();
    // Whatever happens below, the nodes built so far form a complete tree.
    struct FinishOnExit {
        ContentTree& tree;
        ~FinishOnExit() { tree.Finish(); }
    } finish{tree};

    // Each node's text is made straight from the file's bytes: no list of lines in between.
    const std::string_view text = std::string_view(bytes).substr(0, TextEnd(bytes));
    tree.Reserve(CountLines(text));
    std::vector<int> chain; // chain[k]: the last node at level k on the current branch
    LineCursor cursor(text);
    for (std::string_view line; cursor.Next(line);) {
        std::size_t blanks = 0;
        while (blanks < line.size() && (line[blanks] == '\t' || line[blanks] == ' '))
            ++blanks;
        const auto level = static_cast<long long>(blanks);
        const std::string_view nodeText = line.substr(blanks);
        long long attachLevel = level;
        if (chain.empty()) {
            attachLevel = 0; // the first line is top-level, however it is indented
        } else if (level >= static_cast<long long>(chain.size()) + 1) {
            throw LevelError(level, nodeText); // two or more levels deeper than the line before
        }
        chain.resize(static_cast<std::size_t>(attachLevel));
        const int parent = attachLevel == 0 ? -1 : chain.back();
        tree.Append(std::string(nodeText), parent);
        chain.push_back(tree.Count() - 1);
    }
}

void LoadTreeFile(const std::string& nativePath, ContentTree& tree) {
    const std::string bytes = ReadWholeFile(nativePath);
    BuildTree(bytes, tree);
}

} // namespace content
