#pragma once

#include "content/content_tree.h"

#include <QAbstractItemModel>

// The contents tree as an item model: the internal id of an index is the node's absolute index,
// so that moving between the view and the tree costs O(1) both ways.
class TContentsModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TContentsModel(const content::ContentTree& tree, QObject* parent = nullptr);

    // Around a rebuild of the tree the model is reset.
    void BeginRebuild() { beginResetModel(); }
    void EndRebuild() { endResetModel(); }

    QModelIndex IndexOfNode(int absoluteIndex) const;
    static int NodeOf(const QModelIndex& index);
    const content::ContentTree& Tree() const { return m_tree; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const content::ContentTree& m_tree;
};
