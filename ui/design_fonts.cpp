#include "ui/design_fonts.h"

#include <QStringList>

namespace design_fonts {

QString GothicFace() {
    return QString::fromUtf8("ＭＳ Ｐゴシック");
}
QString MinchoFace() {
    return QString::fromUtf8("MS P明朝");
}
QString ArialFace() {
    return QStringLiteral("Arial");
}

void RegisterSubstitutions() {
    QFont::insertSubstitutions(
        GothicFace(),
        {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(
        MinchoFace(),
        {QStringLiteral("IPAPMincho"), QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho")});
    QFont::insertSubstitutions(ArialFace(),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
}

QFont Font(const QString& face, int pixelHeight) {
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace design_fonts
