#include "PixelTools.h"

#include <cstdlib>

namespace marovane::test {

namespace {

int ChannelDifference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

double ShareNear(const QImage& image, const QRect& area, const QColor& colour, int radius) {
    long near = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const int dr = qRed(line[x]) - colour.red();
            const int dg = qGreen(line[x]) - colour.green();
            const int db = qBlue(line[x]) - colour.blue();
            near += dr * dr + dg * dg + db * db <= radius * radius;
        }
    }
    return double(near) / (double(area.width()) * area.height());
}

double MeanDifference(const QImage& a, const QRect& areaA, const QImage& b, const QRect& areaB) {
    long sum = 0;
    for (int y = 0; y < areaA.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(areaA.top() + y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(areaB.top() + y));
        for (int x = 0; x < areaA.width(); ++x)
            sum += ChannelDifference(lineA[areaA.left() + x], lineB[areaB.left() + x]);
    }
    return double(sum) / (3.0 * areaA.width() * areaA.height());
}

double ColumnDifference(const QImage& image, int x1, int x2) {
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
        sum += ChannelDifference(image.pixel(x1, y), image.pixel(x2, y));
    return double(sum) / (3.0 * image.height());
}

} // namespace marovane::test
