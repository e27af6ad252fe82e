#pragma once

#include "content/string_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace content {

// The three kinds a node is drawn as, decided by its level and whether it has children.
enum class NodeKind { GroupHeading, SubGroup, Entry };

// The contents tree built from tree.txt. Nodes are kept in pre-order, so a node's absolute index
// is its position in the vector and both directions of the index lookup cost O(1); tree.txt
// never changes after loading. The nodes' texts live together in one list of lines rather than
// one string each: a million nodes are built without a million allocations.
class ContentTree final {
public:
    struct Node {
        int level = 0;   // number of ancestors
        int parent = -1; // absolute index of the parent, -1 for a top-level node
        int end = 0;     // one past the absolute index of the last descendant
    };

    int Count() const { return static_cast<int>(m_nodes.size()); }
    bool Empty() const { return m_nodes.empty(); }

    // The node at absolute index n; the index error when there is none.
    const Node& NodeAt(long long n) const;
    // Unchecked access for callers that walk valid indexes.
    const Node& operator[](int i) const { return m_nodes[static_cast<std::size_t>(i)]; }

    // The line's bytes after the indentation, of a valid index; valid while the tree is unchanged.
    std::string_view TextOf(int i) const { return m_texts[static_cast<std::size_t>(i)]; }

    bool HasChildren(int i) const { return (*this)[i].end > i + 1; }
    NodeKind KindOf(int i) const;

    // Children in order, for item models: parent -1 stands for the top level.
    int ChildCount(int parent) const;
    int ChildAt(int parent, int row) const;
    // Position of the node among its siblings.
    int RowOf(int i) const { return m_rows[static_cast<std::size_t>(i)]; }

    void Clear();
    // Appends a node after all others; its parent must be -1 or an earlier node whose level is
    // one less. Call Finish() when the last node is in.
    void Append(std::string_view text, int parent);
    void Finish();

private:
    // Builds the tree from a text already cut at its end, which the tree keeps.
    void BuildFromText(TextBytes&& text);
    friend void BuildTree(std::string_view bytes, ContentTree& tree);
    friend void BuildTree(TextBytes&& bytes, ContentTree& tree);

    std::vector<Node> m_nodes;
    StringList m_texts;                     // line i is the text of node i
    std::vector<int> m_childStart = {0, 0}; // per parent slot (parent + 1), into m_children
    std::vector<int> m_children;
    std::vector<int> m_rows;
};

// Empties the tree and builds it from tree.txt. The open error leaves the tree as it was; the
// level error leaves the nodes built from the lines before the failing one.
void LoadTreeFile(const std::string& nativePath, ContentTree& tree);

// Builds the tree from bytes already read (the part of LoadTreeFile after the file is open).
void BuildTree(std::string_view bytes, ContentTree& tree);
// The same for bytes the caller gives away: the tree keeps them as its nodes' text.
void BuildTree(TextBytes&& bytes, ContentTree& tree);

} // namespace content
