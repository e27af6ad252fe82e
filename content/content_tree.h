#pragma once

#include <string>
#include <vector>

namespace content {

// The three kinds a node is drawn as, decided by its level and whether it has children.
enum class NodeKind { GroupHeading, SubGroup, Entry };

// The contents tree built from tree.txt. Nodes are kept in pre-order, so a node's absolute index
// is its position in the vector and both directions of the index lookup cost O(1); tree.txt
// never changes after loading.
class ContentTree final {
public:
    struct Node {
        std::string text; // the line's bytes after the indentation
        int level = 0;    // number of ancestors
        int parent = -1;  // absolute index of the parent, -1 for a top-level node
        int end = 0;      // one past the absolute index of the last descendant
    };

    int Count() const { return static_cast<int>(m_nodes.size()); }
    bool Empty() const { return m_nodes.empty(); }

    // The node at absolute index n; the index error when there is none.
    const Node& NodeAt(long long n) const;
    // Unchecked access for callers that walk valid indexes.
    const Node& operator[](int i) const { return m_nodes[static_cast<std::size_t>(i)]; }

    bool HasChildren(int i) const { return (*this)[i].end > i + 1; }
    NodeKind KindOf(int i) const;

    // Children in order, for item models: parent -1 stands for the top level.
    int ChildCount(int parent) const;
    int ChildAt(int parent, int row) const;
    // Position of the node among its siblings.
    int RowOf(int i) const { return m_rows[static_cast<std::size_t>(i)]; }

    void Clear();
    // Room for this many nodes, so that a large tree.txt is built without moving its nodes.
    void Reserve(std::size_t nodes);
    // Appends a node after all others; its parent must be -1 or an earlier node whose level is
    // one less. Call Finish() when the last node is in.
    void Append(std::string text, int parent);
    void Finish();

private:
    std::vector<Node> m_nodes;
    std::vector<int> m_childStart = {0, 0}; // per parent slot (parent + 1), into m_children
    std::vector<int> m_children;
    std::vector<int> m_rows;
};

// Empties the tree and builds it from tree.txt. The open error leaves the tree as it was; the
// level error leaves the nodes built from the lines before the failing one.
void LoadTreeFile(const std::string& nativePath, ContentTree& tree);

// Builds the tree from bytes already read (the part of LoadTreeFile after the file is open).
void BuildTree(const std::string& bytes, ContentTree& tree);

} // namespace content
