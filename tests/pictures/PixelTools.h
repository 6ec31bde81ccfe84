#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace marovane::test {

// Share of the pixels in area whose colour lies within radius (RGB distance) of colour.
double ShareNear(const QImage& image, const QRect& area, const QColor& colour, int radius);

// Mean absolute difference per channel between two equally sized areas of two images.
double MeanDifference(const QImage& a, const QRect& areaA, const QImage& b, const QRect& areaB);

// Mean absolute difference per channel between column x1 and column x2 of an image.
double ColumnDifference(const QImage& image, int x1, int x2);

} // namespace marovane::test
