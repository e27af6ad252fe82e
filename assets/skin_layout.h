#pragma once

// Where the window's pictures put things and what they must hold. The painter draws by these
// rules and the tests hold the pictures to them; the window places its controls at the same
// rectangles, so a change here moves the artwork and the controls together.

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

#include <array>

namespace skin {

// The background and the window are the same size: the picture is the whole surface.
inline constexpr QSize kBackgroundSize{800, 600};

// Columns 0-555 carry the page view and the launch strip, which cover them almost wholly.
inline constexpr QRect kPageColumns{0, 0, 556, 600};
// The page view, with the launch strip along its foot, framed by the page columns.
inline constexpr QRect kPageArea{5, 3, 551, 594};
// Columns 556-799: the right-hand column with the logos, the label, the tree and the commands.
inline constexpr QRect kRightColumn{556, 0, 244, 600};

// The winter scene that carries the two logos and the two Home Page tabs.
inline constexpr QRect kSceneArea{556, 0, 244, 153};
// The dark green bar that the issue label (572,160 207x20, white text) is read against.
inline constexpr QRect kIssueBar{581, 159, 186, 16};
// The pale ground of the contents tree, the word CONTENTS on it, and the tree view itself.
inline constexpr QRect kTreeGround{556, 176, 244, 345};
inline constexpr QRect kContentsWord{640, 186, 61, 9};
inline constexpr QRect kTreeView{568, 198, 216, 329};
// The band of bare winter trees behind the Back, Minimize and Quit keys.
inline constexpr QRect kCommandBand{556, 521, 244, 79};

inline constexpr QRgb kPageWhite = qRgb(0xFF, 0xFF, 0xFF);
inline constexpr QRgb kIssueBarColour = qRgb(0x50, 0x6A, 0x44);
inline constexpr QRgb kTreeGroundColour = qRgb(0xF5, 0xFB, 0xFB);
inline constexpr QRgb kContentsColour = qRgb(0xBC, 0xBC, 0xDB);

// A picture button treats the colour of its glyph's bottom-left pixel as transparent. Our glyphs
// put pure red there and nowhere else, so every other pixel of them is drawn opaque.
inline constexpr QRgb kGlyphKeyColour = qRgb(0xFF, 0x00, 0x00);

enum class Glyph { Quit, Minimize, Back, QuilHomePage, TwHomePage, QuilLogo, WickLogo };

struct GlyphRule {
    Glyph glyph;
    const char* file;
    QRect button;
    // The logo and tab buttons sit exactly over artwork that the background carries; their
    // glyphs are that artwork, so a button looks like the skin it covers.
    bool repeatsBackground;
};

inline constexpr std::array<GlyphRule, 7> kGlyphs{{
    {Glyph::Quit, "btnQuit.png", QRect(691, 565, 73, 20), false},
    {Glyph::Minimize, "btnMinimize.png", QRect(691, 544, 73, 21), false},
    {Glyph::Back, "btnBack.png", QRect(595, 544, 96, 42), false},
    {Glyph::QuilHomePage, "btnQUILHP.png", QRect(687, 55, 91, 16), true},
    {Glyph::TwHomePage, "btnTWHP.png", QRect(631, 109, 91, 16), true},
    {Glyph::QuilLogo, "BtnQUILLOGO.png", QRect(569, 20, 129, 54), true},
    {Glyph::WickLogo, "BtnWICKLOGO.png", QRect(729, 86, 49, 41), true},
}};

constexpr const GlyphRule& RuleFor(Glyph glyph) {
    for (const GlyphRule& rule : kGlyphs) {
        if (rule.glyph == glyph) {
            return rule;
        }
    }
    return kGlyphs.front(); // unreachable: every Glyph has a row
}

// A picture button draws its glyph centred; a glyph one pixel larger than the button therefore
// starts at the button's top-left corner and loses its last column and row to the edge.
constexpr QSize GlyphSize(const QRect& button) {
    return button.size() + QSize(1, 1);
}

// The tree's two arrow marks: fifteen grey pixels each on a fully transparent 16x16 ground.
inline constexpr QSize kMarkSize{16, 16};
inline constexpr QRgb kMarkColour = qRgb(0x66, 0x66, 0x66);
using MarkPixels = std::array<QPoint, 15>;

// Image 0, before an open sub-group: a thin arrow pointing down.
inline constexpr MarkPixels kExpandedMark{{
    {8, 2},
    {8, 3},
    {8, 4},
    {8, 5},
    {8, 6},
    {8, 7},
    {8, 8},
    {8, 9},
    {8, 10},
    {8, 11},
    {8, 12},
    {6, 10},
    {10, 10},
    {7, 11},
    {9, 11},
}};

// Image 1, before a closed sub-group: a thin arrow pointing right.
inline constexpr MarkPixels kCollapsedMark{{
    {2, 7},
    {3, 7},
    {4, 7},
    {5, 7},
    {6, 7},
    {7, 7},
    {8, 7},
    {9, 7},
    {10, 7},
    {11, 7},
    {12, 7},
    {10, 5},
    {11, 6},
    {11, 8},
    {10, 9},
}};

// The credit strip (never shown; kept with the window like the rest of the artwork) and the
// window icon.
inline constexpr QSize kCreditSize{64, 5};
inline constexpr QSize kIconSize{32, 33};

inline constexpr const char* kBackgroundFile = "background.png";
inline constexpr const char* kCreditFile = "credit.png";
inline constexpr const char* kIconFile = "icon.png";
inline constexpr const char* kExpandedMarkFile = "mark-expanded.png";
inline constexpr const char* kCollapsedMarkFile = "mark-collapsed.png";

// Every picture is drawn twice: at the design's size, and at twice its size for screens above
// 100 %. Each rule above holds at both, measured in the design's pixels; a single pixel of the
// design (a glyph's key corner, a mark's pixel) is a 2 x 2 block at 2x.
inline constexpr std::array<int, 2> kScales{1, 2};

// The file of a picture at a scale, named as Qt names high-resolution pictures: "name@2x.png".
inline QString ScaledFile(const char* file, int scale) {
    QString name = QString::fromUtf8(file);
    if (scale != 1)
        name.insert(name.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(scale));
    return name;
}

} // namespace skin
