#include "savegame/SavedGame.h"

#include "util/AtomicFile.h"
#include "util/Error.h"

#include <bit>
#include <cmath>
#include <fstream>
#include <span>

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

std::string CellText(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

[[noreturn]] void Refuse(const std::string& detail) {
    throw Error(std::string(kInvalidSaveFile) + "\n" + detail);
}

class Writer {
public:
    void Bytes(std::string_view bytes) { out_.append(bytes); }
    void Byte(uint8_t value) { out_.push_back(static_cast<char>(value)); }
    void Int16(int16_t value) {
        auto bits = static_cast<uint16_t>(value);
        Byte(static_cast<uint8_t>(bits & 0xFF));
        Byte(static_cast<uint8_t>(bits >> 8));
    }
    void Int32(uint32_t bits) {
        for (int shift = 0; shift < 32; shift += 8)
            Byte(static_cast<uint8_t>((bits >> shift) & 0xFF));
    }
    void Flag(bool value) { Int16(value ? -1 : 0); }
    void Float(float value) { Int32(std::bit_cast<uint32_t>(value)); }

    template <typename T> void PerPlayerInt16(const PerPlayer<T>& values) {
        for (int p = 1; p <= kMaxPlayers; ++p)
            Int16(static_cast<int16_t>(values[p]));
    }
    void PerPlayerFlag(const PerPlayer<bool>& values) {
        for (int p = 1; p <= kMaxPlayers; ++p)
            Flag(values[p]);
    }

    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

// Reads items one after the other; running out of bytes refuses the file.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::string_view Bytes(size_t count, const char* what) {
        if (bytes_.size() - position_ < count)
            Refuse("The file ends inside " + std::string(what) + ".");
        std::string_view taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }
    uint8_t Byte(const char* what) { return static_cast<uint8_t>(Bytes(1, what)[0]); }
    int16_t Int16(const char* what) {
        std::string_view b = Bytes(2, what);
        return static_cast<int16_t>(
            static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8)));
    }
    uint32_t Int32(const char* what) {
        std::string_view b = Bytes(4, what);
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<uint8_t>(b[i]);
        return value;
    }
    // Flags hold -1 or 0 and nothing else.
    bool Flag(const char* what) {
        int16_t value = Int16(what);
        if (value != -1 && value != 0)
            Refuse("The flag " + std::string(what) + " holds " + std::to_string(value) +
                   " instead of -1 or 0.");
        return value == -1;
    }
    float Float(const char* what) { return std::bit_cast<float>(Int32(what)); }

    void PerPlayerInt16(PerPlayer<int16_t>& values, const char* what) {
        for (int p = 1; p <= kMaxPlayers; ++p)
            values[p] = Int16(what);
    }
    void PerPlayerFlag(PerPlayer<bool>& values, const char* what) {
        for (int p = 1; p <= kMaxPlayers; ++p)
            values[p] = Flag(what);
    }

private:
    std::string_view bytes_;
    size_t position_ = 0;
};

// A captive waits at a board cell, or is absent (0, 0) or released (-1, -1).
void CheckCaptive(int x, int y, int width, int height, const char* who, int p) {
    bool waiting = x > 0 || y > 0;
    if (waiting && !(x >= 1 && y >= 1 && x <= width && y <= height))
        Refuse("Player " + std::to_string(p) + "'s " + who + " waits at " + CellText(x, y) +
               ", off the board.");
}

} // namespace

SavedGame DecodeSavedGame(std::string_view bytes) {
    if (bytes.substr(0, kSavedGameTag.size()) != kSavedGameTag)
        throw Error(kInvalidSaveFile);
    Reader in(bytes);
    in.Bytes(kSavedGameTag.size(), "the tag");

    SavedGame saved;
    std::string_view def = in.Bytes(kGameDefSize, "the scenario record");
    saved.Def = FromBytes(std::span(reinterpret_cast<const uint8_t*>(def.data()), def.size()));

    const int nameLength = in.Int16("the scenario name");
    if (nameLength < 0 || nameLength > kMaxSavedNameLength)
        Refuse("The scenario name is said to be " + std::to_string(nameLength) +
               " characters long.");
    saved.ScenarioName =
        std::string(in.Bytes(static_cast<size_t>(nameLength), "the scenario name"));

    saved.GameOn = in.Flag("GameOn");
    saved.CurrentPlayer = in.Int16("the turn state");
    saved.NumPlayers = in.Int16("the turn state");
    saved.KilledThisTurn = in.Int16("the turn state");
    saved.BoardWidth = in.Int16("the board size");
    saved.BoardHeight = in.Int16("the board size");
    const int w = saved.BoardWidth;
    const int h = saved.BoardHeight;
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

    const size_t cells = static_cast<size_t>(w) * static_cast<size_t>(h);
    saved.BoardUnit.resize(cells);
    saved.BoardPic.resize(cells);
    saved.Seen.resize(cells * static_cast<size_t>(n));
    saved.BoardMark.resize(static_cast<size_t>(w + 1) * static_cast<size_t>(h + 1));
    for (auto& unit : saved.BoardUnit)
        unit = in.Int16("the board");
    for (auto& picture : saved.BoardPic)
        picture = in.Int16("the board");
    for (auto& seen : saved.Seen)
        seen = in.Byte("the board");
    for (auto& mark : saved.BoardMark)
        mark = in.Byte("the board");

    for (int y = 1; y <= h; ++y) {
        for (int x = 1; x <= w; ++x) {
            const size_t i = static_cast<size_t>(y - 1) * static_cast<size_t>(w) + (x - 1);
            const int unit = saved.BoardUnit[i];
            const int picture = saved.BoardPic[i];
            if (unit < 0)
                Refuse("Cell " + CellText(x, y) + " holds the strength code " +
                       std::to_string(unit) + ".");
            if (picture < 0 || picture > kMaxPlayers * kUnitTypes)
                Refuse("Cell " + CellText(x, y) + " holds the picture value " +
                       std::to_string(picture) + ", outside 0..60.");
            // A unit needs a picture to tell its owner and type (a picture without strength is
            // possible: a unit of 0 hit points that used all its moves).
            if (unit > 0 && picture == 0)
                Refuse("Cell " + CellText(x, y) + " holds a unit without a picture.");
            const int owner = picture > 0 ? (picture - 1) / kUnitTypes + 1 : 0;
            if (owner > n)
                Refuse("Cell " + CellText(x, y) + " holds a piece of player " +
                       std::to_string(owner) + " in a game of " + Players(n) + ".");
            for (int p = 1; p <= n; ++p) {
                const int seen = saved.Seen[static_cast<size_t>(p - 1) * cells + i];
                if (seen > 1)
                    Refuse("Cell " + CellText(x, y) + " is marked as seen by player " +
                           std::to_string(p) + " with " + std::to_string(seen) +
                           " instead of 0 or 1.");
            }
        }
    }
    // Every value of BoardMark is a set of explored bits: nothing to check.

    in.PerPlayerInt16(saved.KingX, "the captives");
    in.PerPlayerInt16(saved.KingY, "the captives");
    in.PerPlayerInt16(saved.QueenX, "the captives");
    in.PerPlayerInt16(saved.QueenY, "the captives");
    for (int p = 1; p <= kMaxPlayers; ++p) {
        CheckCaptive(saved.KingX[p], saved.KingY[p], w, h, "King", p);
        CheckCaptive(saved.QueenX[p], saved.QueenY[p], w, h, "Queen", p);
    }
    in.PerPlayerInt16(saved.Money, "the treasuries");
    for (int p = 1; p <= kMaxPlayers; ++p) {
        uint32_t colour = in.Int32("the player colours");
        if (colour > 0xFFFFFF)
            Refuse("Player " + std::to_string(p) + "'s colour value " + std::to_string(colour) +
                   " is not a colour.");
        saved.PlayerColor[p] = FromFileColour(colour);
    }
    in.PerPlayerFlag(saved.PlayerOut, "PlayerOut");
    in.PerPlayerInt16(saved.PlayerResult, "the player results");
    in.PerPlayerFlag(saved.PlayerComp, "PlayerComp");
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

    Writer out;
    out.Bytes(kSavedGameTag);
    auto def = ToBytes(game.Def);
    out.Bytes(std::string_view(reinterpret_cast<const char*>(def.data()), def.size()));
    out.Int16(static_cast<int16_t>(game.ScenarioName.size()));
    out.Bytes(game.ScenarioName);

    out.Flag(game.GameOn);
    out.Int16(game.CurrentPlayer);
    out.Int16(game.NumPlayers);
    out.Int16(game.KilledThisTurn);
    out.Int16(game.BoardWidth);
    out.Int16(game.BoardHeight);
    const int w = game.BoardWidth;
    const int h = game.BoardHeight;
    for (int y = 1; y <= h; ++y) {
        for (int x = 1; x <= w; ++x)
            out.Int16(game.BoardUnit(x, y));
    }
    for (int y = 1; y <= h; ++y) {
        for (int x = 1; x <= w; ++x)
            out.Int16(game.BoardPic(x, y));
    }
    for (int p = 1; p <= game.NumPlayers; ++p) {
        for (int y = 1; y <= h; ++y) {
            for (int x = 1; x <= w; ++x)
                out.Byte(game.Seen(x, y, p));
        }
    }
    for (int y = 0; y <= h; ++y) {
        for (int x = 0; x <= w; ++x)
            out.Byte(game.BoardMark(x, y));
    }

    out.PerPlayerInt16(game.KingX);
    out.PerPlayerInt16(game.KingY);
    out.PerPlayerInt16(game.QueenX);
    out.PerPlayerInt16(game.QueenY);
    out.PerPlayerInt16(game.Money);
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.Int32(ToFileColour(game.PlayerColor[p]));
    out.PerPlayerFlag(game.PlayerOut);
    out.PerPlayerInt16(game.PlayerResult);
    out.PerPlayerFlag(game.PlayerComp);
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
    game.Def = saved.Def;
    game.ScenarioName = saved.ScenarioName;
    game.GameOn = saved.GameOn;
    game.CurrentPlayer = saved.CurrentPlayer;
    game.NumPlayers = saved.NumPlayers;
    game.KilledThisTurn = saved.KilledThisTurn;
    game.BoardWidth = saved.BoardWidth;
    game.BoardHeight = saved.BoardHeight;

    game.ResizeBoard();
    const int w = saved.BoardWidth;
    const int h = saved.BoardHeight;
    const size_t cells = static_cast<size_t>(w) * static_cast<size_t>(h);
    for (int y = 1; y <= h; ++y) {
        for (int x = 1; x <= w; ++x) {
            const size_t i = static_cast<size_t>(y - 1) * static_cast<size_t>(w) + (x - 1);
            game.BoardUnit(x, y) = saved.BoardUnit[i];
            game.BoardPic(x, y) = saved.BoardPic[i];
            for (int p = 1; p <= saved.NumPlayers; ++p)
                game.Seen(x, y, p) = saved.Seen[static_cast<size_t>(p - 1) * cells + i];
        }
    }
    for (int y = 0; y <= h; ++y) {
        for (int x = 0; x <= w; ++x)
            game.BoardMark(x, y) =
                saved.BoardMark[static_cast<size_t>(y) * static_cast<size_t>(w + 1) + x];
    }

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

void LoadGame(Game& game, const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::error_code ignored;
    if (!file || fs::is_directory(path, ignored))
        throw Error(std::string(kInvalidSaveFile) + "\nCannot open \"" + path.string() + "\".");
    // Bytes beyond the longest possible game are never read, so any file can be offered.
    std::string bytes(kMaxSavedGameSize, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad())
        throw Error(std::string(kInvalidSaveFile) + "\nCannot read \"" + path.string() + "\".");
    bytes.resize(static_cast<size_t>(file.gcount()));

    SavedGame saved = DecodeSavedGame(bytes);
    RestoreSavedGame(saved, game);
    game.SaveFile = path.string();
}

} // namespace marovane
