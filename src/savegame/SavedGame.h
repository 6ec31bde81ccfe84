#pragma once

#include "util/Text.h"

#include "engine/BoardArrays.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "scenario/GameDef.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace marovane {

// A saved game (".mvg") is the tag "MVG", the game's scenario record, the scenario name and then
// the game's state in a fixed order, little-endian, with no length fields or checksum:
//
//   tag "MVG" (3 bytes), Def (2060 bytes), name length L (16-bit), name (L bytes, Latin-1),
//   GameOn, CurrentPlayer, NumPlayers N, KilledThisTurn, BoardWidth W, BoardHeight H,
//   BoardUnit (W x H), BoardPic (W x H), Seen (bytes, W x H x N), BoardMark (bytes, W+1 x H+1),
//   KingX, KingY, QueenX, QueenY, Money (4 each), PlayerColor (4 x 32-bit), PlayerOut,
//   PlayerResult, PlayerComp (4 each), PlayerBias (4 x 32-bit float), a resize guard (always
//   False), RoundFlag, HighX, HighY, HighOn, FogOn, Reward, MaxParty, HideOpponents, NoThinking,
//   TeamsMode, WinCond (2), LoseCond (4, index 0..3), whether Next Turn was enabled.
//
// Numbers are 16-bit unless noted, flags 16-bit with True = -1 and False = 0, and arrays run
// with their first index fastest (x, then y, then the player).

inline constexpr std::string_view kSavedGameTag = "MVG";
// The one message every refused saved game starts with.
// Translated under "Files".
inline constexpr const char* kInvalidSaveFile = MAROVANE_TEXT("Files", "Invalid save file.");
// Scenario names come from file names, which are far shorter than this.
inline constexpr int kMaxSavedNameLength = 255;

// The size of a saved game without any trailing bytes.
constexpr size_t SavedGameSize(size_t nameLength, size_t width, size_t height, size_t players) {
    return 2209 + nameLength + 4 * width * height + width * height * players +
           (width + 1) * (height + 1);
}
// No saved game is longer than this; a reader never needs more bytes of a file.
inline constexpr size_t kMaxSavedGameSize =
    SavedGameSize(kMaxSavedNameLength, kMaxBoardSide, kMaxBoardSide, kMaxPlayers);

// The state held by a saved game, read and checked, before it replaces a running game's: the
// fields of the state that a saved game carries (see GameStateFields.h), and the board, whose
// size is BoardWidth x BoardHeight and whose players are NumPlayers.
struct SavedGame : GameState {
    BoardArrays Board;
};

// The bytes of a saved game of the running game. Throws marovane::Error when the state could not
// be read back (no game, or a value no game can hold), so a file that cannot be loaded is never
// written.
std::string EncodeSavedGame(const Game& game);

// Reads and checks a whole saved game. Bytes beyond its end are ignored: a file that an older
// program saved in place over a longer one still holds the rest of the old file there. Throws
// marovane::Error whose first line is "Invalid save file." when the tag is not exactly "MVG",
// the bytes end early, or any size or value lies outside what a game can hold.
SavedGame DecodeSavedGame(std::string_view bytes);

// Reads a saved game's bytes and checks all of it, its board against the unit table too (see
// BoardProblem), without touching any game. Every reader of a saved game goes through here, so a
// file is accepted or refused the same way wherever it is opened. Throws marovane::Error whose
// first line is "Invalid save file.".
SavedGame CheckSavedGame(std::string_view bytes, const UnitSpecs& specs);

// Reads a saved game's file as CheckSavedGame does. A file that cannot be opened or read is
// refused the same way.
SavedGame ReadSavedGame(const std::filesystem::path& path, const UnitSpecs& specs);

// Replaces the whole state of the game by a saved one (Game::TakeSavedState): every saved field
// and the board as a whole. Nothing is shown: the window redraws the board, selects the piece at
// (HighX, HighY) again when HighOn is set, runs the Teams menu with TeamsMode and brings its
// view menus in line with HideOpponents and NoThinking. SaveFile and the network fields are left
// to the caller.
void RestoreSavedGame(const SavedGame& saved, Game& game);

// Writes the running game to a file: a temporary file beside it, renamed over it when complete,
// so a failed save leaves the previous file as it was. Throws marovane::Error naming the file
// when it cannot be written. The caller records the path in Game::SaveFile.
void SaveGame(const Game& game, const std::filesystem::path& path);

// Reads a saved game from a file (ReadSavedGame) and, only when all of it is good, replaces the
// game's state with it and sets Game::SaveFile to the path. A refused file leaves the game
// untouched; the message starts with "Invalid save file.".
void LoadGame(Game& game, const std::filesystem::path& path);

} // namespace marovane
