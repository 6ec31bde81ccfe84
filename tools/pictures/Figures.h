#pragma once

class QPainter;

namespace marovane::art {

// The "People" picture set: a figure per unit type, standing on a card in the owner's colour.
// Draws one cell in the 64 x 64 design space.
void DrawPeopleCell(QPainter& painter, int player, int type);

} // namespace marovane::art
