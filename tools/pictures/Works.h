#pragma once

class QColor;
class QPainter;

namespace marovane::art::figure {

// The pieces that are not people: the catapult and the wall piece of a castle.
void Catapult(QPainter& painter, const QColor& player);
void WallPiece(QPainter& painter, const QColor& player);

} // namespace marovane::art::figure
