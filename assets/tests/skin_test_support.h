#pragma once

#include "skin_pictures.h"

#include <QImage>

#include <cstdio>
#include <string>

namespace skin::testing {

// A picture from the compiled-in resource, as the window would load it.
inline QImage LoadSkin(const QString& path) {
    InitResources();
    return QImage(path);
}

// A picture at a scale from the resource, in its own pixels.
inline QImage LoadSkin(const char* file, int scale, QImage::Format format) {
    return LoadPicture(file, scale).convertToFormat(format);
}

inline std::string Hex(QRgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", qRed(c), qGreen(c), qBlue(c));
    return text;
}

inline std::string AtScale(int scale) {
    return "at " + std::to_string(scale) + "x";
}

} // namespace skin::testing
