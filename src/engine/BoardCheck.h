#pragma once

#include <string>

namespace marovane {

class Game;

// Checks that a game's board holds together: every cell holds at most one piece, with a unit
// exactly where a picture is (a type without hit points may leave its picture at strength 0);
// pictures name a player of the game and a unit type; no unit has more hit points or moves than its
// type at full strength; a player who is out owns no pieces. Answers the first fault found, or an
// empty text. Every reader of a whole board (a saved game, a board sent over the network) runs it
// before the board replaces a game's.
std::string BoardProblem(const Game& game);

} // namespace marovane
