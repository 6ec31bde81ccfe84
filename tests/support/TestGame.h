#pragma once

#include "engine/BoardArrays.h"
#include "engine/Game.h"
#include "engine/GameStateFields.h"
#include "scenario/GameDef.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace marovane::test {

// A unit table with simple, fixed numbers, so tests do not follow the shipped balance.
// Type t has strength (t + 2) * 10 + (t % 4) + 1, except the wall piece (150, no moves), and
// costs 100 + 10 t; King and Queen cost -1.
UnitSpecs TestSpecs();

// A unit table whose battles are exact: every type has 9 hit points and 3 moves and deals 2
// damage at range 1, with no bonuses; the wall piece has 15 hit points.
UnitSpecs ExactSpecs();

// A plain two-to-four player scenario: no castles, keeps or royalty, a peasant and an infantryman
// at the player's relative cells (1, 1) and (2, 1).
GameDef PlainDef(int width, int height);

// A folder in the system's temporary folder, removed with everything in it when it goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Write(const std::string& name, const GameDef& def) const;
    std::filesystem::path WriteBytes(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Slot types for n human players.
NewGameSetup Humans(int n);

// Everything of a game's state that a refused new game must not touch: the state as a value, and
// the board as a whole value, so whatever either comes to hold is compared too.
struct Snapshot {
    explicit Snapshot(const Game& game) : State(game.State()), Board(game.Board()) {}
    // Only the fields that a format carries (see GameStateFields.h), the others left at their
    // defaults.
    Snapshot(const Game& game, unsigned format) : Board(game.Board()) {
        CopyCarriedFields(game.State(), State, format);
    }
    bool operator==(const Snapshot&) const = default;

    GameState State;
    BoardArrays Board;
};

} // namespace marovane::test

namespace marovane {

// How a board shows in a failed expectation: its size, then each array row by row.
void PrintTo(const BoardArrays& board, std::ostream* out);
// How a state shows: every field of its table by name.
void PrintTo(const GameState& state, std::ostream* out);

namespace test {
void PrintTo(const Snapshot& snapshot, std::ostream* out);
} // namespace test

} // namespace marovane
