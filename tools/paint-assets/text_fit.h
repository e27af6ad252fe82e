#pragma once

// Lettering that has to fill a given box exactly (the word CONTENTS, the publisher's name):
// the text's outline is stretched so that its ink touches all four sides of the box.

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace paint {

QPainterPath TextFittedTo(const QString& text, const QFont& font, const QRectF& box);

} // namespace paint
