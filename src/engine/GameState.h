#pragma once

#include "engine/GameNetwork.h"
#include "engine/GamePort.h"
#include "scenario/GameDef.h"

#include <array>
#include <cstdint>
#include <string>

namespace marovane {

inline constexpr int kMaxPlayers = 4;
// The largest board side a game accepts. Saved games and the network carry whole boards, and
// their readers bound what they allocate by this size.
inline constexpr int kMaxBoardSide = 60;

// Per-player values, indexed by player number 1..4 (index 0 is unused).
template <typename T> using PerPlayer = std::array<T, kMaxPlayers + 1>;

// The players' colours in a new game: bright green, red, blue and cyan.
inline constexpr PerPlayer<Rgb> kStandardPlayerColors{0, 0x00FF00, 0xFF0000, 0x0000FF, 0x00FFFF};

// The game's state apart from its board arrays, in groups. Fields carry the names the rules use;
// numbers are 16-bit like the files and messages that carry them. GameStateFields.h lists which
// of them each file and message carries.

// The scenario the game was made from.
struct ScenarioState {
    GameDef Def;
    std::string ScenarioName; // Latin-1, as the file name it came from
    bool operator==(const ScenarioState&) const = default;
};

// Whose turn it is and what happened in it so far.
struct TurnState {
    bool GameOn = false;
    int16_t CurrentPlayer = 0;
    int16_t KilledThisTurn = 0;
    int16_t RoundFlag = 0;
    // The selected cell; HighX 0 when nothing is selected, HighOn while its highlight shows.
    int16_t HighX = 0;
    int16_t HighY = 0;
    bool HighOn = false;
    // How many of the current player's units "next unit" has offered this turn.
    int16_t NextUnitIndex = 0;
    // Whether "Next Turn" may be pressed: set once the current human moved.
    bool NextTurnEnabled = false;
    bool operator==(const TurnState&) const = default;
};

// The board's size; the arrays themselves belong to the game (BoardArrays).
struct BoardSize {
    int16_t BoardWidth = 0;
    int16_t BoardHeight = 0;
    bool operator==(const BoardSize&) const = default;
};

// The players: how many, their treasuries, results, captives and colours.
struct PlayersState {
    int16_t NumPlayers = 0;
    PerPlayer<int16_t> Money{};
    PerPlayer<bool> PlayerOut{};
    PerPlayer<bool> PlayerComp{};
    PerPlayer<int16_t> PlayerResult{};
    PerPlayer<float> PlayerBias{};
    PerPlayer<int16_t> KingX{}, KingY{}, QueenX{}, QueenY{};
    PerPlayer<Rgb> PlayerColor = kStandardPlayerColors;
    bool operator==(const PlayersState&) const = default;
};

// How this game is played: its rules of victory and defeat, its options, and its view settings.
struct GameSettings {
    bool FogOn = false;
    int16_t Reward = 0;
    int16_t MaxParty = 0;
    std::array<bool, 3> WinCond{};  // 1: conquest, 2: royal victory
    std::array<bool, 4> LoseCond{}; // 0: resigned, 1: conquered, 2: royals lost, 3: castle taken
    // More than one human shares this machine.
    bool HotSeat = false;
    bool HideOpponents = false;
    bool NoThinking = false;
    int16_t TeamsMode = 0;
    // The file the game was last loaded from or saved to.
    std::string SaveFile;
    bool operator==(const GameSettings&) const = default;
};

// This machine's part in a network game; no file carries it.
struct NetworkSeats {
    NetworkRole Role = NetworkRole::Local;
    int16_t MyPlayer = 0;
    // The connection number of the guest that plays each player, on the host; 0 for none.
    PerPlayer<int16_t> RemotePlayer{};
    // Which players are on this guest's side, as the host told it.
    PerPlayer<bool> NetTeam{};
    bool operator==(const NetworkSeats&) const = default;
};

// One game's state as a value: copied, compared, saved, sent and printed whole.
struct GameState : ScenarioState, TurnState, BoardSize, PlayersState, GameSettings, NetworkSeats {
    bool operator==(const GameState&) const = default;
};

} // namespace marovane
