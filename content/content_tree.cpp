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
    m_texts.clear();
    Finish();
}

void ContentTree::Append(std::string_view text, int parent) {
    const int level = parent < 0 ? 0 : (*this)[parent].level + 1;
    const int index = Count();
    m_nodes.push_back({level, parent, index + 1});
    m_texts.push_back(text);
}

void ContentTree::Finish() {
    const std::size_t n = m_nodes.size();
    // Subtree ends, children before parents: every child lies after its parent in pre-order.
    for (std::size_t i = n; i-- > 0;) {
        const int parent = m_nodes[i].parent;
        if (parent >= 0 && m_nodes[static_cast<std::size_t>(parent)].end < m_nodes[i].end)
            m_nodes[static_cast<std::size_t>(parent)].end = m_nodes[i].end;
    }
    // One pass counts each parent's children and gives each node its row among its siblings
    // (the count so far); after the running sum, the row places the node in m_children.
    m_childStart.assign(n + 2, 0);
    m_rows.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        m_rows[i] = m_childStart[static_cast<std::size_t>(m_nodes[i].parent + 1) + 1]++;
    for (std::size_t slot = 1; slot < m_childStart.size(); ++slot)
        m_childStart[slot] += m_childStart[slot - 1];
    m_children.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto slot = static_cast<std::size_t>(m_nodes[i].parent + 1);
        m_children[static_cast<std::size_t>(m_childStart[slot] + m_rows[i])] = static_cast<int>(i);
    }
}

void ContentTree::BuildFromText(TextBytes&& text) {
    Clear();
    // Whatever happens below, the nodes built so far form a complete tree.
    struct FinishOnExit {
        ContentTree& tree;
        ~FinishOnExit() { tree.Finish(); }
    } finish{*this};

    // The file's bytes become the nodes' text; each node's text is a range of them, without its
    // indentation. No list of lines in between, no string per node.
    m_texts = StringList(std::move(text));
    const std::string_view kept = m_texts.Text();
    const std::size_t lines = CountLines(kept);
    m_nodes.reserve(lines);
    AdviseHugePages(m_nodes.data(), m_nodes.capacity() * sizeof(Node));
    m_texts.reserve(lines);
    std::vector<int> chain; // chain[k]: the last node at level k on the current branch
    LineCursor cursor(kept);
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
        const int index = Count();
        m_nodes.push_back({static_cast<int>(attachLevel), parent, index + 1});
        const auto begin = static_cast<std::size_t>(nodeText.data() - kept.data());
        m_texts.AddRange(begin, begin + nodeText.size());
        chain.push_back(index);
    }
}

void BuildTree(std::string_view bytes, ContentTree& tree) {
    tree.BuildFromText(CopyText(bytes));
}

void BuildTree(TextBytes&& bytes, ContentTree& tree) {
    CutAtTextEnd(bytes);
    tree.BuildFromText(std::move(bytes));
}

void LoadTreeFile(const std::string& nativePath, ContentTree& tree) {
    BuildTree(ReadFileBytes(nativePath), tree);
}

} // namespace content
