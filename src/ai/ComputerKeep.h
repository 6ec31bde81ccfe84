#pragma once

namespace marovane {

class Game;
class KeepVisit;

// The computer's keep visit: a King or Queen in the keep is rescued and nothing else is done;
// otherwise the unit in the keep is sold, and then one unit is bought if any can be, picked at
// random among the types on offer with no regard to price or need.
void DoComputerKeep(Game& game, KeepVisit& visit);

} // namespace marovane
