#pragma once

#include <QFocusEvent>
#include <QRect>

class QPainter;

// The frame that shows which button has the keyboard focus: a one-pixel dotted line, black over
// white so that it shows on any ground, just inside `area`.
void DrawFocusFrame(QPainter& painter, const QRect& area);

// Whether focus that arrived for `reason` came from the keyboard. A button shows its frame only
// then, so that nothing a mouse does changes how the window looks.
bool IsKeyboardFocus(Qt::FocusReason reason);
