#pragma once

#include "scenario/PlayerCorner.h"

#include <optional>
#include <variant>
#include <vector>

namespace marovane {

class Game;

// What the rules did, told as they do it, so that a log, an animation or a replay follows the
// game without reading the board twice. Cells are board cells; players 1..4; types 0..14.
namespace game_event {

// A unit stepped to a neighbouring cell.
struct Step {
    int Player = 0;
    int Type = 0;
    Cell From, To;
    bool operator==(const Step&) const = default;
};

// An attack that was fought: its hit test, the hit points it took off, and the strike back of a
// surviving neighbour.
struct Battle {
    int Attacker = 0, AttackerType = 0;
    int Target = 0, TargetType = 0;
    Cell From, To;
    bool Hit = false;
    int Damage = 0; // hit points a hit takes off; 0 on a miss
    bool TargetKilled = false;
    std::optional<int> Counter; // the damage struck back, when the target struck back
    bool AttackerKilled = false;
    bool operator==(const Battle&) const = default;
};

// A priest healed a team-mate, or a peasant repaired a wall piece: the hit points restored (0
// when the attempt missed, or the piece was whole).
struct Heal {
    int Player = 0;
    Cell From, To;
    int TargetType = 0;
    int Restored = 0;
    bool operator==(const Heal&) const = default;
};
struct Repair {
    int Player = 0;
    Cell From, To;
    int Restored = 0;
    bool operator==(const Repair&) const = default;
};

// The end-of-turn visit to a keep: what was bought, sold or rescued there, and for how much.
struct Purchase {
    int Player = 0;
    int Type = 0;
    Cell Keep;
    int Price = 0;
    bool operator==(const Purchase&) const = default;
};
struct Sale {
    int Player = 0;
    int Type = 0;
    Cell Keep;
    int Price = 0;
    bool operator==(const Sale&) const = default;
};
struct Rescue {
    int Player = 0;
    int Type = 0; // King or Queen
    Cell Keep;
    int Reward = 0;
    bool operator==(const Rescue&) const = default;
};

// A captive King or Queen joined its owner, whose unit came next to it.
struct Freed {
    int Player = 0;
    int Type = 0;
    Cell At;
    bool operator==(const Freed&) const = default;
};

// An enemy in a player's keep took money from the treasury without taking the castle.
struct Raid {
    int Raider = 0, Victim = 0;
    Cell Keep;
    int Amount = 0;
    bool operator==(const Raid&) const = default;
};

// An enemy in a player's keep took the castle: the player is out, the treasury changes hands.
struct CastleTaken {
    int Conqueror = 0, Loser = 0;
    Cell Keep;
    int Treasury = 0;
    bool operator==(const CastleTaken&) const = default;
};

// A player is out of the game: 0 resigned, 1 conquered, 2 royals lost, 3 castle taken.
struct PlayerOut {
    int Player = 0;
    int Reason = 0;
    bool operator==(const PlayerOut&) const = default;
};

struct TurnStart {
    int Player = 0;
    bool operator==(const TurnStart&) const = default;
};

// The game is over: the winner and why (1 conquest, 2 royal victory), or nobody (0) when it ended
// otherwise.
struct GameEnd {
    int Winner = 0;
    int Reason = 0;
    bool Team = false;
    bool operator==(const GameEnd&) const = default;
};

} // namespace game_event

using GameEvent =
    std::variant<game_event::Step, game_event::Battle, game_event::Heal, game_event::Repair,
                 game_event::Purchase, game_event::Sale, game_event::Rescue, game_event::Freed,
                 game_event::Raid, game_event::CastleTaken, game_event::PlayerOut,
                 game_event::TurnStart, game_event::GameEnd>;

// Hears every event of a game as the rules publish it. A listener only looks: it must not change
// the game or let the window run.
class GameEventListener {
public:
    virtual ~GameEventListener() = default;
    virtual void Heard(const Game& game, const GameEvent& event) = 0;
};

// The board cells an event happened on; none for the events of a whole player or game.
std::vector<Cell> EventCells(const GameEvent& event);

// Whether the board's viewer may learn of the event: under fog of war only what happened on a
// cell the current player sees now (or to a whole player); without fog everything.
bool EventShown(const Game& game, const GameEvent& event);

// Whether player `viewer` may learn of the event, whoever's turn it is: under fog of war only what
// happened on a cell he sees now (Game::SightOf), or to a whole player; without fog everything. A
// human watching another player's turn learns no more than his own units see.
bool EventShownTo(const Game& game, const GameEvent& event, int viewer);

// Which of the event's cells (as EventCells lists them) player `viewer` sees now, so that what
// stands on a hidden one is not told: all of them without fog of war.
std::vector<bool> CellsShownTo(const Game& game, const GameEvent& event, int viewer);

} // namespace marovane
