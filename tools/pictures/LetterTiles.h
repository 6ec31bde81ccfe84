#pragma once

class QPainter;

namespace marovane::art {

// The "Alphabet" picture set, the tutorial's: a letter or short abbreviation per unit type on a
// bevelled tile in the owner's colour. Draws one cell in the 64 x 64 design space.
void DrawLetterCell(QPainter& painter, int player, int type);

} // namespace marovane::art
