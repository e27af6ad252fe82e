#pragma once

#include "content/content_tree.h"

#include <QImage>
#include <QTimer>
#include <QTreeView>

#include <array>

class TContentsModel;

// The contents tree: a tree view whose paint lays the pre-paint pass (bands behind the group
// headings, arrow marks before the sub-groups) under the items, which it then draws by the item
// rule. A selection change reaches Change() 50 ms after the last of a quick run of changes,
// however it changed; a mouse click reaches Click() at once.
class TContentsTreeView final : public QTreeView {
    Q_OBJECT
public:
    static constexpr int kChangeDelayMs = 50;

    TContentsTreeView(const content::ContentTree& tree, QWidget* parent = nullptr);

    TContentsModel* Model() const { return m_model; }
    const content::ContentTree& Tree() const { return m_tree; }

    // The two marks drawn by the pre-paint pass: 0 expanded, 1 collapsed.
    void SetMarks(const std::array<QImage, 2>& marks);

    int SelectedNode() const; // -1 when none is selected
    // Selects a node, opening the groups it lies in; the change follows after the delay.
    void SelectNode(int absoluteIndex);
    void ExpandNode(int absoluteIndex);
    bool IsNodeExpanded(int absoluteIndex) const;
    int TopNode() const; // absolute index of the item in the first row, -1 for an empty tree
    int RowStep() const;
    // Whether a selection change is still waiting out its delay.
    bool ChangePending() const { return m_changeDelay.isActive(); }

    void BeginRebuild();
    void EndRebuild();

signals:
    void Change();
    void Click();
    void NodeExpanded(int absoluteIndex);
    void NodeCollapsed(int absoluteIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
    void mouseReleaseEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void PaintPrePass(QPainter& painter);

    const content::ContentTree& m_tree;
    TContentsModel* m_model;
    QTimer m_changeDelay;
    std::array<QImage, 2> m_marks;
};
