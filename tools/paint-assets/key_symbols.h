#pragma once

// The black symbols on the stone keys, each drawn centred on a point.

#include "stone_keys.h"

#include <QPainter>
#include <QPointF>
#include <QSizeF>

namespace paint {

// The symbol's size at `scale` 1, for laying it out beside or above the label.
QSizeF SymbolSize(KeySymbol symbol, double scale);

void PaintKeySymbol(QPainter& painter, KeySymbol symbol, QPointF centre, double scale);

} // namespace paint
