#include "ui/BoardGeometry.h"

#include <cmath>

namespace marovane {

void BoardGeometry::SetSize(int width, int height) {
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
}

void BoardGeometry::SetCellWidth(int twips) {
    cellWidth_ = static_cast<float>(twips < 4 * tpp_ ? 4 * tpp_ : twips);
}

void BoardGeometry::SetCellHeight(int twips) {
    cellHeight_ = static_cast<float>(twips < 4 * tpp_ ? 4 * tpp_ : twips);
}

void BoardGeometry::FitTo(int outerWidthTwips, int outerHeightTwips) {
    if (width_ * height_ == 0)
        return;
    // Whole pixels: every division truncates the twip values.
    const int cellWidth = (((outerWidthTwips - 2 * tpp_) / width_) - spacing_) / tpp_ * tpp_;
    const int cellHeight = (((outerHeightTwips - 2 * tpp_) / height_) - spacing_) / tpp_ * tpp_;
    SetCellWidth(cellWidth);
    SetCellHeight(cellHeight);
}

int BoardGeometry::OuterWidth() const {
    return static_cast<int>((spacing_ + cellWidth_) * width_) + 4 * tpp_;
}

int BoardGeometry::OuterHeight() const {
    return static_cast<int>((spacing_ + cellHeight_) * height_) + 4 * tpp_;
}

bool BoardGeometry::CellAt(double xTwips, double yTwips, int& x, int& y) const {
    const double pitchX = cellWidth_ + spacing_;
    const double pitchY = cellHeight_ + spacing_;
    if (pitchX <= 0 || pitchY <= 0)
        return false;
    // The last cell whose rectangle holds the point: try the cell the pitch points at, then
    // the one after it, which may overlap it.
    auto find = [&](double position, double pitch, double size, int count, int& cell) {
        const double offset = position - tpp_;
        int candidate = static_cast<int>(std::floor(offset / pitch)) + 1;
        for (int c = candidate + 1; c >= candidate - 1; --c) {
            if (c < 1 || c > count)
                continue;
            const double start = (c - 1) * pitch;
            if (offset >= start && offset < start + size) {
                cell = c;
                return true;
            }
        }
        return false;
    };
    return find(xTwips, pitchX, cellWidth_, width_, x) &&
           find(yTwips, pitchY, cellHeight_, height_, y);
}

bool BoardGeometry::LinePoint(double bx, double by, double& xTwips, double& yTwips) const {
    if (bx < 0 || bx > width_ || by < 0 || by > height_)
        return false;
    int column = static_cast<int>(std::floor(bx));
    int row = static_cast<int>(std::floor(by));
    double startX = 0, startY = 0;
    // The far edges belong to the last column and row, one full pitch along.
    if (row == height_) {
        row = height_ - 1;
        startY = cellHeight_ + spacing_;
    }
    if (column == width_) {
        column = width_ - 1;
        startX = cellWidth_ + spacing_;
    }
    const double offsetX =
        std::nearbyint((bx - std::floor(bx)) * (cellWidth_ + spacing_) + tpp_ + startX);
    const double offsetY =
        std::nearbyint((by - std::floor(by)) * (cellHeight_ + spacing_) + tpp_ + startY);
    xTwips = CellLeft(column + 1) + offsetX;
    yTwips = CellTop(row + 1) + offsetY;
    return true;
}

bool BoardGeometry::CircleBox(double x, double y, double radius, Box& box) const {
    if (x < 1 || x > width_ || y < 1 || y > height_)
        return false;
    const int cellX = static_cast<int>(std::floor(x));
    const int cellY = static_cast<int>(std::floor(y));
    const double pitchX = spacing_ + cellWidth_;
    const double pitchY = spacing_ + cellHeight_;
    const double offsetX =
        std::nearbyint(std::nearbyint((static_cast<int>(cellWidth_) / 2 + tpp_) - pitchX * radius) +
                       (x - cellX) * pitchX);
    const double offsetY = std::nearbyint(
        std::nearbyint((static_cast<int>(cellHeight_) / 2 + tpp_) - pitchY * radius) +
        (y - cellY) * pitchY);
    box.Left = CellLeft(cellX) + offsetX;
    box.Top = CellTop(cellY) + offsetY;
    box.Width = pitchX * 2 * radius;
    box.Height = pitchY * 2 * radius;
    return true;
}

} // namespace marovane
