#pragma once

// The faces the artwork is lettered in: IPA P Gothic for the Japanese key labels, Liberation
// Sans for the Latin lettering. Both ship with the build's font packages.

#include <QFont>
#include <QString>

namespace paint {

inline QFont LatinFont(int pixelSize, bool bold, bool italic = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

inline QFont GothicFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace paint
