#include "bare_trees.h"

#include "device_grid.h"
#include "noise.h"
#include "shading.h"

#include <QLineF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace paint {

namespace {

constexpr std::uint32_t kSeed = 0xB4E7;

float SnowLine(float x) {
    return 68.0F + 2.5F * std::sin(x * 0.06F + 1.0F);
}

// Tops of the far, misty wood: a fine comb of crowns.
float WoodLine(float x) {
    return 34.0F + 10.0F * Fractal(x / 5.0F, 0.5F, 3, kSeed) + 6.0F * std::sin(x * 0.021F);
}

QRgb BandAt(float x, float y, QRgb fadeFrom, int finer) {
    const float ground = SnowLine(x);
    if (y >= ground) {
        const float t = std::clamp((y - ground) / 10.0F, 0.0F, 1.0F);
        QRgb snow = Mix(qRgb(0xF3, 0xF7, 0xFB), qRgb(0xD3, 0xE0, 0xEC), t);
        return Lift(snow, (Fractal(x / 10.0F, y / 2.0F, 3 + finer, kSeed + 1) - 0.5F) * 10.0F);
    }
    const float mist = std::clamp(y / 18.0F, 0.0F, 1.0F);
    QRgb c = Mix(fadeFrom, qRgb(0xDC, 0xE8, 0xF2), mist * mist * (3.0F - 2.0F * mist));
    c = Mix(c, qRgb(0xC3, 0xD5, 0xE6), std::clamp((y - 18.0F) / 50.0F, 0.0F, 1.0F));
    const float wood = WoodLine(x);
    if (y > wood) {
        // Trunks of the far wood show as faint vertical streaks through the mist.
        const float trunks = Fractal(x / 1.3F, y / 25.0F, 2 + finer, kSeed + 2);
        const float density = std::clamp((y - wood) / 6.0F, 0.0F, 1.0F);
        c = Mix(c, qRgb(0xA9, 0xBF, 0xD4), density * (0.45F + 0.4F * trunks));
    }
    return c;
}

void PaintBranch(QPainter& painter, Sequence& seq, QPointF from, double angle, double length,
                 double width, int depth) {
    const QPointF to(from.x() + std::cos(angle) * length, from.y() - std::sin(angle) * length);
    painter.setPen(QPen(painter.pen().color(), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(from, to));
    if (depth == 0) {
        return;
    }
    const int forks = seq.Next() < 0.3F ? 3 : 2;
    for (int i = 0; i < forks; ++i) {
        const double spread = seq.Between(0.28F, 0.62F);
        const double side = forks == 3 ? (i - 1) : (i == 0 ? -1 : 1);
        // Branches lean back towards the vertical, as birches and beeches grow.
        const double lean = (std::numbers::pi / 2 - angle) * 0.18;
        PaintBranch(painter, seq, to, angle + side * spread + lean,
                    length * seq.Between(0.66F, 0.8F), std::max(width * 0.66, 0.45), depth - 1);
    }
}

void PaintTrees(QPainter& painter, const QRect& area) {
    struct Tree {
        float x;
        float trunk;
        int depth;
        QColor colour;
    };
    const QColor farTree(0x98, 0xAF, 0xC5, 220);
    const QColor nearTree(0x6F, 0x89, 0xA3, 235);
    const Tree trees[] = {
        {14.0F, 11.0F, 6, farTree},  {30.0F, 15.0F, 6, nearTree},  {66.0F, 12.0F, 6, farTree},
        {104.0F, 13.0F, 6, farTree}, {128.0F, 11.0F, 5, farTree},  {163.0F, 12.0F, 6, farTree},
        {196.0F, 13.0F, 6, farTree}, {225.0F, 16.0F, 6, nearTree}, {240.0F, 12.0F, 5, farTree},
    };
    Sequence seq(kSeed + 3);
    for (const Tree& tree : trees) {
        painter.setPen(QPen(tree.colour));
        const QPointF foot(area.left() + tree.x, area.top() + SnowLine(tree.x) + 2.0F);
        const double tilt = (seq.Next() - 0.5F) * 0.12F;
        PaintBranch(painter, seq, foot, std::numbers::pi / 2 + tilt, tree.trunk, tree.trunk * 0.17,
                    tree.depth);
    }
}

} // namespace

void PaintBareTreesBand(QImage& canvas, const QRect& area, QRgb fadeFrom) {
    const int scale = ScaleOf(canvas);
    const int finer = FinerOctaves(scale);
    for (int row = 0; row < area.height() * scale; ++row) {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(area.top() * scale + row));
        for (int col = 0; col < area.width() * scale; ++col) {
            line[area.left() * scale + col] =
                BandAt(DesignCoordinate(col, scale), DesignCoordinate(row, scale), fadeFrom, finer);
        }
    }
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    // The trees grow out of the mist: nothing of them reaches the band's first rows.
    painter.setClipRect(area.adjusted(0, 8, 0, 0));
    PaintTrees(painter, area);
}

} // namespace paint
