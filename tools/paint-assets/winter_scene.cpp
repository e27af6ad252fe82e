#include "winter_scene.h"

#include "device_grid.h"
#include "noise.h"
#include "pine.h"
#include "shading.h"

#include <QPainter>

#include <cmath>

namespace paint {

namespace {

constexpr std::uint32_t kSeed = 0x51A7E;

float Bump(float x, float centre, float width) {
    const float d = (x - centre) / width;
    return std::exp(-d * d);
}

// Heights are rows from the scene's top, x the column from its left edge. The range keeps low
// on the left so that the magazine's logo stands on open sky.
float FarRidge(float x) {
    const float summits = 40.0F * Bump(x, 152.0F, 30.0F) + 28.0F * Bump(x, 218.0F, 26.0F) +
                          12.0F * Bump(x, 100.0F, 22.0F);
    return 96.0F - summits - 9.0F * (Fractal(x / 24.0F, 3.5F, 4, kSeed) - 0.5F);
}

float NearRidge(float x) {
    const float leftHill = x < 80.0F ? (80.0F - x) * 0.22F : 0.0F;
    return 106.0F - leftHill + 5.0F * std::sin(x * 0.031F + 0.8F) +
           8.0F * (Fractal(x / 36.0F, 7.2F, 3, kSeed + 1) - 0.5F);
}

float GroundLine(float x) {
    return 133.0F + 3.0F * std::sin(x * 0.047F + 2.0F) +
           4.0F * (Fractal(x / 30.0F, 1.7F, 3, kSeed + 2) - 0.5F);
}

QRgb SkyAt(float x, float y, int finer) {
    const float t = std::clamp(y / 104.0F, 0.0F, 1.0F);
    QRgb sky = Mix(qRgb(0x27, 0x45, 0x70), qRgb(0x6E, 0x94, 0xBC), std::pow(t, 0.8F));
    sky = Mix(sky, qRgb(0xC4, 0xD6, 0xE6), std::pow(t, 3.0F));
    const float cloud = Fractal(x / 64.0F, y / 17.0F, 5 + finer, kSeed + 3);
    const float wisp = std::clamp((cloud - 0.5F) / 0.22F, 0.0F, 1.0F);
    return Mix(sky, qRgb(0xE4, 0xEC, 0xF4), wisp * (0.25F + 0.35F * t));
}

QRgb RangeAt(float x, float y, float ridge, float near, int finer) {
    const float slope = FarRidge(x + 1.5F) - FarRidge(x - 1.5F);
    // Sun from the left: flanks that fall away to the right lie in shade.
    const float light = std::clamp(0.55F - slope * 0.35F, 0.0F, 1.0F);
    const float depth = std::clamp((y - ridge) / std::max(near - ridge, 1.0F), 0.0F, 1.0F);
    // Gullies run down the flanks at a slant; snow fills all but their deepest parts, less of
    // them further down.
    const float gully = Fractal((x + (y - ridge) * 0.8F * (slope < 0.0F ? 1.0F : -1.0F)) / 5.0F,
                                y / 9.0F, 4 + finer, kSeed + 4);
    const float edge = 0.34F + 0.26F * depth;
    const float snow = std::clamp((gully - edge) / 0.12F + 0.5F, 0.0F, 1.0F);
    const QRgb lit = Mix(qRgb(0x7C, 0x92, 0xAC), qRgb(0xEC, 0xF2, 0xF8), snow);
    const QRgb shade = Mix(qRgb(0x56, 0x6C, 0x88), qRgb(0xA4, 0xB9, 0xD0), snow);
    QRgb c = Mix(shade, lit, light);
    if (y - ridge < 1.0F) {
        c = Mix(c, qRgb(0xF8, 0xFB, 0xFD), 0.5F);
    }
    return Mix(c, qRgb(0xC8, 0xD7, 0xE6), depth * 0.55F);
}

QRgb HillAt(float x, float y, float near, float ground, int finer) {
    const float t = std::clamp((y - near) / std::max(ground - near, 1.0F), 0.0F, 1.0F);
    QRgb c = Mix(qRgb(0xF6, 0xF9, 0xFC), qRgb(0xB8, 0xCB, 0xDE), std::pow(t, 0.7F) * 0.85F);
    c = Lift(c, (Fractal(x / 12.0F, y / 4.0F, 3 + finer, kSeed + 5) - 0.5F) * 12.0F);
    if (y - near < 1.0F) {
        c = qRgb(0xFF, 0xFF, 0xFF);
    }
    return c;
}

QRgb ForegroundAt(float x, float y, float ground, float bottom, QRgb fadeTo, int finer) {
    const float t = std::clamp((y - ground) / std::max(bottom - ground, 1.0F), 0.0F, 1.0F);
    QRgb c = Mix(qRgb(0xFD, 0xFE, 0xFF), qRgb(0xD6, 0xE3, 0xEF), std::sin(t * 3.0F) * 0.6F);
    c = Lift(c, (Fractal(x / 16.0F, y / 2.5F, 3 + finer, kSeed + 6) - 0.5F) * 14.0F * (1.0F - t));
    return Mix(c, fadeTo, std::pow(t, 2.5F));
}

void PaintLand(QImage& canvas, const QRect& area, QRgb fadeTo) {
    const int scale = ScaleOf(canvas);
    const int finer = FinerOctaves(scale);
    const int rows = area.height() * scale;
    const int cols = area.width() * scale;
    // The last row of pixels is the foreground's end, whatever the scale.
    const float bottom = DesignCoordinate(rows - 1, scale);
    for (int row = 0; row < rows; ++row) {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(area.top() * scale + row));
        for (int col = 0; col < cols; ++col) {
            const float x = DesignCoordinate(col, scale);
            const float y = DesignCoordinate(row, scale);
            const float ridge = FarRidge(x);
            const float near = NearRidge(x);
            const float ground = GroundLine(x);
            QRgb c;
            if (y < ridge) {
                c = SkyAt(x, y, finer);
            } else if (y < near) {
                c = RangeAt(x, y, ridge, near, finer);
            } else if (y < ground) {
                c = HillAt(x, y, near, ground, finer);
            } else {
                c = ForegroundAt(x, y, ground, bottom, fadeTo, finer);
            }
            line[area.left() * scale + col] = c;
        }
    }
}

void PaintPines(QPainter& painter, const QRect& area) {
    struct Stand {
        float x;
        float height;
    };
    // A stand on the left hill, a few small far trees along the ridge, one tall tree at the
    // right edge; the middle stays open for the second Home Page tab.
    constexpr Stand kBack[] = {{96.0F, 9.0F},  {103.0F, 7.0F},  {111.0F, 10.0F},
                               {139.0F, 8.0F}, {146.0F, 11.0F}, {153.0F, 7.0F}};
    constexpr Stand kFront[] = {{6.0F, 34.0F},  {17.0F, 46.0F}, {29.0F, 30.0F},  {41.0F, 38.0F},
                                {53.0F, 24.0F}, {62.0F, 19.0F}, {234.0F, 52.0F}, {243.0F, 36.0F}};
    for (const Stand& s : kBack) {
        PaintPine(painter, QPointF(area.left() + s.x, area.top() + NearRidge(s.x) + 1.5F), s.height,
                  0.7F);
    }
    for (const Stand& s : kFront) {
        const float base =
            std::min(GroundLine(s.x) + 4.0F, static_cast<float>(area.height()) - 6.0F);
        PaintPine(painter, QPointF(area.left() + s.x, area.top() + base), s.height, 1.0F);
    }
}

void PaintSnowfall(QPainter& painter, const QRect& area) {
    Sequence seq(kSeed + 7);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 110; ++i) {
        const float x = seq.Between(0.0F, static_cast<float>(area.width()));
        const float y = seq.Between(0.0F, static_cast<float>(area.height() - 10));
        const float r = seq.Between(0.45F, 1.25F);
        const int alpha = static_cast<int>(seq.Between(120.0F, 235.0F));
        painter.setBrush(QColor(255, 255, 255, alpha));
        painter.drawEllipse(QPointF(area.left() + x, area.top() + y), r, r);
    }
}

} // namespace

void PaintWinterScene(QImage& canvas, const QRect& area, QRgb fadeTo) {
    PaintLand(canvas, area, fadeTo);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area.adjusted(0, 0, 0, -1));
    PaintPines(painter, area);
    PaintSnowfall(painter, area);
}

} // namespace paint
