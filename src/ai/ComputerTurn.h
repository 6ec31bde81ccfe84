#pragma once

#include "engine/Game.h"

#include <vector>

namespace marovane {

// Plays the whole turn of `player`, a computer played on this machine: three passes over his
// units, each unit in turn carrying out the first of its intentions that finds something to do.
// Returns when the turn is over, when the game stops, when another game has started, or when
// the player was handed back to a human. It does not pass the turn on.
void DoComputerMoves(Game& game, int player);

// The player's pieces in the order they act in a pass of his turn.
std::vector<PartyPiece> ActingOrder(const Game& game, int player);

// Whether the player has peasants to spare for fighting. In a game with castles the first few
// stay home to repair the walls: up to 4, or up to 6 while the player still owns a wall piece.
bool PeasantSurplus(const Game& game, int player);

} // namespace marovane
