#include "skin_set.h"

#include "background.h"
#include "credit_strip.h"
#include "glyph_cut.h"
#include "skin_layout.h"
#include "stone_keys.h"
#include "tree_marks.h"
#include "window_icon.h"

namespace paint {

namespace {

KeyFace FaceOf(const skin::GlyphRule& rule) {
    switch (rule.glyph) {
    case skin::Glyph::Quit:
        return {rule.button.size(), KeySymbol::Cross, QStringLiteral("終了"), false, 31};
    case skin::Glyph::Minimize:
        return {rule.button.size(), KeySymbol::Bar, QStringLiteral("最小化"), false, 47};
    default:
        return {rule.button.size(), KeySymbol::ReturnArrow, QStringLiteral("戻る"), true, 59};
    }
}

QImage GlyphFor(const skin::GlyphRule& rule, const QImage& background) {
    QImage glyph =
        rule.repeatsBackground ? CutGlyph(background, rule.button) : PaintStoneKey(FaceOf(rule));
    KeepKeyColourOut(glyph);
    SetTransparentCorner(glyph);
    return glyph;
}

} // namespace

std::vector<Picture> PaintSkin() {
    QImage background = PaintBackground();
    KeepKeyColourOut(background);

    std::vector<Picture> pictures;
    pictures.push_back({QString::fromUtf8(skin::kBackgroundFile), background});
    for (const skin::GlyphRule& rule : skin::kGlyphs) {
        pictures.push_back({QString::fromUtf8(rule.file), GlyphFor(rule, background)});
    }
    pictures.push_back({QString::fromUtf8(skin::kCreditFile), PaintCreditStrip()});
    pictures.push_back({QString::fromUtf8(skin::kIconFile), PaintWindowIcon()});
    pictures.push_back(
        {QString::fromUtf8(skin::kExpandedMarkFile), PaintTreeMark(skin::kExpandedMark)});
    pictures.push_back(
        {QString::fromUtf8(skin::kCollapsedMarkFile), PaintTreeMark(skin::kCollapsedMark)});
    return pictures;
}

QImage Find(const std::vector<Picture>& pictures, const char* file) {
    const QString name = QString::fromUtf8(file);
    for (const Picture& picture : pictures) {
        if (picture.file == name) {
            return picture.image;
        }
    }
    return {};
}

} // namespace paint
