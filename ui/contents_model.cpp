#include "ui/contents_model.h"

#include "ui/display_text.h"

TContentsModel::TContentsModel(const content::ContentTree& tree, QObject* parent)
    : QAbstractItemModel(parent), m_tree(tree) {}

QModelIndex TContentsModel::IndexOfNode(int i) const {
    if (i < 0 || i >= m_tree.Count())
        return {};
    return createIndex(m_tree.RowOf(i), 0, static_cast<quintptr>(i));
}

int TContentsModel::NodeOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex TContentsModel::index(int row, int column, const QModelIndex& parent) const {
    const int p = NodeOf(parent);
    if (column != 0 || row < 0 || row >= m_tree.ChildCount(p))
        return {};
    return createIndex(row, 0, static_cast<quintptr>(m_tree.ChildAt(p, row)));
}

QModelIndex TContentsModel::parent(const QModelIndex& child) const {
    const int i = NodeOf(child);
    if (i < 0)
        return {};
    return IndexOfNode(m_tree[i].parent);
}

int TContentsModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return m_tree.ChildCount(NodeOf(parent));
}

int TContentsModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool TContentsModel::hasChildren(const QModelIndex& parent) const {
    const int i = NodeOf(parent);
    return i < 0 ? !m_tree.Empty() : m_tree.HasChildren(i);
}

QVariant TContentsModel::data(const QModelIndex& index, int role) const {
    const int i = NodeOf(index);
    if (i < 0 || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return DisplayText(m_tree.TextOf(i));
}

Qt::ItemFlags TContentsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
