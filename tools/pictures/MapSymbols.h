#pragma once

class QPainter;

namespace marovane::art {

// The "Symbols" picture set: plain military map symbols. A frame filled with the owner's
// colour holds the branch sign (crossed lines for infantry, a diagonal for cavalry, a dot for
// the siege engine, ...) and bars above it give the weight: one light, two medium, three heavy.
// Draws one cell in the 64 x 64 design space.
void DrawSymbolCell(QPainter& painter, int player, int type);

} // namespace marovane::art
