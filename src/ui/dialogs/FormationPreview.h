#pragma once

#include <functional>

class QWidget;

namespace marovane {

class BoardWidget;
class PictureStrip;
struct UnitSpecs;

// A board for a party's 4 x 4 starting formation, with square cells of `pixels` on grass.
BoardWidget* NewFormationBoard(QWidget* parent, int pixels);

// Every player's castle and keep outline, each around his own corner of the board, as the game's
// board draws them: the keep in black, the castle walls in the owner's colour. Earlier lines go.
void DrawCastleOutlines(BoardWidget& board, bool keeps, bool castles, int players);

// A formation as player 1 starts it, in his pictures and inside his castle and keep:
// unitAt(x, y) (x, y 1..4) is 0 for an empty cell and k for a unit of type k - 1. Each unit's
// name is its cell's tool tip.
void ShowFormation(BoardWidget& board, const std::function<int(int x, int y)>& unitAt, bool keeps,
                   bool castles, const PictureStrip& strip, const UnitSpecs& specs);

} // namespace marovane
