#pragma once

// The grey stone keys of the Back, Minimize and Quit buttons: a bevelled slab of speckled
// granite with a black symbol and a black, slightly engraved label.

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

namespace paint {

enum class KeySymbol { Cross, Bar, ReturnArrow };

struct KeyFace {
    QSize button;
    KeySymbol symbol;
    QString label;
    // Symbol above the label (the tall Back key) rather than beside it.
    bool stacked;
    std::uint32_t grain;
};

// A glyph for the button at `scale` image pixels per design pixel: one design pixel wider and
// taller than the button, the extra column and row in the key's shadow colour. The transparent
// corner is set by the caller.
QImage PaintStoneKey(const KeyFace& face, int scale);

} // namespace paint
