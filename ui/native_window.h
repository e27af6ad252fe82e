#pragma once

class QWidget;

// The HTML view draws into a texture that the window composes with its other controls. Qt sets
// a window up for that composition when it first makes the window's native window, if a control
// of that kind is in it by then; the view makes its control only for its first page, and a
// window already shown then gets a new native window, which a window manager sees mapped a
// second time. A hidden control of the same kind, put into the window before it is first shown,
// lets one native window live from start to quit.
void PrepareNativeWindowForHtmlView(QWidget& window);
