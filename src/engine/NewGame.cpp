#include "engine/Game.h"

#include "engine/StandardLayout.h"
#include "scenario/BoardString.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "util/Error.h"
#include "util/Latin1.h"

namespace marovane {

namespace {

Text NoRoomForRoyalty() {
    return Tx("Rules", "No room for Royalty, please select another game.");
}

struct Captives {
    PerPlayer<int16_t> KingX{}, KingY{}, QueenX{}, QueenY{};
};

} // namespace

Text ScenarioRefusal(const GameDef& def, const std::string& name) {
    // Values no editor writes but a damaged or hand-made file may hold; a game cannot use them.
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 4; ++y) {
            const int value = def.StartPos[x][y];
            if (value < 0 || value > kUnitTypes) {
                return Tx("Rules", "The scenario \"%1\" cannot be played: its starting formation "
                                   "names unit type %2 at (%3, %4), outside 0..14.")
                    .Arg(name)
                    .Arg(value - 1)
                    .Arg(x + 1)
                    .Arg(y + 1);
            }
        }
    }
    if (OptionSet(option_bit::Advanced, def.Options)) {
        const std::string problem = board_string::Problem(def.Placement);
        if (!problem.empty())
            return Tx("Rules", "The scenario \"%1\" cannot be played: %2.").Arg(name).Arg(problem);
    }
    const bool castles = OptionSet(option_bit::Castle, def.Options);
    const int smallest = castles ? 7 : 4;
    if (def.Width < smallest || def.Height < smallest)
        return Tx("Rules", "Board too small, please select another game.");
    if (def.Width > kMaxBoardSide || def.Height > kMaxBoardSide)
        return Tx("Rules", "Board too large, please select another game.");
    return {};
}

bool Game::NewGame(const std::filesystem::path& path, const NewGameSetup& setup) {
    // The board is hidden while the game is made; a refusal shows it again as it was.
    const bool boardWasVisible = view_.BoardVisible();
    view_.SetBoardVisible(false);
    auto refuse = [&](const Text& message) {
        interaction_.ShowMessage(message);
        view_.SetBoardVisible(boardWasVisible);
        return false;
    };

    // Everything that can refuse the scenario runs on local copies first, so a refusal leaves
    // the previous game exactly as it was.
    GameDef def;
    const int players = static_cast<int>(setup.Slots.size());
    try {
        def = ReadDefFile(path);
        if (players < 1 || players > kMaxPlayers)
            throw Error(Tx("Rules", "A game needs 1 to 4 player slots."));
        for (int n = 1; n <= 2; ++n) {
            if (setup.OptionTicked[n - 1])
                ApplyOption(n, def, true);
        }
    } catch (const Error& error) {
        return refuse(error.Message());
    }
    if (const Text refusal = ScenarioRefusal(def, ScenarioNameOf(path)); !refusal.Source().empty())
        return refuse(refusal);

    const int width = def.Width;
    const int height = def.Height;

    // Captive Kings and Queens wait somewhere outside every home corner.
    Captives captives;
    if (OptionSet(option_bit::Royalty, def.Options)) {
        if ((width <= 8 && height <= 8 && players == 4) ||
            (width <= 5 && height <= 5 && players >= 2))
            return refuse(NoRoomForRoyalty());
        int rejections = 0;
        auto inSomeHomeCorner = [&](int x, int y) {
            for (int q = 1; q <= players; ++q) {
                if (InHomeCorner(ToPlayerCorner(Cell{x, y}, q, width, height)))
                    return true;
            }
            return false;
        };
        auto draw = [&](int16_t& cx, int16_t& cy) {
            while (true) {
                int x = static_cast<int>(random_.Rnd() * width + 1);
                int y = static_cast<int>(random_.Rnd() * height + 1);
                if (!inSomeHomeCorner(x, y)) {
                    cx = static_cast<int16_t>(x);
                    cy = static_cast<int16_t>(y);
                    return true;
                }
                if (++rejections >= 1000)
                    return false;
            }
        };
        for (int p = 1; p <= players; ++p) {
            if (!draw(captives.KingX[p], captives.KingY[p]) ||
                !draw(captives.QueenX[p], captives.QueenY[p]))
                return refuse(NoRoomForRoyalty());
        }
    }

    // The scenario is accepted: from here on the new game replaces the old one.
    Def = def;
    BoardWidth = static_cast<int16_t>(width);
    BoardHeight = static_cast<int16_t>(height);
    NumPlayers = static_cast<int16_t>(players);
    KingX = captives.KingX;
    KingY = captives.KingY;
    QueenX = captives.QueenX;
    QueenY = captives.QueenY;
    // A scenario's name is its file's name, UTF-8 on this system; the game's texts are Latin-1.
    const std::string fileName = ScenarioNameOf(path);
    ScenarioName = IsUtf8(fileName) ? Utf8ToLatin1(fileName) : fileName;

    view_.HighlightOff();
    HighX = HighY = 0;
    HighOn = false;
    FogOn = OptionSet(option_bit::Fog, Def.Options);
    Reward = Def.Reward;
    MaxParty = Def.PartySize;
    WinCond = {false, OptionSet(option_bit::WinConquest, Def.Options),
               OptionSet(option_bit::WinRoyalty, Def.Options)};
    LoseCond = {false, OptionSet(option_bit::LoseConquest, Def.Options),
                OptionSet(option_bit::LoseRoyalty, Def.Options),
                OptionSet(option_bit::LoseKeep, Def.Options)};
    SaveFile.clear();
    KilledThisTurn = 0;
    ResetIdleTurns();

    interaction_.LoadPictureSet(setup.PictureSet);

    int computers = 0;
    int humans = 0;
    PlayerOut = {};
    PlayerComp = {};
    PlayerResult = {};
    PlayerBias = {};
    for (int p = 1; p <= NumPlayers; ++p) {
        PlayerBias[p] = -random_.RndSingle(); // in (-1, 0]
        SlotKind kind = setup.Slots[static_cast<size_t>(p - 1)];
        // A guest plays only its own slot; the others are played elsewhere and count as computers.
        if (Role == NetworkRole::Guest)
            kind = p == MyPlayer ? SlotKind::Human : SlotKind::Computer;
        PlayerComp[p] = kind == SlotKind::Computer;
        if (PlayerComp[p]) {
            ++computers;
        } else if (kind == SlotKind::None) {
            PlayerOut[p] = true;
            PlayerResult[p] = 2;
        } else {
            ++humans;
        }
    }
    HotSeat = humans > 1;
    // A game of computers only is there to be watched.
    if (humans == 0 && computers > 0 && HideOpponents)
        SetHideOpponents(false);

    if (Role != NetworkRole::Guest) {
        ChooseTeams(setup.TeamsMode);
        bool allOnOneTeam = true;
        for (int p = 1; p <= NumPlayers; ++p)
            allOnOneTeam = allOnOneTeam && SameTeam(p, 1);
        if (allOnOneTeam)
            ChooseTeams(0);
    }
    network_->TeamsSettled();

    ResizeBoard();
    view_.BoardResized(BoardWidth, BoardHeight);
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y)
            SetPicNum(x, y, -1);
    }

    const bool tutorial = OptionSet(option_bit::Tutorial, Def.Options);
    for (int p = NumPlayers; p >= 1; --p) {
        Money[p] = Def.Treasury;
        DrawCastle(p);
        // Every home corner counts as explored by everybody. The size check above keeps each of
        // them on the board.
        for (int x = 1; x <= kHomeCornerSize; ++x) {
            for (int y = 1; y <= kHomeCornerSize; ++y) {
                const Cell c = ToPlayerSide(Cell{x, y}, p);
                BoardMark(c.X, c.Y) = 127;
            }
        }
    }
    for (int p = NumPlayers + 1; p <= kMaxPlayers; ++p)
        Money[p] = 0;
    for (const LaidPiece& piece : StandardLayout(Def, BoardWidth, BoardHeight, NumPlayers))
        PlaceUnit(piece.At.X, piece.At.Y, piece.Type, piece.Player);

    if (OptionSet(option_bit::Advanced, Def.Options))
        ExecutePlacements();

    for (int p = 1; p <= NumPlayers; ++p)
        MarkPartyArea(p);
    Update();

    // A royal placed on the board needs no rescue.
    for (int p = 1; p <= NumPlayers; ++p) {
        if (HasUnit(unit_type::King, p))
            KingX[p] = KingY[p] = 0;
        if (HasUnit(unit_type::Queen, p))
            QueenX[p] = QueenY[p] = 0;
    }

    interaction_.ShowBackgroundPictures();
    RoundFlag = -1;
    CurrentPlayer = 0;
    NextUnitIndex = 0;
    if (PlayerComp[1] && HideOpponents)
        view_.SetBoardVisible(false);

    GameOn = true;
    interaction_.GameStarted();
    NextPlayer();

    if (tutorial)
        interaction_.OpenTutorialHelp();
    return true;
}

void Game::ExecutePlacements() {
    board_string::Execute(Def.Placement, [this](const board_string::Placement& entry) {
        if (entry.Type < 0) {
            SetUnit(entry.X, entry.Y, -1, 1);
            return;
        }
        int x = entry.X;
        int y = entry.Y;
        if (entry.Player > NumPlayers) {
            // The slot is not in this game: its unit's cell is emptied instead.
            ToPlayerSide(x, y, entry.Player);
            SetUnit(x, y, -1, 1);
            return;
        }
        if (entry.Type == unit_type::King || entry.Type == unit_type::Queen) {
            // A royal in the string is where this player's captive waits to be rescued.
            ToPlayerSide(x, y, entry.Player);
            if (!OnBoard(x, y))
                return;
            bool king = entry.Type == unit_type::King;
            (king ? KingX : QueenX)[entry.Player] = static_cast<int16_t>(x);
            (king ? KingY : QueenY)[entry.Player] = static_cast<int16_t>(y);
            return;
        }
        SetUnit(x, y, entry.Type, entry.Player);
    });
}

} // namespace marovane
