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

QImage GlyphFor(const skin::GlyphRule& rule, const QImage& background, int scale) {
    QImage glyph = rule.repeatsBackground ? CutGlyph(background, rule.button)
                                          : PaintStoneKey(FaceOf(rule), scale);
    KeepKeyColourOut(glyph);
    SetTransparentCorner(glyph);
    return glyph;
}

} // namespace

std::vector<Picture> PaintSkin() {
    std::vector<Picture> pictures;
    for (const int scale : skin::kScales) {
        QImage background = PaintBackground(scale);
        KeepKeyColourOut(background);
        pictures.push_back({skin::ScaledFile(skin::kBackgroundFile, scale), background});
        for (const skin::GlyphRule& rule : skin::kGlyphs) {
            pictures.push_back(
                {skin::ScaledFile(rule.file, scale), GlyphFor(rule, background, scale)});
        }
        pictures.push_back({skin::ScaledFile(skin::kCreditFile, scale), PaintCreditStrip(scale)});
        QImage icon = PaintWindowIcon(skin::kIconSize * scale);
        icon.setDevicePixelRatio(scale);
        pictures.push_back({skin::ScaledFile(skin::kIconFile, scale), icon});
        pictures.push_back({skin::ScaledFile(skin::kExpandedMarkFile, scale),
                            PaintTreeMark(skin::kExpandedMark, scale)});
        pictures.push_back({skin::ScaledFile(skin::kCollapsedMarkFile, scale),
                            PaintTreeMark(skin::kCollapsedMark, scale)});
    }
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
