#pragma once

#include "ai/BoardCell.h"

#include <functional>

namespace marovane {

class Game;
class KeepVisit;

// Told of every order of the hard computer just before the rules carry it out: a step of the
// unit on `from` to `to`, or its attack (healing, repair) on the piece on `to`.
using OrderWatch = std::function<void(const Game& game, Cell from, Cell to, bool attack)>;

// What the rehearsals of a hard turn may cost, in tries times the pieces on the board (a try
// takes time in proportion to them): the moves thought of first in a turn are tried out, the
// rest go by the planner alone once it is spent.
inline constexpr long kHardRehearsalBudget = 30000;

// Plays the whole turn of `player`, a computer played on this machine, at the hard level. Time
// and again it weighs every unit's best move and attack on the board as the player sees it,
// tries the likeliest out on copies of that board against the standard computer's replies,
// carries out the one that fares best, and looks again, until no unit has anything worth doing.
// It moves and fights through the same rules as a human's clicks. Like the standard computer's
// turn it returns when the game stops, another game starts, or the player is handed to a human,
// and it lets window events run at least every few hundredths of a second.
void PlayHardTurn(Game& game, int player, const OrderWatch& watch = {},
                  long rehearsalBudget = kHardRehearsalBudget);

// The hard computer's keep visit: a King or Queen in the keep is rescued; otherwise, when the
// keep is empty, the strongest fighter the treasury can buy.
void DoHardKeep(Game& game, KeepVisit& visit);

// How much a unit type is worth in a fight, from its table: hit points times the damage it
// deals, more for reach, moves and a cavalry charge. The keep buys by it.
double FightingStrength(const Game& game, int type);

} // namespace marovane
