#pragma once

// The artwork is drawn once per scale. The painter works in the design's pixels through a
// QPainter on an image whose device pixel ratio is the scale; the per-pixel painters walk the
// image's own pixels and sample their fields at each pixel's centre in the design's pixels, so a
// 2x picture shows the same scene at twice the resolution, not the 1x picture enlarged.

#include <QImage>

namespace paint {

inline int ScaleOf(const QImage& image) {
    return static_cast<int>(image.devicePixelRatio() + 0.5);
}

// Where the centre of an image pixel lies in the design's pixels; at scale 1 the pixel itself.
inline float DesignCoordinate(int imagePixel, int scale) {
    return (static_cast<float>(imagePixel) + 0.5F) / static_cast<float>(scale) - 0.5F;
}

// Noise fields gain one finer octave per doubling of the scale: the texture a sharper
// photograph of the same scene would show. At scale 1 they are as they always were.
inline int FinerOctaves(int scale) {
    return scale > 1 ? 1 : 0;
}

} // namespace paint
