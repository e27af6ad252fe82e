#pragma once

// Colour arithmetic for the per-pixel painters.

#include <QColor>
#include <QRgb>

#include <algorithm>

namespace paint {

inline int Channel(float value) {
    return std::clamp(static_cast<int>(value + 0.5F), 0, 255);
}

// a at t = 0, b at t = 1.
inline QRgb Mix(QRgb a, QRgb b, float t) {
    t = std::clamp(t, 0.0F, 1.0F);
    return qRgb(
        Channel(static_cast<float>(qRed(a)) + (static_cast<float>(qRed(b)) - qRed(a)) * t),
        Channel(static_cast<float>(qGreen(a)) + (static_cast<float>(qGreen(b)) - qGreen(a)) * t),
        Channel(static_cast<float>(qBlue(a)) + (static_cast<float>(qBlue(b)) - qBlue(a)) * t));
}

// Adds the same amount to every channel: lighter for positive, darker for negative.
inline QRgb Lift(QRgb c, float amount) {
    return qRgb(Channel(static_cast<float>(qRed(c)) + amount),
                Channel(static_cast<float>(qGreen(c)) + amount),
                Channel(static_cast<float>(qBlue(c)) + amount));
}

} // namespace paint
