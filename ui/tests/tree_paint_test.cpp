// The contents tree's look by the pixels of a grabbed picture: bands, marks, text colours and
// the heading's text background, where the pre-paint pass and the item rule put them.

#include "form_fixture.h"
#include "tests/support/disc_lists.h"
#include "ui/contents_tree_view.h"
#include "ui/picture_button.h"

#include <QImage>
#include <QScrollBar>

#include <cstdlib>
#include <set>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFF666666;
constexpr QRgb kHeadingBackground = 0xFF557468;
constexpr QRgb kItemText = 0xFF1C5C75;

class TreePaint : public ::testing::Test, protected FormFixture {
protected:
    void SetUp() override {
        // 0 Feature (heading, expanded at load)
        // 1   Tools (sub-group, collapsed)
        // 2     Hidden entry
        // 3   Cover story
        // 4   Deep (sub-group)  5 Deeper (level-2 sub-group)  6 leaf
        // 7 Lone (top-level entry)
        testkit::WriteLists(disc.root(),
                            {{"Feature"},
                             {"\tTools"},
                             {"\t\tHidden entry"},
                             {"\tCover story", "a.htm"},
                             {"\tDeep"},
                             {"\t\tDeeper"},
                             {"\t\t\tleaf"},
                             {"Lone"}},
                            "x");
        disc.write("_html/a.htm", "<html></html>");
        Start();
        form->show();
        Settle();
    }

    QImage Grab() {
        return form->TreeView->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Whether the row holds a pixel of the colour; text is antialiased, so a text colour is
    // found in the cores of its strokes, within a small tolerance.
    static bool RowHas(const QImage& image, int row, QRgb colour, int fromX = 0,
                       int tolerance = 0) {
        for (int y = row * 14; y < row * 14 + 14; ++y)
            for (int x = fromX; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (std::abs(qRed(p) - qRed(colour)) <= tolerance &&
                    std::abs(qGreen(p) - qGreen(colour)) <= tolerance &&
                    std::abs(qBlue(p) - qBlue(colour)) <= tolerance)
                    return true;
            }
        return false;
    }
    static bool RowHasText(const QImage& image, int row, QRgb colour) {
        return RowHas(image, row, colour, 0, 24);
    }

    // The opaque pixels of a mark drawn with its top-left corner at (x0, y0).
    static std::set<std::pair<int, int>> GreyPixels(const QImage& image, int x0, int y0) {
        std::set<std::pair<int, int>> grey;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (image.pixel(x0 + x, y0 + y) == kGrey)
                    grey.insert({x, y});
        return grey;
    }
};

std::set<std::pair<int, int>> Expanded() {
    std::set<std::pair<int, int>> s;
    for (int y = 2; y <= 12; ++y)
        s.insert({8, y});
    s.insert({{6, 10}, {10, 10}, {7, 11}, {9, 11}});
    return s;
}

std::set<std::pair<int, int>> Collapsed() {
    std::set<std::pair<int, int>> s;
    for (int x = 2; x <= 12; ++x)
        s.insert({x, 7});
    s.insert({{10, 5}, {11, 6}, {11, 8}, {10, 9}});
    return s;
}

TEST_F(TreePaint, BandsMarksAndItemColours) {
    ASSERT_TRUE(form->TreeView->IsNodeExpanded(0));
    ASSERT_FALSE(form->TreeView->IsNodeExpanded(1));
    const QImage image = Grab();
    // Row 0: the heading's band starts at the left edge, under a grey-green label with white text.
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(image.pixel(1, 13), kBlack);
    EXPECT_EQ(image.pixel(0, 14), 0xFFFFFFFF); // the band is one row step high
    EXPECT_TRUE(RowHas(image, 0, kHeadingBackground));
    EXPECT_TRUE(RowHas(image, 0, 0xFFFFFFFF, 2));
    // Row 1: Tools, collapsed, its mark at x 0; its hidden child takes no row, so Cover story
    // is row 2 and Deep, collapsed too, row 3.
    EXPECT_EQ(GreyPixels(image, 0, 14), Collapsed());
    EXPECT_TRUE(RowHasText(image, 1, kItemText));
    EXPECT_TRUE(RowHasText(image, 2, kItemText));
    EXPECT_EQ(GreyPixels(image, 0, 42), Collapsed());
    // Row 4: the top-level entry without children: no band, text in the item colour.
    EXPECT_EQ(image.pixel(0, 4 * 14 + 7), 0xFFFFFFFF);
    EXPECT_TRUE(RowHasText(image, 4, kItemText));
    EXPECT_FALSE(RowHas(image, 4, kHeadingBackground));
}

TEST_F(TreePaint, ExpandingRepaintsMarksAtTheirNewRows) {
    form->TreeView->ExpandNode(4);
    const QImage image = Grab();
    EXPECT_EQ(GreyPixels(image, 0, 42), Expanded());
    // Deeper, a level-2 sub-group, right below Deep: its mark at x 10.
    EXPECT_EQ(GreyPixels(image, 10, 56), Collapsed());
    form->TreeView->collapse(
        form->TreeView->model()->index(2, 0, form->TreeView->model()->index(0, 0)));
    EXPECT_EQ(GreyPixels(Grab(), 0, 42), Collapsed());
}

TEST_F(TreePaint, FocusedSelectionIsDrawnInItsOwnColour) {
    form->TreeView->SelectNode(3);
    Settle();
    form->activateWindow();
    form->TreeView->setFocus();
    ASSERT_TRUE(WaitFor([&] { return form->TreeView->hasFocus(); }));
    const QImage focused = Grab();
    EXPECT_TRUE(RowHasText(focused, 2, 0xFFEFEFEF));
    EXPECT_TRUE(RowHas(
        focused, 2, form->TreeView->palette().color(QPalette::Active, QPalette::Highlight).rgb()));
    form->btnBack->setFocus();
    ASSERT_TRUE(WaitFor([&] { return !form->TreeView->hasFocus(); }));
    const QImage unfocused = Grab();
    const QRgb highlight =
        form->TreeView->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    EXPECT_FALSE(RowHas(unfocused, 2, highlight));
    EXPECT_TRUE(RowHasText(unfocused, 2, kItemText));
}

TEST_F(TreePaint, ScrolledTreeStartsThePassAtTheTopItem) {
    form->TreeView->ExpandNode(1);
    form->TreeView->ExpandNode(4);
    form->TreeView->ExpandNode(5);
    form->TreeView->resize(216, 14 * 3);
    form->TreeView->verticalScrollBar()->setValue(1); // one item down: Tools is the top item
    ASSERT_EQ(form->TreeView->TopNode(), 1);
    const QImage image = Grab();
    EXPECT_EQ(GreyPixels(image, 0, 0), Expanded());
    EXPECT_NE(image.pixel(0, 0), kBlack); // the heading is above the top: no band
}

} // namespace
