#include "session/GameRecord.h"

namespace marovane {

namespace {

// Wall pieces are part of a castle, not units: a wall knocked down is neither lost nor destroyed
// as a unit.
bool IsUnit(int type) {
    return type != unit_type::Wall;
}

bool ValidPlayer(int p) {
    return p >= 1 && p <= kMaxPlayers;
}

} // namespace

void GameRecord::Begin(const Game& game, bool firstRound, int lastTurn) {
    Restart();
    started_ = true;
    roundKnown_ = firstRound;
    lastTurn_ = lastTurn;
    numPlayers_ = game.NumPlayers;
}

void GameRecord::Restart() {
    started_ = false;
    round_ = 1;
    roundKnown_ = true;
    lastTurn_ = 0;
    tallies_ = {};
    ending_.reset();
}

void GameRecord::Resume(const Game& game) {
    // The turn order passes back to slot 1 for the first time at the end of the first round.
    Begin(game, game.RoundFlag != 0, game.CurrentPlayer);
    if (Changed)
        Changed();
}

Text GameRecord::RoundText() const {
    return (roundKnown_ ? Tx("Events", "Round %1") : Tx("Events", "Round %1 since loading"))
        .Arg(round_);
}

void GameRecord::Heard(const Game& game, const GameEvent& event) {
    // A new game is counted from its first event.
    if (!started_)
        Begin(game, true, 0);
    if (const auto* turn = std::get_if<game_event::TurnStart>(&event)) {
        // The turn went round past the last slot to an earlier one.
        if (lastTurn_ >= 1 && turn->Player <= lastTurn_)
            ++round_;
        lastTurn_ = turn->Player;
    } else if (const auto* battle = std::get_if<game_event::Battle>(&event)) {
        if (battle->TargetKilled && IsUnit(battle->TargetType) && ValidPlayer(battle->Target) &&
            ValidPlayer(battle->Attacker)) {
            ++tallies_[static_cast<size_t>(battle->Target)].UnitsLost;
            ++tallies_[static_cast<size_t>(battle->Attacker)].UnitsDestroyed;
        }
        if (battle->AttackerKilled && IsUnit(battle->AttackerType) && ValidPlayer(battle->Target) &&
            ValidPlayer(battle->Attacker)) {
            ++tallies_[static_cast<size_t>(battle->Attacker)].UnitsLost;
            ++tallies_[static_cast<size_t>(battle->Target)].UnitsDestroyed;
        }
    } else if (const auto* purchase = std::get_if<game_event::Purchase>(&event)) {
        if (ValidPlayer(purchase->Player))
            tallies_[static_cast<size_t>(purchase->Player)].MoneySpent += purchase->Price;
    } else if (const auto* end = std::get_if<game_event::GameEnd>(&event)) {
        ending_ = *end;
    } else {
        return;
    }
    if (Changed)
        Changed();
}

} // namespace marovane
