#pragma once

#include "engine/CellMarks.h"

class QPainter;
class QRectF;

namespace marovane {

// Draws a cell's marks over its picture: a spent unit darkened, a cell the selected unit can step
// to tinted pale blue, a piece it can attack, heal or repair ringed in red, green or orange, and
// the piece's health as a thin bar near the bottom (green, yellow below two thirds, red below one
// third). Every mark has a dark edge, so it reads on the grass and on every player's colour.
void PaintCellMarks(QPainter& painter, const QRectF& cell, const CellMarks& marks);

} // namespace marovane
