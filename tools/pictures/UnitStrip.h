#pragma once

#include <QImage>
#include <QRect>

#include <functional>

class QPainter;

namespace marovane::art {

// The layout the game reads: 3 columns by 20 rows of square cells; player p's unit type t is
// cell (p - 1) * 15 + t, counted row by row.
inline constexpr int kStripColumns = 3;
inline constexpr int kStripRows = 20;
inline constexpr int kPlayers = 4;
inline constexpr int kUnitTypes = 15;

// Each cell is drawn in a 64 x 64 design space whatever its size in pixels, so one drawing
// serves every cell size.
inline constexpr double kDesignSize = 64.0;

// Cells of 96 pixels divide evenly into the 24, 32 and 48 pixel cells of common board sizes.
inline constexpr int kCellPixels = 96;

using CellPainter = std::function<void(QPainter& painter, int player, int type)>;

QRect StripCell(int player, int type, int cellPixels);

// Draws all 60 cells with paint, each clipped to its cell and scaled to the design space.
QImage MakeStrip(const CellPainter& paint, int cellPixels = kCellPixels);

// One cell alone, for contact sheets and icons.
QImage MakeCell(const CellPainter& paint, int player, int type, int cellPixels);

} // namespace marovane::art
