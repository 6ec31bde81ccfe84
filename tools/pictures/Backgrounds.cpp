#include "Backgrounds.h"

#include "Noise.h"
#include "Paint.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace marovane::art {

namespace {

double Smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QRgb Blend(double r, double g, double b) {
    auto channel = [](double v) { return std::clamp(int(v + 0.5), 0, 255); };
    return qRgb(channel(r), channel(g), channel(b));
}

// Draws a small shape at its place and again one tile over wherever it crosses an edge, so
// the finished tile has no seam.
template <typename Draw> void Wrapped(double size, Draw draw) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            draw(QPointF(dx * size, dy * size));
}

} // namespace

QImage MakeGrass(int size) {
    Rng rng(1920);
    const TileFractal meadow(4, 5, rng);
    const TileFractal tufts(32, 3, rng);
    const TileNoise soil(5, rng);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double u = double(x) / size, v = double(y) / size;
            const double patch = meadow.At(u, v);
            const double detail = tufts.At(u, v) - 0.5;
            // Worn patches of bare earth where the soil noise peaks.
            const double earth = Smoothstep(0.6, 0.9, soil.At(u, v)) * 0.32;
            double r = 62 + 26 * patch, g = 90 + 32 * patch, b = 42 + 14 * patch;
            r += (112 - r) * earth;
            g += (100 - g) * earth;
            b += (64 - b) * earth;
            const double shade = 1 + 0.14 * detail;
            line[x] = Blend(r * shade, g * shade, b * shade);
        }
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Short blades of grass in lighter and darker greens, leaning a little either way.
    for (int i = 0; i < size * size / 90; ++i) {
        const QPointF root(rng.Uniform() * size, rng.Uniform() * size);
        const double length = rng.Range(3, 8);
        const double lean = rng.Range(-0.5, 0.5);
        const QPointF tip = root + QPointF(std::sin(lean) * length, -std::cos(lean) * length);
        const bool light = rng.Uniform() < 0.55;
        const QColor colour = light ? QColor(128, 158, 78, 70) : QColor(34, 56, 24, 80);
        painter.setPen(QPen(colour, rng.Range(0.8, 1.4), Qt::SolidLine, Qt::RoundCap));
        Wrapped(size, [&](QPointF shift) { painter.drawLine(root + shift, tip + shift); });
    }
    // A few pale specks of clover and daisies.
    for (int i = 0; i < size * size / 4000; ++i) {
        const QPointF spot(rng.Uniform() * size, rng.Uniform() * size);
        const QColor colour =
            rng.Uniform() < 0.5 ? QColor(226, 222, 190, 110) : QColor(210, 200, 110, 100);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        Wrapped(size, [&](QPointF shift) { painter.drawEllipse(spot + shift, 1.0, 1.0); });
    }
    return image;
}

QImage MakeHideCover(QSize size) {
    Rng rng(77);
    const TileFractal fibres(6, 5, rng);
    const TileFractal stains(3, 3, rng);
    const int width = size.width(), height = size.height();
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const double paper = fibres.At(u * 2, v * 1.5);
            const double stain = Smoothstep(0.55, 0.8, stains.At(u, v));
            // Darker toward the edges, like old paper browned by handling.
            const double dx = (u - 0.5) * 2, dy = (v - 0.5) * 2;
            const double edge = std::pow(std::min(1.0, (dx * dx + dy * dy) / 2), 1.6);
            double r = 232 + 14 * paper, g = 214 + 14 * paper, b = 172 + 12 * paper;
            r -= 30 * stain + 90 * edge;
            g -= 36 * stain + 100 * edge;
            b -= 40 * stain + 100 * edge;
            line[x] = Blend(r, g, b);
        }
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor sepia(120, 84, 44);
    // A faint diamond lattice over the whole sheet.
    QColor lattice = sepia;
    lattice.setAlpha(34);
    painter.setPen(QPen(lattice, 1.4));
    const double step = 56;
    for (double d = -height; d < width + height; d += step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + height, height));
        painter.drawLine(QPointF(d, height), QPointF(d + height, 0));
    }
    // A compass rose in the middle.
    const QPointF centre(width / 2.0, height / 2.0);
    const double radius = std::min(width, height) * 0.26;
    QColor ink = sepia;
    ink.setAlpha(90);
    painter.setPen(QPen(ink, 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, radius * 0.92, radius * 0.92);
    for (int point = 0; point < 8; ++point) {
        const double angle = point * std::numbers::pi / 4;
        const double reach = point % 2 ? radius * 0.62 : radius * 1.12;
        const double half = point % 2 ? 0.16 : 0.12;
        const QPointF tip = centre + QPointF(std::sin(angle), -std::cos(angle)) * reach;
        const QPointF left =
            centre +
            QPointF(std::sin(angle - half * 2), -std::cos(angle - half * 2)) * radius * 0.22;
        const QPointF right =
            centre +
            QPointF(std::sin(angle + half * 2), -std::cos(angle + half * 2)) * radius * 0.22;
        QPainterPath blade;
        blade.moveTo(centre);
        blade.lineTo(left);
        blade.lineTo(tip);
        blade.lineTo(right);
        blade.closeSubpath();
        QColor fill = sepia;
        fill.setAlpha(point % 2 ? 40 : 70);
        painter.setBrush(fill);
        painter.drawPath(blade);
    }
    painter.setBrush(ink);
    painter.drawEllipse(centre, radius * 0.06, radius * 0.06);
    // A ruled double border.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 2.0));
    painter.drawRect(QRectF(28, 28, width - 56, height - 56));
    painter.setPen(QPen(ink, 1.0));
    painter.drawRect(QRectF(36, 36, width - 72, height - 72));
    return image;
}

} // namespace marovane::art
