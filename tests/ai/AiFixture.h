#pragma once

#include "ai/BoardCell.h"
#include "ai/TargetSearch.h"
#include "ai/TurnGuard.h"
#include "support/RulesFixture.h"

#include <ostream>

namespace marovane {

inline void PrintTo(const Cell& c, std::ostream* out) {
    *out << "(" << c.X << ", " << c.Y << ")";
}

} // namespace marovane

namespace marovane::test {

// A game on a small board for the computer player, with a unit table whose battles are exact:
// every type has 9 hit points and 3 moves and deals 2 damage at range 1, with no bonuses.
class AiFixture : public RulesFixture {
protected:
    void SetUp() override { specs = ExactSpecs(); }
    void Moves(int type, int moves) {
        specs.UnitStrength[type] = static_cast<int16_t>(specs.UnitStrength[type] / 10 * 10 + moves);
    }
    void SetMoves(int x, int y, int moves) {
        game->BoardUnit(x, y) = static_cast<int16_t>(game->BoardUnit(x, y) / 10 * 10 + moves);
    }
    // Player p is a computer and it is his turn.
    TurnGuard ComputerTurnOf(int p) {
        game->CurrentPlayer = static_cast<int16_t>(p);
        game->PlayerComp[p] = true;
        game->Update();
        return TurnGuard(*game, p);
    }
    Target Find(int x, int y, int flags, int player = 1, int range = 1) {
        return FindTarget(*game, x, y, flags, range, player);
    }
    bool Occupied(int x, int y) const { return game->PicNum(x, y) >= 0; }
};

} // namespace marovane::test
