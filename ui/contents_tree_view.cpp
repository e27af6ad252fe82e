#include "ui/contents_tree_view.h"

#include "ui/contents_model.h"
#include "ui/design_fonts.h"
#include "ui/tree_paint_rules.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Uniform rows of the row step, so that the pre-paint pass and the items agree.
class RowStepDelegate final : public QStyledItemDelegate {
public:
    RowStepDelegate(int rowStep, QObject* parent)
        : QStyledItemDelegate(parent), m_rowStep(rowStep) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_rowStep};
    }

private:
    int m_rowStep;
};

constexpr int kLabelMargin = 2;

QColor ColourOf(tree_paint::Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

TContentsTreeView::TContentsTreeView(const content::ContentTree& tree, QWidget* parent)
    : QTreeView(parent), m_tree(tree), m_model(new TContentsModel(tree, this)) {
    setObjectName(QStringLiteral("TreeView"));
    setModel(m_model);
    setHeaderHidden(true);
    setFrameShape(QFrame::NoFrame);
    setIndentation(tree_paint::kIndent);
    setRootIsDecorated(false);
    setItemsExpandable(true);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setAllColumnsShowFocus(false);
    setAutoScroll(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFont(design_fonts::Font(design_fonts::GothicFace(), 12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Text, Qt::white); // every item takes its colour from the item rule
    setPalette(palette);
    setItemDelegate(new RowStepDelegate(RowStep(), this));

    m_changeDelay.setSingleShot(true);
    m_changeDelay.setInterval(kChangeDelayMs);
    connect(&m_changeDelay, &QTimer::timeout, this, &TContentsTreeView::Change);
    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { emit NodeExpanded(TContentsModel::NodeOf(index)); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        emit NodeCollapsed(TContentsModel::NodeOf(index));
    });
}

void TContentsTreeView::SetMarks(const std::array<QImage, 2>& marks) {
    m_marks = marks;
}

int TContentsTreeView::RowStep() const {
    return tree_paint::RowStep(font().pixelSize());
}

int TContentsTreeView::SelectedNode() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : TContentsModel::NodeOf(selected.first());
}

void TContentsTreeView::SelectNode(int i) {
    const QModelIndex index = m_model->IndexOfNode(i);
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        if (!isExpanded(p))
            expand(p);
    setCurrentIndex(index);
}

void TContentsTreeView::ExpandNode(int i) {
    expand(m_model->IndexOfNode(i));
}

bool TContentsTreeView::IsNodeExpanded(int i) const {
    return isExpanded(m_model->IndexOfNode(i));
}

int TContentsTreeView::TopNode() const {
    if (m_tree.Empty())
        return -1;
    return TContentsModel::NodeOf(indexAt(QPoint(0, 0)));
}

void TContentsTreeView::BeginRebuild() {
    setUpdatesEnabled(false);
    m_model->BeginRebuild();
}

void TContentsTreeView::EndRebuild() {
    m_model->EndRebuild();
    setUpdatesEnabled(true);
    viewport()->update();
}

void TContentsTreeView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (current != previous)
        m_changeDelay.start(); // a further change within the delay restarts the wait
}

void TContentsTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Click();
}

void TContentsTreeView::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(viewport());
        PaintPrePass(painter);
    }
    QTreeView::paintEvent(event);
}

void TContentsTreeView::PaintPrePass(QPainter& painter) {
    const QFontMetrics metrics(font()); // bands are measured in the tree's own font
    const auto ops = tree_paint::PrePaintPass(
        m_tree, TopNode(), viewport()->height(), RowStep(),
        [this](int i) { return IsNodeExpanded(i); },
        [this, &metrics](int i) {
            return metrics.horizontalAdvance(
                m_model->data(m_model->IndexOfNode(i), Qt::DisplayRole).toString());
        });
    for (const tree_paint::Op& op : ops) {
        const QRect rect(QPoint(op.left, op.top), QPoint(op.right - 1, op.bottom - 1));
        if (op.kind == tree_paint::Op::Kind::Band)
            painter.fillRect(rect, ColourOf(tree_paint::kBandColour));
        else
            painter.drawImage(rect.topLeft(),
                              m_marks[op.kind == tree_paint::Op::Kind::ExpandedMark ? 0 : 1]);
    }
}

void TContentsTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const int node = TContentsModel::NodeOf(index);
    if (node < 0)
        return;
    const bool selected = selectionModel()->isSelected(index);
    const bool focused = hasFocus();
    // The tree draws its selection only while it has the focus.
    const tree_paint::ItemLook look = tree_paint::ItemRule(
        m_tree.KindOf(node), m_tree.TextOf(node), selected && focused, selected && focused,
        palette().color(QPalette::Active, QPalette::Highlight).rgb() & 0xFFFFFF);

    QFont font = this->font();
    if (look.headingFace)
        font.setFamily(design_fonts::MinchoFace());
    font.setBold(look.bold);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(font);
    // The label sits two pixels in from its indentation, so the black band of a heading shows
    // at its left edge and wherever the band (measured in the tree font) outreaches the label.
    const int left = visualRect(index).left() + kLabelMargin;
    const QRect textBackground(left, option.rect.top(), metrics.horizontalAdvance(text) + 4,
                               option.rect.height());
    painter->fillRect(textBackground, ColourOf(look.background));
    painter->setFont(font);
    painter->setPen(ColourOf(look.text));
    painter->drawText(textBackground.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}
