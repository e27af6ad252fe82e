// The window's pure rules: its shape, the tree's item rule and pre-paint pass, the glyph offset.

#include "content/content_tree.h"
#include "ui/picture_button.h"
#include "ui/tree_paint_rules.h"
#include "ui/window_shape.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using content::NodeKind;
using tree_paint::ItemRule;
using tree_paint::Op;

TEST(WindowForm, MaximisedOnlyOnExactly800x600AndRoundedOnlyOnWindows98) {
    const struct {
        int w, h;
        bool win98;
        WindowForm form;
    } cases[] = {
        {800, 600, true, WindowForm::Maximised},     {800, 600, false, WindowForm::Maximised},
        {1024, 768, true, WindowForm::Rounded},      {1024, 768, false, WindowForm::Rectangular},
        {800, 768, true, WindowForm::Rounded},       {800, 768, false, WindowForm::Rectangular},
        {1280, 600, false, WindowForm::Rectangular},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseWindowForm(c.w, c.h, c.win98), c.form)
            << c.w << "x" << c.h << " " << c.win98;
}

// Whether a pixel centre lies in the union of the shape's parts.
bool Inside(const std::vector<ShapePart>& parts, int x, int y) {
    for (const ShapePart& p : parts) {
        const double cx = x + 0.5, cy = y + 0.5;
        if (p.kind == ShapePart::Kind::Rectangle) {
            if (x >= p.left && x < p.right && y >= p.top && y < p.bottom)
                return true;
        } else {
            const double rx = (p.right - p.left) / 2.0, ry = (p.bottom - p.top) / 2.0;
            const double dx = (cx - p.left - rx) / rx, dy = (cy - p.top - ry) / ry;
            if (dx * dx + dy * dy <= 1.0)
                return true;
        }
    }
    return false;
}

TEST(WindowShape, CornersRoundedToRadiusEight) {
    const auto parts = RoundedWindowShape(800, 600);
    ASSERT_EQ(parts.size(), 6u);
    EXPECT_EQ(parts[1], (ShapePart{ShapePart::Kind::Ellipse, 784, 0, 800, 16}));
    EXPECT_EQ(parts[5], (ShapePart{ShapePart::Kind::Rectangle, 0, 7, 800, 593}));
    // The very corners are cut away; the edges' middles and the inside are in.
    for (auto [x, y] : {std::pair{0, 0}, {799, 0}, {0, 599}, {799, 599}, {1, 1}, {798, 598}})
        EXPECT_FALSE(Inside(parts, x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{8, 0}, {0, 8}, {400, 0}, {799, 300}, {4, 4}, {795, 595}})
        EXPECT_TRUE(Inside(parts, x, y)) << x << "," << y;
}

TEST(ItemRule, KindsSelectionAndTheBoldEntry) {
    constexpr tree_paint::Rgb highlight = 0x3399FF;
    const std::string survey = tree_paint::kReaderSurvey;
    const struct {
        const char* name;
        NodeKind kind;
        std::string text;
        bool drawnSelected, focusedSelection;
        tree_paint::ItemLook look;
    } cases[] = {
        {"heading", NodeKind::GroupHeading, "x", false, false, {true, false, 0xFFFFFF, 0x557468}},
        {"selected heading",
         NodeKind::GroupHeading,
         "x",
         true,
         true,
         {true, false, 0xEFEFEF, 0x557468}},
        {"sub-group", NodeKind::SubGroup, "x", false, false, {false, false, 0x1C5C75, 0xFFFFFF}},
        {"entry", NodeKind::Entry, "x", false, false, {false, false, 0x1C5C75, 0xFFFFFF}},
        {"survey entry", NodeKind::Entry, survey, false, false, {false, true, 0x1C5C75, 0xFFFFFF}},
        {"survey with trailing blank",
         NodeKind::Entry,
         survey + " ",
         false,
         false,
         {false, false, 0x1C5C75, 0xFFFFFF}},
        {"survey sub-group",
         NodeKind::SubGroup,
         survey,
         false,
         false,
         {false, false, 0x1C5C75, 0xFFFFFF}},
        {"survey heading",
         NodeKind::GroupHeading,
         survey,
         false,
         false,
         {true, false, 0xFFFFFF, 0x557468}},
        {"selected entry", NodeKind::Entry, "x", true, true, {false, false, 0xEFEFEF, highlight}},
    };
    for (const auto& c : cases) {
        const auto look = ItemRule(c.kind, c.text, c.drawnSelected, c.focusedSelection, highlight);
        EXPECT_EQ(look.headingFace, c.look.headingFace) << c.name;
        EXPECT_EQ(look.bold, c.look.bold) << c.name;
        EXPECT_EQ(look.text, c.look.text) << c.name;
        EXPECT_EQ(look.background, c.look.background) << c.name;
    }
}

class PrePaint : public ::testing::Test {
protected:
    // 0 G         heading
    // 1  S1       sub-group (collapsed in most cases)
    // 2   e
    // 3  S2       sub-group
    // 4   S3      level-2 sub-group
    // 5    e
    // 6 E         top-level entry
    void SetUp() override {
        content::BuildTree("G\r\n S1\r\n  e\r\n S2\r\n  S3\r\n   e\r\nE\r\n", m_tree);
    }

    std::vector<Op> Pass(std::set<int> expanded, int top = 0, int height = 1000) {
        return tree_paint::PrePaintPass(
            m_tree, top, height, 14, [expanded](int i) { return expanded.count(i) == 1; },
            [](int i) { return 30 + i; });
    }

    content::ContentTree m_tree;
};

TEST_F(PrePaint, HiddenNodesTakeNoRow) {
    using K = Op::Kind;
    EXPECT_EQ(Pass({0}), (std::vector<Op>{{K::Band, 0, 0, 0, 30, 14},
                                          {K::CollapsedMark, 1, 0, 14, 16, 30},
                                          {K::CollapsedMark, 3, 0, 28, 16, 44}}));
    EXPECT_EQ(Pass({0, 1, 3}), (std::vector<Op>{{K::Band, 0, 0, 0, 30, 14},
                                                {K::ExpandedMark, 1, 0, 14, 16, 30},
                                                {K::ExpandedMark, 3, 0, 42, 16, 58},
                                                {K::CollapsedMark, 4, 10, 56, 26, 72}}));
    EXPECT_EQ(Pass({}), (std::vector<Op>{{K::Band, 0, 0, 0, 30, 14}}));
}

TEST_F(PrePaint, StartsAtTheTopItemAndStopsBelowTheViewport) {
    using K = Op::Kind;
    EXPECT_EQ(Pass({0, 1, 3}, 3), (std::vector<Op>{{K::ExpandedMark, 3, 0, 0, 16, 16},
                                                   {K::CollapsedMark, 4, 10, 14, 26, 30}}));
    EXPECT_EQ(Pass({0, 1, 3}, 0, 20).size(), 2u); // rows at 0 and 14 only
    EXPECT_TRUE(Pass({0}, -1).empty());           // an empty tree has no top item
    content::ContentTree empty;
    EXPECT_TRUE(tree_paint::PrePaintPass(
                    empty, -1, 300, 14, [](int) { return false; }, [](int) { return 0; })
                    .empty());
}

TEST(PictureButton, GlyphCentredAndShiftedWhilePressed) {
    EXPECT_EQ(TPictureButton::GlyphOrigin({73, 20}, {74, 21}, false), QPoint(0, 0));
    EXPECT_EQ(TPictureButton::GlyphOrigin({73, 20}, {74, 21}, true), QPoint(1, 1));
    EXPECT_EQ(TPictureButton::GlyphOrigin({96, 42}, {90, 40}, false), QPoint(3, 1));
}

} // namespace
