#include "savegame/SavedGame.h"

#include "engine/BoardArraysBytes.h"
#include "engine/BoardCheck.h"
#include "engine/GameStateBytes.h"
#include "engine/GameStateFields.h"
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
Text Players(int n) {
    return (n == 1 ? Tx("Files", "%1 player") : Tx("Files", "%1 players")).Arg(n);
}

Text InvalidSaveFile() {
    return Tx("Files", kInvalidSaveFile);
}

[[noreturn]] void Refuse(const Text& detail) {
    throw Error(Tx("Files", "%1\n%2").Arg(InvalidSaveFile()).Arg(detail));
}

// Reads the saved fields one by one, in the table's order, checking each value as it comes; the
// header's sizes are checked before the board is allocated.
class FieldReader {
public:
    FieldReader(ByteReader& in, std::string_view bytes, SavedGame& saved)
        : in_(in), bytes_(bytes), saved_(saved) {}

    void operator()(const StateField& field, GameDef& def) {
        if (field.In(carried::SavedFile))
            def = ReadGameDef(in_);
    }
    void operator()(const StateField& field, std::string& name) {
        if (!field.In(carried::SavedFile))
            return;
        nameLength_ = in_.Int16("the scenario name");
        if (nameLength_ < 0 || nameLength_ > kMaxSavedNameLength)
            Refuse(Tx("Files", "The scenario name is said to be %1 characters long.")
                       .Arg(nameLength_));
        name = in_.Text(static_cast<size_t>(nameLength_), "the scenario name");
    }
    void operator()(const StateField& field, PerPlayer<Rgb>& colours) {
        if (!field.In(carried::SavedFile))
            return;
        for (int p = 1; p <= kMaxPlayers; ++p) {
            uint32_t colour = in_.UInt32("the player colours");
            if (colour > 0xFFFFFF)
                Refuse(
                    Tx("Files", "Player %1's colour value %2 is not a colour.").Arg(p).Arg(colour));
            colours[p] = FromFileColour(colour);
        }
    }
    void operator()(const StateField& field, PerPlayer<float>& biases) {
        if (!field.In(carried::SavedFile))
            return;
        ReadStateValue(in_, biases, field.Name);
        for (int p = 1; p <= kMaxPlayers; ++p) {
            // Drawn as -Rnd; a value outside (also NaN) would upset the computer player's sums.
            if (!(biases[p] >= -1.0f && biases[p] <= 0.0f))
                Refuse(Tx("Files", "Player %1's bias %2 is outside -1..0.")
                           .Arg(p)
                           .Arg(std::to_string(biases[p])));
        }
    }
    void operator()(const StateField& field, BoardArraysSlot) {
        if (!field.In(carried::SavedFile))
            return;
        CheckHeader();
        saved_.Board = ReadBoardArrays(in_, saved_.BoardWidth, saved_.BoardHeight,
                                       saved_.NumPlayers, "the board");
        if (Text problem = BoardValuesProblem(saved_.Board, saved_.NumPlayers);
            !problem.Source().empty())
            Refuse(problem);
    }
    void operator()(const StateField& field, LayoutGuardSlot) {
        // The window's layout guard was saved at a moment when no layout ran; it means nothing now.
        if (field.In(carried::SavedFile))
            in_.Flag("of the layout");
    }
    template <typename T> void operator()(const StateField& field, T& value) {
        // Types no binary format carries belong to fields no saved game carries either.
        if constexpr (requires { ReadStateValue(in_, value, field.Name); }) {
            if (field.In(carried::SavedFile))
                ReadStateValue(in_, value, field.Name);
        }
    }

private:
    void CheckHeader() const {
        const int n = saved_.NumPlayers;
        const int w = saved_.BoardWidth;
        const int h = saved_.BoardHeight;
        if (n < 1 || n > kMaxPlayers)
            Refuse(Tx("Files", "It is a game of %1; a game has 1 to 4.").Arg(Players(n)));
        if (saved_.CurrentPlayer < 0 || saved_.CurrentPlayer > n)
            Refuse(Tx("Files", "It is the turn of player %1 in a game of %2.")
                       .Arg(saved_.CurrentPlayer)
                       .Arg(Players(n)));
        if (saved_.KilledThisTurn < 0)
            Refuse(Tx("Files", "The count of units destroyed this turn is %1.")
                       .Arg(saved_.KilledThisTurn));
        if (w < 4 || h < 4 || w > kMaxBoardSide || h > kMaxBoardSide)
            Refuse(Tx("Files", "The board is %1 x %2 cells; a board has 4 to %3 cells a side.")
                       .Arg(w)
                       .Arg(h)
                       .Arg(kMaxBoardSide));
        // The sizes are known and sane: the rest must be there in full before anything is
        // allocated.
        const size_t needed =
            SavedGameSize(static_cast<size_t>(nameLength_), static_cast<size_t>(w),
                          static_cast<size_t>(h), static_cast<size_t>(n));
        if (bytes_.size() < needed)
            Refuse(Tx("Files", "The file holds %1 bytes; this game needs %2.")
                       .Arg(bytes_.size())
                       .Arg(needed));
    }

    ByteReader& in_;
    std::string_view bytes_;
    SavedGame& saved_;
    int nameLength_ = 0;
};

// The values that only make sense together, checked once the whole state is read.
void CheckSavedValues(const SavedGame& saved) {
    const int w = saved.BoardWidth;
    const int h = saved.BoardHeight;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        for (const Text& problem : {CaptiveProblem(saved.KingX[p], saved.KingY[p], w, h,
                                                   MAROVANE_TEXT("Units", "King"), p),
                                    CaptiveProblem(saved.QueenX[p], saved.QueenY[p], w, h,
                                                   MAROVANE_TEXT("Units", "Queen"), p)}) {
            if (!problem.Source().empty())
                Refuse(problem);
        }
    }
    if (saved.RoundFlag != -1 && saved.RoundFlag != 0)
        Refuse(Tx("Files", "RoundFlag holds %1 instead of -1 or 0.").Arg(saved.RoundFlag));
    // HighX 0 means nothing is selected; otherwise the selection is a board cell, and the window
    // selects the piece there again when the highlight was shown.
    const bool selected = saved.HighX != 0 || saved.HighOn;
    if (saved.HighY < 0 || saved.HighY > h ||
        (selected && !(saved.HighX >= 1 && saved.HighX <= w && saved.HighY >= 1)))
        Refuse(Tx("Files", "The selected cell %1 is off the board.")
                   .Arg(CellText(saved.HighX, saved.HighY)));
    if (saved.TeamsMode < 0 || saved.TeamsMode > 4)
        Refuse(Tx("Files", "The team arrangement %1 is outside 0..4.").Arg(saved.TeamsMode));
}

// Writes the saved fields in the table's order.
class FieldWriter {
public:
    FieldWriter(ByteWriter& out, const BoardArrays& board) : out_(out), board_(board) {}

    void operator()(const StateField& field, const GameDef& def) {
        if (field.In(carried::SavedFile))
            WriteGameDef(out_, def);
    }
    void operator()(const StateField& field, const std::string& name) {
        if (!field.In(carried::SavedFile))
            return;
        out_.Int16(static_cast<int16_t>(name.size()));
        out_.Bytes(name);
    }
    void operator()(const StateField& field, const PerPlayer<Rgb>& colours) {
        if (!field.In(carried::SavedFile))
            return;
        for (int p = 1; p <= kMaxPlayers; ++p)
            out_.UInt32(ToFileColour(colours[p]));
    }
    void operator()(const StateField& field, BoardArraysSlot) {
        if (field.In(carried::SavedFile))
            WriteBoardArrays(out_, board_);
    }
    void operator()(const StateField& field, LayoutGuardSlot) {
        // No layout runs while a game is saved.
        if (field.In(carried::SavedFile))
            out_.Flag(false);
    }
    template <typename T> void operator()(const StateField& field, const T& value) {
        if constexpr (requires { WriteStateValue(out_, value); }) {
            if (field.In(carried::SavedFile))
                WriteStateValue(out_, value);
        }
    }

private:
    ByteWriter& out_;
    const BoardArrays& board_;
};

} // namespace

SavedGame DecodeSavedGame(std::string_view bytes) {
    if (bytes.substr(0, kSavedGameTag.size()) != kSavedGameTag)
        throw Error(InvalidSaveFile());
    ByteReader in(bytes, {kInvalidSaveFile, "file"});
    in.Bytes(kSavedGameTag.size(), "the tag");

    SavedGame saved;
    FieldReader reader(in, bytes, saved);
    VisitStateFields(static_cast<GameState&>(saved), reader);
    CheckSavedValues(saved);
    return saved;
}

std::string EncodeSavedGame(const Game& game) {
    if (game.NumPlayers < 1 || game.BoardWidth < 1 || game.BoardHeight < 1)
        throw Error(Tx("Files", "There is no game to save."));
    if (game.ScenarioName.size() > static_cast<size_t>(kMaxSavedNameLength))
        throw Error(Tx("Files", "The scenario name is too long to be saved."));

    const BoardArrays& board = game.Board();
    if (board.Width() != game.BoardWidth || board.Height() != game.BoardHeight ||
        board.Players() != game.NumPlayers)
        throw Error(
            Tx("Files", "This game cannot be saved: its board does not have the game's size."));

    ByteWriter out;
    out.Bytes(kSavedGameTag);
    FieldWriter writer(out, board);
    VisitStateFields(game.State(), writer);

    // Never write what could not be loaded again: a value out of its range would make the file
    // useless, and the player would only learn it when loading.
    std::string bytes = out.Take();
    try {
        DecodeSavedGame(bytes);
    } catch (const Error& error) {
        // The reason without the reader's first line, which speaks of loading.
        const Text& why = error.Message();
        Text reason = why;
        if (why.Source() == "%1\n%2" && why.Args().size() == 2) {
            reason = why.Args()[1];
        } else if (const auto newline = why.English().find('\n'); newline != std::string::npos) {
            reason = Verbatim(why.English().substr(newline + 1));
        }
        throw Error(Tx("Files", "This game cannot be saved: %1").Arg(reason));
    }
    return bytes;
}

void RestoreSavedGame(const SavedGame& saved, Game& game) {
    game.TakeSavedState(saved, saved.Board);
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
    if (Text problem = BoardProblem(scratch); !problem.Source().empty())
        Refuse(problem);
    return saved;
}

SavedGame ReadSavedGame(const fs::path& path, const UnitSpecs& specs) {
    std::ifstream file(path, std::ios::binary);
    std::error_code ignored;
    if (!file || fs::is_directory(path, ignored))
        Refuse(Tx("Files", "Cannot open \"%1\".").Arg(path.string()));
    // Bytes beyond the longest possible game are never read, so any file can be offered.
    std::string bytes(kMaxSavedGameSize, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.bad())
        Refuse(Tx("Files", "Cannot read \"%1\".").Arg(path.string()));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return CheckSavedGame(bytes, specs);
}

void LoadGame(Game& game, const fs::path& path) {
    SavedGame saved = ReadSavedGame(path, game.Specs());
    RestoreSavedGame(saved, game);
    game.SetSaveFile(path.string());
}

} // namespace marovane
