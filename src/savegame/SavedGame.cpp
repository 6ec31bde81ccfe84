#include "savegame/SavedGame.h"

#include "engine/BoardArraysBytes.h"
#include "engine/BoardCheck.h"
#include "engine/HeadlessPort.h"
#include "engine/Piece.h"
#include "util/AtomicFile.h"
#include "util/Bytes.h"
#include "util/Error.h"

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace marovane {

namespace {

// Colours are kept in the file as Windows colour values, red in the lowest byte (0x00BBGGRR),
// so saved games stay interchangeable with the Windows version of the game; the program itself
// works with 0xRRGGBB.
uint32_t ToFileColour(Rgb colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

Rgb FromFileColour(uint32_t value) {
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

// "1 player", "3 players".
std::string Players(int n) {
    return std::to_string(n) + (n == 1 ? " player" : " players");
}

[[noreturn]] void Refuse(const std::string& detail) {
    throw Error(std::string(kInvalidSaveFile) + "\n" + detail);
}

// Whole rows of per-player values, players 1..4 in order.
template <typename T> void WritePerPlayerInt16(ByteWriter& out, const PerPlayer<T>& values) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.Int16(static_cast<int16_t>(values[p]));
}

void WritePerPlayerFlag(ByteWriter& out, const PerPlayer<bool>& values) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.Flag(values[p]);
}

void ReadPerPlayerInt16(ByteReader& in, PerPlayer<int16_t>& values, std::string_view what) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        values[p] = in.Int16(what);
}

void ReadPerPlayerFlag(ByteReader& in, PerPlayer<bool>& values, std::string_view what) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        values[p] = in.Flag(what);
}

} // namespace

SavedGame DecodeSavedGame(std::string_view bytes) {
    if (bytes.substr(0, kSavedGameTag.size()) != kSavedGameTag)
        throw Error(kInvalidSaveFile);
    ByteReader in(bytes, {kInvalidSaveFile, "file"});
    in.Bytes(kSavedGameTag.size(), "the tag");

    SavedGame saved;
    saved.Def = ReadGameDef(in);

    const int nameLength = in.Int16("the scenario name");
    if (nameLength < 0 || nameLength > kMaxSavedNameLength)
        Refuse("The scenario name is said to be " + std::to_string(nameLength) +
               " characters long.");
    saved.ScenarioName = in.Text(static_cast<size_t>(nameLength), "the scenario name");

    saved.GameOn = in.Flag("GameOn");
    saved.CurrentPlayer = in.Int16("the turn state");
    saved.NumPlayers = in.Int16("the turn state");
    saved.KilledThisTurn = in.Int16("the turn state");
    const int w = in.Int16("the board size");
    const int h = in.Int16("the board size");
    const int n = saved.NumPlayers;
    if (n < 1 || n > kMaxPlayers)
        Refuse("It is a game of " + Players(n) + "; a game has 1 to 4.");
    if (saved.CurrentPlayer < 0 || saved.CurrentPlayer > n)
        Refuse("It is the turn of player " + std::to_string(saved.CurrentPlayer) +
               " in a game of " + Players(n) + ".");
    if (saved.KilledThisTurn < 0)
        Refuse("The count of units destroyed this turn is " + std::to_string(saved.KilledThisTurn) +
               ".");
    if (w < 4 || h < 4 || w > kMaxBoardSide || h > kMaxBoardSide)
        Refuse("The board is " + std::to_string(w) + " x " + std::to_string(h) +
               " cells; a board has 4 to " + std::to_string(kMaxBoardSide) + " cells a side.");

    // The sizes are known and sane: the rest must be there in full before anything is allocated.
    const size_t needed = SavedGameSize(static_cast<size_t>(nameLength), static_cast<size_t>(w),
                                        static_cast<size_t>(h), static_cast<size_t>(n));
    if (bytes.size() < needed)
        Refuse("The file holds " + std::to_string(bytes.size()) + " bytes; this game needs " +
               std::to_string(needed) + ".");

    saved.Board = ReadBoardArrays(in, w, h, n, "the board");
    if (std::string problem = BoardValuesProblem(saved.Board, n); !problem.empty())
        Refuse(problem);

    ReadPerPlayerInt16(in, saved.KingX, "the captives");
    ReadPerPlayerInt16(in, saved.KingY, "the captives");
    ReadPerPlayerInt16(in, saved.QueenX, "the captives");
    ReadPerPlayerInt16(in, saved.QueenY, "the captives");
    for (int p = 1; p <= kMaxPlayers; ++p) {
        for (const std::string& problem :
             {CaptiveProblem(saved.KingX[p], saved.KingY[p], w, h, "King", p),
              CaptiveProblem(saved.QueenX[p], saved.QueenY[p], w, h, "Queen", p)}) {
            if (!problem.empty())
                Refuse(problem);
        }
    }
    ReadPerPlayerInt16(in, saved.Money, "the treasuries");
    for (int p = 1; p <= kMaxPlayers; ++p) {
        uint32_t colour = in.UInt32("the player colours");
        if (colour > 0xFFFFFF)
            Refuse("Player " + std::to_string(p) + "'s colour value " + std::to_string(colour) +
                   " is not a colour.");
        saved.PlayerColor[p] = FromFileColour(colour);
    }
    ReadPerPlayerFlag(in, saved.PlayerOut, "PlayerOut");
    ReadPerPlayerInt16(in, saved.PlayerResult, "the player results");
    ReadPerPlayerFlag(in, saved.PlayerComp, "PlayerComp");
    for (int p = 1; p <= kMaxPlayers; ++p) {
        float bias = in.Float("the player biases");
        // Drawn as -Rnd; a value outside (also NaN) would upset the computer player's sums.
        if (!(bias >= -1.0f && bias <= 0.0f))
            Refuse("Player " + std::to_string(p) + "'s bias " + std::to_string(bias) +
                   " is outside -1..0.");
        saved.PlayerBias[p] = bias;
    }

    // The window's layout guard was saved at a moment when no layout ran; it means nothing now.
    in.Flag("of the layout");
    saved.RoundFlag = in.Int16("RoundFlag");
    if (saved.RoundFlag != -1 && saved.RoundFlag != 0)
        Refuse("RoundFlag holds " + std::to_string(saved.RoundFlag) + " instead of -1 or 0.");
    saved.HighX = in.Int16("the selection");
    saved.HighY = in.Int16("the selection");
    saved.HighOn = in.Flag("HighOn");
    // HighX 0 means nothing is selected; otherwise the selection is a board cell, and the window
    // selects the piece there again when the highlight was shown.
    const bool selected = saved.HighX != 0 || saved.HighOn;
    if (saved.HighY < 0 || saved.HighY > h ||
        (selected && !(saved.HighX >= 1 && saved.HighX <= w && saved.HighY >= 1)))
        Refuse("The selected cell " + CellText(saved.HighX, saved.HighY) + " is off the board.");
    saved.FogOn = in.Flag("FogOn");
    saved.Reward = in.Int16("Reward");
    saved.MaxParty = in.Int16("MaxParty");
    saved.HideOpponents = in.Flag("HideOpponents");
    saved.NoThinking = in.Flag("NoThinking");
    saved.TeamsMode = in.Int16("TeamsMode");
    if (saved.TeamsMode < 0 || saved.TeamsMode > 4)
        Refuse("The team arrangement " + std::to_string(saved.TeamsMode) + " is outside 0..4.");
    for (int i = 1; i <= 2; ++i)
        saved.WinCond[i] = in.Flag("WinCond");
    for (int i = 0; i <= 3; ++i)
        saved.LoseCond[i] = in.Flag("LoseCond");
    saved.NextTurnEnabled = in.Flag("of Next Turn");
    return saved;
}

std::string EncodeSavedGame(const Game& game) {
    if (game.NumPlayers < 1 || game.BoardWidth < 1 || game.BoardHeight < 1)
        throw Error("There is no game to save.");
    if (game.ScenarioName.size() > static_cast<size_t>(kMaxSavedNameLength))
        throw Error("The scenario name is too long to be saved.");

    const BoardArrays& board = game.Board();
    if (board.Width() != game.BoardWidth || board.Height() != game.BoardHeight ||
        board.Players() != game.NumPlayers)
        throw Error("This game cannot be saved: its board does not have the game's size.");

    ByteWriter out;
    out.Bytes(kSavedGameTag);
    WriteGameDef(out, game.Def);
    out.Int16(static_cast<int16_t>(game.ScenarioName.size()));
    out.Bytes(game.ScenarioName);

    out.Flag(game.GameOn);
    out.Int16(game.CurrentPlayer);
    out.Int16(game.NumPlayers);
    out.Int16(game.KilledThisTurn);
    out.Int16(game.BoardWidth);
    out.Int16(game.BoardHeight);
    WriteBoardArrays(out, board);

    WritePerPlayerInt16(out, game.KingX);
    WritePerPlayerInt16(out, game.KingY);
    WritePerPlayerInt16(out, game.QueenX);
    WritePerPlayerInt16(out, game.QueenY);
    WritePerPlayerInt16(out, game.Money);
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.UInt32(ToFileColour(game.PlayerColor[p]));
    WritePerPlayerFlag(out, game.PlayerOut);
    WritePerPlayerInt16(out, game.PlayerResult);
    WritePerPlayerFlag(out, game.PlayerComp);
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.Float(game.PlayerBias[p]);

    out.Flag(false); // the window's layout guard: no layout runs while a game is saved
    out.Int16(game.RoundFlag);
    out.Int16(game.HighX);
    out.Int16(game.HighY);
    out.Flag(game.HighOn);
    out.Flag(game.FogOn);
    out.Int16(game.Reward);
    out.Int16(game.MaxParty);
    out.Flag(game.HideOpponents);
    out.Flag(game.NoThinking);
    out.Int16(game.TeamsMode);
    for (int i = 1; i <= 2; ++i)
        out.Flag(game.WinCond[i]);
    for (int i = 0; i <= 3; ++i)
        out.Flag(game.LoseCond[i]);
    out.Flag(game.NextTurnEnabled);

    // Never write what could not be loaded again: a value out of its range would make the file
    // useless, and the player would only learn it when loading.
    std::string bytes = out.Take();
    try {
        DecodeSavedGame(bytes);
    } catch (const Error& error) {
        std::string why = error.what();
        auto newline = why.find('\n');
        throw Error("This game cannot be saved: " +
                    (newline == std::string::npos ? why : why.substr(newline + 1)));
    }
    return bytes;
}

void RestoreSavedGame(const SavedGame& saved, Game& game) {
    // Checked before anything changes, so the game is replaced whole or not at all.
    if (saved.Board.Players() != saved.NumPlayers)
        throw std::invalid_argument("a saved board for another number of players");
    game.Def = saved.Def;
    game.ScenarioName = saved.ScenarioName;
    game.GameOn = saved.GameOn;
    game.CurrentPlayer = saved.CurrentPlayer;
    game.NumPlayers = saved.NumPlayers;
    game.KilledThisTurn = saved.KilledThisTurn;
    game.BoardWidth = static_cast<int16_t>(saved.Board.Width());
    game.BoardHeight = static_cast<int16_t>(saved.Board.Height());
    game.ReplaceBoard(saved.Board);

    game.KingX = saved.KingX;
    game.KingY = saved.KingY;
    game.QueenX = saved.QueenX;
    game.QueenY = saved.QueenY;
    game.Money = saved.Money;
    game.PlayerColor = saved.PlayerColor;
    game.PlayerOut = saved.PlayerOut;
    game.PlayerResult = saved.PlayerResult;
    game.PlayerComp = saved.PlayerComp;
    game.PlayerBias = saved.PlayerBias;
    game.RoundFlag = saved.RoundFlag;
    game.HighX = saved.HighX;
    game.HighY = saved.HighY;
    game.HighOn = saved.HighOn;
    game.FogOn = saved.FogOn;
    game.Reward = saved.Reward;
    game.MaxParty = saved.MaxParty;
    game.HideOpponents = saved.HideOpponents;
    game.NoThinking = saved.NoThinking;
    game.TeamsMode = saved.TeamsMode;
    game.WinCond = saved.WinCond;
    game.LoseCond = saved.LoseCond;

    // Next Turn comes back as it was saved: a player who had already moved may end his turn at
    // once, one who had not must still move first, exactly as before saving.
    game.NextTurnEnabled = saved.NextTurnEnabled;

    // Not in the file. The turn's count of offered units and the count of turns nobody could
    // move start again; a hot-seat game is one with more than one human still playing, which
    // is all the turn announcement needs.
    game.NextUnitIndex = 0;
    game.ResetIdleTurns();
    int humans = 0;
    for (int p = 1; p <= saved.NumPlayers; ++p)
        humans += !saved.PlayerComp[p] && !saved.PlayerOut[p];
    game.HotSeat = humans > 1;
}

void SaveGame(const Game& game, const fs::path& path) {
    WriteFileAtomically(path, EncodeSavedGame(game));
}

SavedGame CheckSavedGame(std::string_view bytes, const UnitSpecs& specs) {
    SavedGame saved = DecodeSavedGame(bytes);
    // The board is checked on a scratch game, so the running one is never touched by a file
    // that turns out to be bad.
    HeadlessPort port;
    Game scratch(specs, port, 0);
    RestoreSavedGame(saved, scratch);
    if (std::string problem = BoardProblem(scratch); !problem.empty())
        Refuse(problem);
    return saved;
}

SavedGame ReadSavedGame(const fs::path& path, const UnitSpecs& specs) {
    std::ifstream file(path, std::ios::binary);
    std::error_code ignored;
    if (!file || fs::is_directory(path, ignored))
        Refuse("Cannot open \"" + path.string() + "\".");
    // Bytes beyond the longest possible game are never read, so any file can be offered.
    std::string bytes(kMaxSavedGameSize, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad())
        Refuse("Cannot read \"" + path.string() + "\".");
    bytes.resize(static_cast<size_t>(file.gcount()));
    return CheckSavedGame(bytes, specs);
}

void LoadGame(Game& game, const fs::path& path) {
    SavedGame saved = ReadSavedGame(path, game.Specs());
    RestoreSavedGame(saved, game);
    game.SaveFile = path.string();
}

} // namespace marovane
