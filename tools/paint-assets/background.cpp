#include "background.h"

#include "bare_trees.h"
#include "brand_marks.h"
#include "fitted_word.h"
#include "fonts.h"
#include "skin_layout.h"
#include "winter_scene.h"

#include <QPainter>

namespace paint {

namespace {

void PaintIssueBar(QPainter& painter) {
    // A soft shadow under the bar, on the row between it and the tree ground.
    const QRect& bar = skin::kIssueBar;
    painter.fillRect(QRect(bar.left() + 1, bar.bottom() + 1, bar.width(), 1),
                     QColor(0xDA, 0xE2, 0xDC));
    painter.fillRect(bar, QColor(skin::kIssueBarColour));
}

void PaintBrandMarks(QPainter& painter) {
    PaintQuilloreLogo(painter, skin::RuleFor(skin::Glyph::QuilLogo).button);
    PaintHomePageTab(painter, skin::RuleFor(skin::Glyph::QuilHomePage).button, ArrowSide::Left);
    PaintTarnwickMark(painter, skin::RuleFor(skin::Glyph::WickLogo).button);
    PaintHomePageTab(painter, skin::RuleFor(skin::Glyph::TwHomePage).button, ArrowSide::Right);
}

} // namespace

QImage PaintBackground(int scale) {
    QImage image(skin::kBackgroundSize * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(skin::kPageWhite);

    const QRect& column = skin::kRightColumn;
    const QRect& scene = skin::kSceneArea;
    const QRect& band = skin::kCommandBand;
    {
        QPainter painter(&image);
        painter.fillRect(QRect(column.left(), scene.bottom() + 1, column.width(),
                               band.top() - scene.bottom() - 1),
                         QColor(skin::kTreeGroundColour));
    }
    PaintWinterScene(image, scene, skin::kTreeGroundColour);
    PaintBareTreesBand(image, band, skin::kTreeGroundColour);

    // Bold: in its pale colour a lighter word would dissolve into the ground.
    PaintFittedWord(image, skin::kContentsWord, QStringLiteral("CONTENTS"),
                    LatinFont(skin::kContentsWord.height() + 3, true),
                    QColor(skin::kContentsColour));

    QPainter painter(&image);
    PaintIssueBar(painter);
    // The tree view reaches a few rows into the band; under it the ground stays plain, so
    // nothing shows at its edges while it paints.
    painter.fillRect(skin::kTreeView, QColor(skin::kTreeGroundColour));
    PaintBrandMarks(painter);
    return image;
}

} // namespace paint
