#pragma once

// A snow-laden spruce, drawn from its foot upwards.

#include <QPainter>
#include <QPointF>

namespace paint {

// `haze` 1 paints the tree in full colour; smaller values fade it towards the distance.
void PaintPine(QPainter& painter, QPointF foot, float height, float haze);

} // namespace paint
