#include "skin_pictures.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares the resource's initialiser in the scope it is used in; the
// initialiser that rcc writes lives in the global namespace, so the call must too.
static void InitSkinResource() {
    Q_INIT_RESOURCE(quilcd_skin);
}

namespace skin {

void InitResources() {
    static const bool once = [] {
        InitSkinResource();
        return true;
    }();
    (void)once;
}

QString ResourcePath(const char* file) {
    return QStringLiteral(":/skin/") + QString::fromUtf8(file);
}

QString BackgroundPath() {
    return ResourcePath(kBackgroundFile);
}
QString GlyphPath(Glyph glyph) {
    return ResourcePath(RuleFor(glyph).file);
}
QString CreditPath() {
    return ResourcePath(kCreditFile);
}
QString IconPath() {
    return ResourcePath(kIconFile);
}
QString ExpandedMarkPath() {
    return ResourcePath(kExpandedMarkFile);
}
QString CollapsedMarkPath() {
    return ResourcePath(kCollapsedMarkFile);
}

} // namespace skin
