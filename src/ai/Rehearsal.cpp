#include "ai/Rehearsal.h"

#include "ai/ComputerTurn.h"
#include "ai/PlayerSight.h"

#include <algorithm>
#include <cstdlib>

namespace marovane {

namespace {

// Every cell counts as explored by everybody on the copy: the player knows only his own marks.
constexpr uint8_t kExplored = 127;

} // namespace

Rehearsal::Rehearsal(const Game& game, int player, const std::vector<uint8_t>& done,
                     const PlayerSight& sight, const DistanceField& goals)
    : real_(game), player_(player), done_(done), sight_(sight), goals_(goals),
      board_(game.BoardWidth, game.BoardHeight, game.NumPlayers),
      copy_(std::make_unique<Game>(game.Specs(), port_, 1)) {
    const uint8_t own = static_cast<uint8_t>(1u << player);
    for (int x = 0; x <= game.BoardWidth; ++x) {
        for (int y = 0; y <= game.BoardHeight; ++y)
            board_.BoardMark(x, y) =
                static_cast<uint8_t>(kExplored & ~own) | (game.BoardMark(x, y) & own);
    }
    // Only what the player sees goes on the copy.
    std::vector<Cell> units;
    for (int i = 0; i < sight.CellCount(); ++i) {
        const Cell c = sight.CellAt(i);
        const Piece& piece = sight.At(c);
        if (!piece.Alive())
            continue;
        board_.BoardUnit(c.X, c.Y) = static_cast<int16_t>(piece.HitPoints * 10 + piece.MovesLeft);
        board_.BoardPic(c.X, c.Y) =
            static_cast<int16_t>(PictureNumber(piece.Owner, piece.Type) + 1);
        if (piece.Owner == player && piece.Type != unit_type::Wall)
            units.push_back(c);
    }
    // An enemy matters when one of his units could meet one of the player's within the two
    // turns a try plays.
    const UnitSpecs& specs = game.Specs();
    for (int i = 0; i < sight.CellCount(); ++i) {
        const Cell c = sight.CellAt(i);
        const Piece& piece = sight.At(c);
        if (!piece.Alive() || piece.Type == unit_type::Wall || !sight.Enemy(piece.Owner) ||
            near_[piece.Owner])
            continue;
        const int reach = 2 * (specs.Moves(piece.Type) + specs.UnitRange[piece.Type]) + 4;
        near_[piece.Owner] = std::any_of(units.begin(), units.end(), [&](Cell unit) {
            return std::abs(unit.X - c.X) <= reach && std::abs(unit.Y - c.Y) <= reach;
        });
    }
}

void Rehearsal::Reset(uint64_t seed) {
    Game& copy = *copy_;
    const Game& game = real_;
    copy.Def = game.Def;
    copy.NumPlayers = game.NumPlayers;
    copy.BoardWidth = game.BoardWidth;
    copy.BoardHeight = game.BoardHeight;
    copy.CurrentPlayer = static_cast<int16_t>(player_);
    copy.KilledThisTurn = game.KilledThisTurn;
    copy.PlayerOut = game.PlayerOut;
    // Every player still in is played by the computer here; the others keep what makes their
    // castle open or closed.
    copy.PlayerComp = game.PlayerComp;
    for (int p = 1; p <= game.NumPlayers; ++p) {
        if (!game.PlayerOut[p])
            copy.PlayerComp[p] = true;
        copy.Money[p] = p == player_ ? game.Money[p] : 0;
        copy.PlayerResult[p] = p == player_ ? game.PlayerResult[p] : 0;
        copy.PlayerBias[p] = 0;
        copy.KingX[p] = copy.KingY[p] = copy.QueenX[p] = copy.QueenY[p] = 0;
    }
    copy.FogOn = game.FogOn;
    copy.Reward = game.Reward;
    copy.MaxParty = game.MaxParty;
    copy.WinCond = game.WinCond;
    copy.LoseCond = game.LoseCond;
    // The captives are not on the copy, so nobody can be judged to have lost his royals.
    copy.LoseCond[2] = false;
    copy.TeamsMode = game.TeamsMode;
    copy.RoundFlag = game.RoundFlag;
    copy.NoThinking = true;
    copy.HideOpponents = false;
    // The teams of a guest's game are those the host told it.
    copy.Role = game.Role == NetworkRole::Guest ? NetworkRole::Guest : NetworkRole::Local;
    copy.MyPlayer = game.MyPlayer;
    copy.NetTeam = game.NetTeam;
    copy.ReplaceBoard(board_);
    copy.Rng().Seed(seed);
    copy.GameOn = true;
    copy.Update();
}

void Rehearsal::EndTurn() {
    Game& copy = *copy_;
    copy.KilledThisTurn = 0;
    copy.RenewAllMoves();
}

void Rehearsal::PlayEnemies() {
    Game& copy = *copy_;
    for (int step = 1; step < copy.NumPlayers && copy.GameOn; ++step) {
        const int p = (player_ - 1 + step) % copy.NumPlayers + 1;
        if (copy.PlayerOut[p] || copy.SameTeam(p, player_) || !near_[p])
            continue;
        copy.CurrentPlayer = static_cast<int16_t>(p);
        copy.Update();
        DoComputerMoves(copy, p);
        EndTurn();
    }
    copy.CurrentPlayer = static_cast<int16_t>(player_);
}

double Rehearsal::Try(const UnitPlan* plan, uint64_t seed) {
    Reset(seed);
    Game& copy = *copy_;
    std::vector<uint8_t> done = done_;
    if (plan) {
        Cell at = plan->Unit;
        for (const Cell step : plan->Path) {
            int x = step.X;
            if (!copy.MovePiece(at.X, at.Y, x, step.Y))
                break;
            at = step;
        }
        if (plan->Target && at == (plan->Path.empty() ? plan->Unit : plan->Path.back()))
            copy.Battle(at.X, at.Y, plan->Target->X, plan->Target->Y);
        if (copy.OnBoard(at.X, at.Y))
            done[static_cast<size_t>((at.Y - 1) * copy.BoardWidth + at.X - 1)] = 1;
        if (copy.GameOn)
            PlayPlannedTurn(copy, player_, done, goals_, sight_);
    }
    if (copy.GameOn) {
        EndTurn();
        PlayEnemies();
    }
    if (copy.GameOn && !copy.PlayerOut[player_]) {
        std::vector<uint8_t> fresh(done.size(), 0);
        copy.Update();
        PlayPlannedTurn(copy, player_, fresh, goals_, sight_);
    }
    // The player judges the end with everything on the copy in view.
    copy.FogOn = false;
    copy.CurrentPlayer = static_cast<int16_t>(player_);
    copy.GameOn = true;
    copy.Update();
    const PlayerSight sight(copy, player_, sight_);
    return HardPlanner(sight, &goals_).Standing();
}

} // namespace marovane
