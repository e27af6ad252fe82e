#include "ui/tree_paint_rules.h"

namespace tree_paint {

ItemLook ItemRule(content::NodeKind kind, std::string_view text, bool drawnSelected,
                  bool selectedAndFocused, Rgb selectionBackground) {
    ItemLook look;
    look.background = drawnSelected ? selectionBackground : kTreeBackground;
    switch (kind) {
    case content::NodeKind::GroupHeading:
        look.headingFace = true;
        look.text = kHeadingText;
        look.background = kHeadingBackground;
        break;
    case content::NodeKind::SubGroup:
        look.text = kItemText;
        break;
    case content::NodeKind::Entry:
        look.bold = text == kReaderSurvey;
        look.text = kItemText;
        break;
    }
    if (selectedAndFocused)
        look.text = kFocusedSelectionText;
    return look;
}

std::vector<Op> PrePaintPass(const content::ContentTree& tree, int topIndex, int height,
                             int rowStep, const std::function<bool(int)>& isExpanded,
                             const std::function<int(int)>& headingTextWidth) {
    std::vector<Op> ops;
    if (topIndex < 0)
        return ops; // an empty tree has no top item
    int y = 0;
    for (int i = topIndex; i < tree.Count() && y < height;) {
        const bool expanded = tree.HasChildren(i) && isExpanded(i);
        switch (tree.KindOf(i)) {
        case content::NodeKind::GroupHeading:
            ops.push_back({Op::Kind::Band, i, 0, y, headingTextWidth(i), y + rowStep});
            break;
        case content::NodeKind::SubGroup: {
            const int x = MarkLeft(tree[i].level);
            ops.push_back({expanded ? Op::Kind::ExpandedMark : Op::Kind::CollapsedMark, i, x, y,
                           x + kMarkSize, y + kMarkSize});
            break;
        }
        case content::NodeKind::Entry:
            break;
        }
        y += rowStep;
        // Nodes inside a collapsed branch take no row.
        i = tree.HasChildren(i) && !expanded ? tree[i].end : i + 1;
    }
    return ops;
}

} // namespace tree_paint
