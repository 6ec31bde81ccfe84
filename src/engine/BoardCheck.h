#pragma once

#include "util/Text.h"

namespace marovane {

class BoardArrays;
class Game;

// Checks the values of a board that arrived from outside (a file, another machine) before any
// rule reads them: strength codes are not negative, pictures are 0..60 and name a player of the
// game, a unit has a picture, and the seen marks are 0 or 1. Answers the first fault, or an empty
// text.
Text BoardValuesProblem(const BoardArrays& board, int players);
// A captive King or Queen of player p waits at a board cell, or is absent (0, 0) or released
// (-1, -1); anything else is a fault, answered as a text. `who` is "King" or "Queen", shown as a
// unit's name.
Text CaptiveProblem(int x, int y, int width, int height, const char* who, int p);

// Checks that a game's board holds together: every cell holds at most one piece, with a unit
// exactly where a picture is (a type without hit points may leave its picture at strength 0);
// pictures name a player of the game and a unit type; no unit has more hit points or moves than its
// type at full strength; a player who is out owns no pieces. Answers the first fault found, or an
// empty text. Every reader of a whole board (a saved game, a board sent over the network) runs it
// before the board replaces a game's.
Text BoardProblem(const Game& game);
// The same check of a board about to replace the game's, judged as the game stands (its players,
// who is out, its unit types); the board has the game's size.
Text BoardProblem(const Game& game, const BoardArrays& board);

} // namespace marovane
