#pragma once

#include "engine/Game.h"
#include "engine/GameEvent.h"

#include <functional>
#include <optional>
#include <string>

namespace marovane {

// What happened in one game so far, counted from the rules' events: the round, and per player
// the units lost, the units destroyed and the money spent in the keep. The side panel shows the
// round, the end-of-game summary the rest. A saved game does not hold these numbers, so a
// loaded game is counted from its loading on.
class GameRecord : public GameEventListener {
public:
    struct Tally {
        int UnitsLost = 0;
        int UnitsDestroyed = 0;
        int MoneySpent = 0;
        bool operator==(const Tally&) const = default;
    };

    // A new game is about to start: nothing counted yet, and its players are known from its
    // first event.
    void Restart();
    // A game was loaded: counting starts afresh from its current turn. Its round is known only
    // while it is still in its first round.
    void Resume(const Game& game);

    void Heard(const Game& game, const GameEvent& event) override;

    // Called after every event that changed a number shown.
    std::function<void()> Changed;

    // The round under way: a round ends when the turn passes from the last slot back to the
    // first.
    int Round() const { return round_; }
    // Whether Round counts from the game's first round (not from a loading later on).
    bool RoundKnown() const { return roundKnown_; }
    // "Round 3", or "Round 3 since loading" for a game loaded after its first round.
    Text RoundText() const;
    const Tally& For(int player) const { return tallies_[static_cast<size_t>(player)]; }
    // How the game ended, once it has.
    const std::optional<game_event::GameEnd>& Ending() const { return ending_; }
    int NumPlayers() const { return numPlayers_; }

private:
    void Begin(const Game& game, bool firstRound, int lastTurn);

    bool started_ = false;
    int round_ = 1;
    bool roundKnown_ = true;
    int lastTurn_ = 0;
    int numPlayers_ = 0;
    PerPlayer<Tally> tallies_{};
    std::optional<game_event::GameEnd> ending_;
};

} // namespace marovane
