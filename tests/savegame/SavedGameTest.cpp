#include "savegame/SavedGame.h"
#include "engine/HeadlessPort.h"

#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// Offsets in the saved game of a 10 x 10, two-player game named "Tutorial".
namespace at {
constexpr size_t Def = 3;
constexpr size_t NameLength = 2063;
constexpr size_t Name = 2065;
constexpr size_t GameOn = 2073;
constexpr size_t CurrentPlayer = 2075;
constexpr size_t NumPlayers = 2077;
constexpr size_t KilledThisTurn = 2079;
constexpr size_t Width = 2081;
constexpr size_t Height = 2083;
constexpr size_t BoardUnit = 2085;
constexpr size_t BoardPic = BoardUnit + 200;
constexpr size_t Seen = BoardPic + 200;
constexpr size_t BoardMark = Seen + 200;
constexpr size_t KingX = BoardMark + 121;
constexpr size_t KingY = KingX + 8;
constexpr size_t QueenX = KingY + 8;
constexpr size_t QueenY = QueenX + 8;
constexpr size_t Money = QueenY + 8;
constexpr size_t PlayerColor = Money + 8;
constexpr size_t PlayerOut = PlayerColor + 16;
constexpr size_t PlayerResult = PlayerOut + 8;
constexpr size_t PlayerComp = PlayerResult + 8;
constexpr size_t PlayerBias = PlayerComp + 8;
constexpr size_t Guard = PlayerBias + 16;
constexpr size_t RoundFlag = Guard + 2;
constexpr size_t HighX = RoundFlag + 2;
constexpr size_t HighY = HighX + 2;
constexpr size_t HighOn = HighY + 2;
constexpr size_t FogOn = HighOn + 2;
constexpr size_t Reward = FogOn + 2;
constexpr size_t MaxParty = Reward + 2;
constexpr size_t HideOpponents = MaxParty + 2;
constexpr size_t NoThinking = HideOpponents + 2;
constexpr size_t TeamsMode = NoThinking + 2;
constexpr size_t WinCond = TeamsMode + 2;
constexpr size_t LoseCond = WinCond + 4;
constexpr size_t NextTurn = LoseCond + 8;
constexpr size_t End = NextTurn + 2;
} // namespace at

int Int16At(const std::string& bytes, size_t offset) {
    return static_cast<int16_t>(static_cast<uint8_t>(bytes[offset]) |
                                (static_cast<uint8_t>(bytes[offset + 1]) << 8));
}

uint32_t Int32At(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

void PutInt16(std::string& bytes, size_t offset, int value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutInt32(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class SavedGameTest : public ::testing::Test {
protected:
    // A fresh game of human players on a plain board, from a scenario file of the given name.
    std::unique_ptr<Game> StartGame(const std::string& name, int width, int height, int players,
                                    uint64_t seed = 1) {
        auto game = std::make_unique<Game>(specs, port, seed);
        fs::path def = dir.Write(name, test::PlainDef(width, height));
        EXPECT_TRUE(game->NewGame(def, test::Humans(players)))
            << (port.Messages.empty() ? "" : port.Messages.back());
        return game;
    }

    // The 10 x 10 "Tutorial" game with a value of its own in every saved field.
    std::unique_ptr<Game> MarkedGame() {
        auto game = StartGame("Tutorial", 10, 10, 2);
        Game& g = *game;
        g.KilledThisTurn = 3;
        g.BoardUnit(3, 1) = 51; // hurt and with a move left
        g.BoardPic(3, 1) = 20;  // player 2's type 4
        g.BoardUnit(1, 3) = 41;
        g.BoardPic(1, 3) = 6;
        g.Seen(2, 1, 2) = 1;
        g.BoardMark(10, 0) = 5;
        g.BoardMark(0, 10) = 9;
        g.KingX = {0, 5, 7, 0, 0};
        g.KingY = {0, 6, 8, 0, 0};
        g.QueenX = {0, -1, 9, 0, 0};
        g.QueenY = {0, -1, 10, 0, 0};
        g.Money = {0, 1234, -20, 0, 0};
        g.PlayerOut = {false, false, false, true, false};
        g.PlayerResult = {0, 1, 0, 2, 0};
        g.PlayerComp = {false, false, false, false, true};
        g.PlayerBias = {0.0f, -0.5f, -0.25f, 0.0f, -0.0f};
        g.RoundFlag = 0;
        g.HighX = 2;
        g.HighY = 1;
        g.HighOn = true;
        g.FogOn = true;
        g.Reward = 15;
        g.MaxParty = 9;
        g.HideOpponents = true;
        g.NoThinking = true;
        g.TeamsMode = 3;
        g.WinCond = {false, false, true};
        g.LoseCond = {true, false, true, true};
        g.NextTurnEnabled = true;
        return game;
    }

    void ExpectRefused(const std::string& bytes, const std::string& why) {
        try {
            DecodeSavedGame(bytes);
            ADD_FAILURE() << why << ": accepted";
        } catch (const Error& error) {
            EXPECT_EQ(FirstLine(error.what()), "Invalid save file.") << why;
        }
    }

    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    test::TempDir dir;
};

// ---- Layout --------------------------------------------------------------------------------

TEST_F(SavedGameTest, TutorialGameOfTwoOnTenByTenIs2938Bytes) {
    auto game = StartGame("Tutorial", 10, 10, 2);
    EXPECT_EQ(EncodeSavedGame(*game).size(), 2938u);
    EXPECT_EQ(SavedGameSize(8, 10, 10, 2), 2938u);
    EXPECT_EQ(at::End, 2938u);

    auto other = StartGame("Longer name", 13, 9, 3);
    EXPECT_EQ(EncodeSavedGame(*other).size(), 2209u + 11 + 4 * 117 + 117 * 3 + 14 * 10);
}

TEST_F(SavedGameTest, EveryItemSitsAtItsOffset) {
    auto game = MarkedGame();
    const std::string bytes = EncodeSavedGame(*game);
    ASSERT_EQ(bytes.size(), at::End);

    EXPECT_EQ(bytes.substr(0, 3), "MVG");
    auto def = ToBytes(game->Def);
    EXPECT_EQ(bytes.substr(at::Def, kGameDefSize),
              std::string(reinterpret_cast<const char*>(def.data()), def.size()));
    EXPECT_EQ(Int16At(bytes, at::NameLength), 8);
    EXPECT_EQ(bytes.substr(at::Name, 8), "Tutorial");
    EXPECT_EQ(Int16At(bytes, at::GameOn), -1);
    EXPECT_EQ(Int16At(bytes, at::CurrentPlayer), 1);
    EXPECT_EQ(Int16At(bytes, at::NumPlayers), 2);
    EXPECT_EQ(Int16At(bytes, at::KilledThisTurn), 3);
    EXPECT_EQ(Int16At(bytes, at::Width), 10);
    EXPECT_EQ(Int16At(bytes, at::Height), 10);

    // x runs fastest, then y, then the player.
    EXPECT_EQ(Int16At(bytes, at::BoardUnit + 2 * 2), 51);
    EXPECT_EQ(Int16At(bytes, at::BoardUnit + 2 * 20), 41);
    EXPECT_EQ(Int16At(bytes, at::BoardPic + 2 * 2), 20);
    EXPECT_EQ(Int16At(bytes, at::BoardPic + 2 * 20), 6);
    EXPECT_EQ(bytes[at::Seen + 100 + 1], 1);
    EXPECT_EQ(bytes[at::Seen + 1], 0);
    EXPECT_EQ(bytes[at::BoardMark + 10], 5);
    EXPECT_EQ(bytes[at::BoardMark + 110], 9);
    EXPECT_EQ(Int16At(bytes, at::KingX), 5);
    EXPECT_EQ(Int16At(bytes, at::KingX + 2), 7);
    EXPECT_EQ(Int16At(bytes, at::KingY + 2), 8);
    EXPECT_EQ(Int16At(bytes, at::QueenX), -1);
    EXPECT_EQ(Int16At(bytes, at::QueenY + 2), 10);
    EXPECT_EQ(Int16At(bytes, at::Money), 1234);
    EXPECT_EQ(Int16At(bytes, at::Money + 2), -20);
    // Colours in Windows order, red in the lowest byte.
    EXPECT_EQ(Int32At(bytes, at::PlayerColor), 0x0000FF00u);      // green
    EXPECT_EQ(Int32At(bytes, at::PlayerColor + 4), 0x000000FFu);  // red
    EXPECT_EQ(Int32At(bytes, at::PlayerColor + 8), 0x00FF0000u);  // blue
    EXPECT_EQ(Int32At(bytes, at::PlayerColor + 12), 0x00FFFF00u); // cyan
    EXPECT_EQ(Int16At(bytes, at::PlayerOut + 4), -1);
    EXPECT_EQ(Int16At(bytes, at::PlayerOut), 0);
    EXPECT_EQ(Int16At(bytes, at::PlayerResult + 4), 2);
    EXPECT_EQ(Int16At(bytes, at::PlayerComp + 6), -1);
    EXPECT_EQ(Int32At(bytes, at::PlayerBias), 0xBF000000u);      // -0.5f
    EXPECT_EQ(Int32At(bytes, at::PlayerBias + 12), 0x80000000u); // -0.0f kept as it is
    EXPECT_EQ(Int16At(bytes, at::Guard), 0);
    EXPECT_EQ(Int16At(bytes, at::RoundFlag), 0);
    EXPECT_EQ(Int16At(bytes, at::HighX), 2);
    EXPECT_EQ(Int16At(bytes, at::HighY), 1);
    EXPECT_EQ(Int16At(bytes, at::HighOn), -1);
    EXPECT_EQ(Int16At(bytes, at::FogOn), -1);
    EXPECT_EQ(Int16At(bytes, at::Reward), 15);
    EXPECT_EQ(Int16At(bytes, at::MaxParty), 9);
    EXPECT_EQ(Int16At(bytes, at::HideOpponents), -1);
    EXPECT_EQ(Int16At(bytes, at::NoThinking), -1);
    EXPECT_EQ(Int16At(bytes, at::TeamsMode), 3);
    EXPECT_EQ(Int16At(bytes, at::WinCond), 0);
    EXPECT_EQ(Int16At(bytes, at::WinCond + 2), -1);
    EXPECT_EQ(Int16At(bytes, at::LoseCond), -1);
    EXPECT_EQ(Int16At(bytes, at::LoseCond + 2), 0);
    EXPECT_EQ(Int16At(bytes, at::LoseCond + 6), -1);
    EXPECT_EQ(Int16At(bytes, at::NextTurn), -1);
}

// ---- Round trip ----------------------------------------------------------------------------

TEST_F(SavedGameTest, LoadingRestoresEveryField) {
    // Captives waiting, released and absent, both view options on, a name in Latin-1.
    auto saved = MarkedGame();
    saved->ScenarioName = "For\xEAt";
    fs::path file = dir.Path() / "game.mvg";
    SaveGame(*saved, file);
    saved->SaveFile = file.string();

    // Loaded over a different game: larger board, more players, other values everywhere.
    auto loaded = StartGame("Other", 14, 12, 4, 7);
    loaded->PlayerColor[3] = 0x123456;
    loaded->NextTurnEnabled = false;
    LoadGame(*loaded, file);

    EXPECT_EQ(test::Snapshot(*loaded), test::Snapshot(*saved));
    EXPECT_EQ(loaded->SaveFile, file.string());
    // Writing the loaded game gives the same bytes again.
    EXPECT_EQ(EncodeSavedGame(*loaded), ReadAll(file));
}

TEST_F(SavedGameTest, StateOutsideTheFileIsSetForTheLoadedGame) {
    auto game = StartGame("Plain", 8, 8, 3);
    game->PlayerComp[2] = true;
    std::string twoHumans = EncodeSavedGame(*game);
    game->PlayerOut[3] = true;
    std::string oneHuman = EncodeSavedGame(*game);

    auto target = StartGame("Plain", 8, 8, 2);
    target->NextUnitIndex = 4;
    target->HotSeat = false;
    RestoreSavedGame(DecodeSavedGame(twoHumans), *target);
    EXPECT_TRUE(target->HotSeat) << "players 1 and 3 are humans still in the game";
    EXPECT_EQ(target->NextUnitIndex, 0);
    RestoreSavedGame(DecodeSavedGame(oneHuman), *target);
    EXPECT_FALSE(target->HotSeat) << "only one human is left";
}

// A game nobody can go on with is over after two whole rounds of turns without a move. A game
// loaded during another's idle turns has its own two rounds.
TEST_F(SavedGameTest, ALoadedGameCountsItsIdleTurnsAfresh) {
    struct IdlePort : HeadlessPort {
        void NoMovesLeft() override { ++IdleTurns; }
        void ProcessEvents() override {
            if (OnIdle)
                OnIdle();
        }
        int IdleTurns = 0;
        std::function<void()> OnIdle;
    } idlePort;
    // Walls only, no keeps and no lose conditions: nobody can move, buy or drop out.
    auto makeStuck = [&](Game& game) {
        ASSERT_TRUE(game.NewGame(dir.Write("Stuck", test::PlainDef(8, 8)), test::Humans(2)));
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y)
                game.SetUnit(x, y, -1, 1);
        }
        game.PlaceUnit(2, 2, unit_type::Wall, 1);
        game.PlaceUnit(7, 7, unit_type::Wall, 2);
        game.LoseCond = {};
    };
    Game stuck(specs, idlePort, 1);
    makeStuck(stuck);
    const fs::path file = dir.Path() / "stuck.mvg";
    SaveGame(stuck, file);

    Game game(specs, idlePort, 1);
    makeStuck(game);
    bool loaded = false;
    idlePort.OnIdle = [&] {
        if (!loaded && idlePort.IdleTurns == 3) {
            loaded = true;
            LoadGame(game, file);
        }
    };
    game.NextPlayer();
    ASSERT_TRUE(loaded);
    idlePort.IdleTurns = 0;
    game.NextPlayer();
    EXPECT_FALSE(game.GameOn);
    EXPECT_EQ(idlePort.Messages.back(), "No player can move or buy any more. The game is over.");
    EXPECT_EQ(idlePort.IdleTurns, 5);
}

// A slot is vacant when it was left empty (its party stands and never moves), or its human
// resigned or lost. Every such game saves and loads.
TEST_F(SavedGameTest, EveryWayASlotBecomesVacantSavesAndLoads) {
    struct Way {
        const char* name;
        std::vector<SlotKind> slots;
        std::function<void(Game&)> make;
    };
    const std::vector<SlotKind> humans(3, SlotKind::Human);
    for (const Way& way : {
             Way{"left empty", {SlotKind::Human, SlotKind::Computer, SlotKind::None}, nullptr},
             Way{"resigned", humans, [](Game& g) { g.Resign(); }},
             Way{"lost", humans,
                 [](Game& g) {
                     g.LoseCond[1] = true;
                     g.Lose(3, -1);
                 }},
         }) {
        SCOPED_TRACE(way.name);
        auto game = std::make_unique<Game>(specs, port, 5);
        NewGameSetup setup;
        setup.Slots = way.slots;
        ASSERT_TRUE(game->NewGame(dir.Write("Vacant", test::PlainDef(10, 10)), setup));
        if (way.make)
            way.make(*game);
        const int vacant = way.make ? (game->PlayerOut[1] ? 1 : 3) : 3;
        ASSERT_TRUE(game->PlayerOut[vacant]);
        ASSERT_TRUE(game->IsVacant(vacant));
        if (!way.make) {
            EXPECT_GE(game->FindParty(3)[0].X, 1) << "the empty slot's party stands";
        }

        const fs::path file = dir.Path() / "vacant.mvg";
        SaveGame(*game, file);
        Game loaded(specs, port, 6);
        EXPECT_NO_THROW(LoadGame(loaded, file));
        EXPECT_EQ(loaded.Board(), game->Board());
        EXPECT_EQ(loaded.PlayerOut, game->PlayerOut);
    }
}

TEST_F(SavedGameTest, TrailingBytesAreIgnored) {
    auto game = MarkedGame();
    std::string bytes = EncodeSavedGame(*game);
    fs::path file = dir.WriteBytes("old.mvg", bytes + std::string(5000, '\x7F'));
    auto loaded = StartGame("Other", 9, 9, 2);
    LoadGame(*loaded, file);
    EXPECT_EQ(test::Snapshot(*loaded, carried::SavedFile),
              test::Snapshot(*game, carried::SavedFile));
}

// ---- Refused files ---------------------------------------------------------------------------

TEST_F(SavedGameTest, TheTagMustBeExactlyUpperCaseMVG) {
    auto game = StartGame("Plain", 8, 8, 2);
    std::string bytes = EncodeSavedGame(*game);
    for (const char* tag : {"mvg", "MVg", "MV ", "XVG"}) {
        std::string wrong = bytes;
        wrong.replace(0, 3, tag);
        try {
            DecodeSavedGame(wrong);
            ADD_FAILURE() << tag << " accepted";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Invalid save file.") << tag;
        }
    }
}

TEST_F(SavedGameTest, RefusedFilesLeaveTheGameUntouched) {
    auto game = MarkedGame();
    std::string good = EncodeSavedGame(*game);
    std::string lower = good;
    lower.replace(0, 3, "mvg");
    std::string wide = good;
    PutInt16(wide, at::Width, 70);
    // A unit far stronger than its type: the file reads well, but its board does not hold.
    std::string strong = good;
    size_t occupied = 0;
    while (Int16At(good, at::BoardPic + 2 * occupied) == 0)
        ++occupied;
    PutInt16(strong, at::BoardUnit + 2 * occupied, 9991);
    EXPECT_NO_THROW(DecodeSavedGame(strong));

    auto running = StartGame("Running", 12, 11, 3, 5);
    running->SaveFile = "/somewhere/else.mvg";
    const test::Snapshot before(*running);
    int index = 0;
    for (const std::string& bytes : {lower, wide, strong, good.substr(0, at::BoardMark),
                                     good.substr(0, at::End - 1), std::string()}) {
        fs::path file = dir.WriteBytes("bad" + std::to_string(index++) + ".mvg", bytes);
        try {
            LoadGame(*running, file);
            ADD_FAILURE() << file << " accepted";
        } catch (const Error& error) {
            EXPECT_EQ(FirstLine(error.what()), "Invalid save file.");
        }
        EXPECT_EQ(test::Snapshot(*running), before) << file;
        EXPECT_EQ(ReadAll(file), bytes) << "the file itself is not touched";
    }
    for (fs::path missing : {dir.Path() / "none.mvg", dir.Path()}) {
        try {
            LoadGame(*running, missing);
            ADD_FAILURE() << missing << " accepted";
        } catch (const Error& error) {
            EXPECT_EQ(FirstLine(error.what()), "Invalid save file.");
        }
        EXPECT_EQ(test::Snapshot(*running), before);
    }
}

TEST_F(SavedGameTest, EveryTruncationIsRefused) {
    auto game = MarkedGame();
    const std::string good = EncodeSavedGame(*game);
    for (size_t length = 0; length < good.size(); ++length)
        ExpectRefused(good.substr(0, length), "cut to " + std::to_string(length) + " bytes");
    EXPECT_NO_THROW(DecodeSavedGame(good));
}

TEST_F(SavedGameTest, ValuesOutOfRangeAreRefused) {
    auto game = MarkedGame();
    const std::string good = EncodeSavedGame(*game);
    struct Case {
        const char* What;
        size_t Offset;
        int Value;
    };
    const size_t cell35 = static_cast<size_t>(2 * ((5 - 1) * 10 + (3 - 1))); // cell (3, 5)
    const Case cases[] = {
        {"negative name length", at::NameLength, -1},
        {"name longer than the file", at::NameLength, 30000},
        {"name longer than any file name", at::NameLength, 256},
        {"flag GameOn = 1", at::GameOn, 1},
        {"no players", at::NumPlayers, 0},
        {"five players", at::NumPlayers, 5},
        {"negative current player", at::CurrentPlayer, -1},
        {"current player beyond the players", at::CurrentPlayer, 3},
        {"negative kill count", at::KilledThisTurn, -1},
        {"zero width", at::Width, 0},
        {"width 3", at::Width, 3},
        {"width 61", at::Width, 61},
        {"height -10", at::Height, -10},
        {"height 32767", at::Height, 32767},
        {"width one more than the file holds", at::Width, 11},
        {"negative strength", at::BoardUnit + cell35, -5},
        {"unit without a picture", at::BoardUnit + cell35, 33},
        {"picture 61", at::BoardPic + cell35, 61},
        {"picture -1", at::BoardPic + cell35, -1},
        {"piece of player 3 in a game of 2", at::BoardPic + cell35, 31},
        {"King off the board", at::KingX + 2, 11},
        {"King at x 0, y on the board", at::KingX + 2, 0},
        {"Queen below the board", at::QueenY + 4, 11},
        {"captive of an absent slot off the board", at::KingX + 6, 61},
        {"PlayerOut = 2", at::PlayerOut + 2, 2},
        {"PlayerComp = 1", at::PlayerComp, 1},
        {"resize guard = 5", at::Guard, 5},
        {"RoundFlag = 1", at::RoundFlag, 1},
        {"selection off the board", at::HighX, 11},
        {"selection with a negative x", at::HighX, -2},
        {"selection below the board", at::HighY, 11},
        {"FogOn = 7", at::FogOn, 7},
        {"HideOpponents = -2", at::HideOpponents, -2},
        {"team arrangement 5", at::TeamsMode, 5},
        {"team arrangement -1", at::TeamsMode, -1},
        {"WinCond = 1", at::WinCond + 2, 1},
        {"LoseCond = 256", at::LoseCond + 6, 256},
        {"Next Turn = 1", at::NextTurn, 1},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        PutInt16(bad, c.Offset, c.Value);
        ExpectRefused(bad, c.What);
    }

    std::string seen = good;
    seen[at::Seen + 5] = 2;
    ExpectRefused(seen, "Seen = 2");

    std::string highlight = good;
    PutInt16(highlight, at::HighX, 0);
    ExpectRefused(highlight, "highlight shown with nothing selected");
    PutInt16(highlight, at::HighOn, 0);
    EXPECT_NO_THROW(DecodeSavedGame(highlight)) << "nothing selected, nothing shown";

    std::string colour = good;
    PutInt32(colour, at::PlayerColor + 4, 0x80000005u);
    ExpectRefused(colour, "a system colour");

    for (float bias : {0.5f, -1.5f, std::numeric_limits<float>::quiet_NaN(),
                       -std::numeric_limits<float>::infinity()}) {
        std::string bad = good;
        PutInt32(bad, at::PlayerBias + 8, std::bit_cast<uint32_t>(bias));
        ExpectRefused(bad, "bias " + std::to_string(bias));
    }
}

TEST_F(SavedGameTest, TheLargestGameIsReadInFull) {
    auto game = StartGame("Plain", kMaxBoardSide, kMaxBoardSide, 4);
    game->ScenarioName = std::string(kMaxSavedNameLength, 'n');
    fs::path file = dir.Path() / "large.mvg";
    SaveGame(*game, file);
    EXPECT_EQ(fs::file_size(file), kMaxSavedGameSize);
    auto loaded = StartGame("Other", 8, 8, 2);
    LoadGame(*loaded, file);
    EXPECT_EQ(test::Snapshot(*loaded, carried::SavedFile),
              test::Snapshot(*game, carried::SavedFile));
}

TEST_F(SavedGameTest, GarbageNeverCrashes) {
    auto game = MarkedGame();
    const std::string good = EncodeSavedGame(*game);
    std::mt19937 random(20240611);
    auto byte = [&] { return static_cast<char>(random() & 0xFF); };
    auto target = StartGame("Target", 8, 8, 2);
    int accepted = 0;

    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        if (round % 3 == 0) {
            // Random bytes behind the right tag.
            bytes = "MVG";
            size_t length = random() % 4000;
            for (size_t i = 0; i < length; ++i)
                bytes += byte();
        } else {
            // A good file with a few bytes changed, sometimes cut short.
            bytes = good;
            int changes = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < changes; ++i)
                bytes[3 + random() % (bytes.size() - 3)] = byte();
            if (round % 7 == 0)
                bytes.resize(random() % bytes.size());
        }
        SavedGame saved;
        try {
            saved = DecodeSavedGame(bytes);
        } catch (const Error& error) {
            ASSERT_EQ(FirstLine(error.what()), "Invalid save file.");
            continue;
        }
        // Whatever is accepted can be played on: it replaces a game and is saved again unchanged
        // (but for the layout guard, always written as False).
        ++accepted;
        RestoreSavedGame(saved, *target);
        std::string again = EncodeSavedGame(*target);
        std::string expected = bytes.substr(0, again.size());
        PutInt16(expected, again.size() - 36, 0);
        ASSERT_EQ(again, expected) << "round " << round;
    }
    EXPECT_GT(accepted, 100) << "changes to unchecked values (money, marks, ...) are accepted";
}

// ---- Writing -------------------------------------------------------------------------------

TEST_F(SavedGameTest, SavingOverALongerFileLeavesExactlyTheNewGame) {
    auto game = StartGame("Tutorial", 10, 10, 2);
    fs::path file = dir.WriteBytes("game.mvg", std::string(10000, 'x'));
    SaveGame(*game, file);
    EXPECT_EQ(fs::file_size(file), 2938u);
    EXPECT_EQ(ReadAll(file), EncodeSavedGame(*game));
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2)
        << "the scenario and the saved game";
}

TEST_F(SavedGameTest, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    auto game = StartGame("Tutorial", 10, 10, 2);
    fs::path missing = dir.Path() / "no such folder" / "game.mvg";
    try {
        SaveGame(*game, missing);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(fs::exists(missing.parent_path()));

    // A name so long that no temporary file can be made beside it (even for root): the write
    // fails and the previous game stays as it was.
    fs::path old = dir.WriteBytes(std::string(250, 'g') + ".mvg", "the previous save");
    EXPECT_THROW(SaveGame(*game, old), Error);
    EXPECT_EQ(ReadAll(old), "the previous save");
}

TEST_F(SavedGameTest, AGameThatCouldNotBeLoadedIsNotWritten) {
    fs::path file = dir.WriteBytes("game.mvg", "the previous save");

    Game none(specs, port, 1);
    try {
        SaveGame(none, file);
        ADD_FAILURE() << "saved without a game";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "There is no game to save.");
    }

    auto game = StartGame("Tutorial", 10, 10, 2);
    game->TeamsMode = 9;
    try {
        SaveGame(*game, file);
        ADD_FAILURE() << "saved a team arrangement that cannot be loaded";
    } catch (const Error& error) {
        EXPECT_EQ(FirstLine(error.what()).rfind("This game cannot be saved: ", 0), 0u)
            << error.what();
    }
    EXPECT_EQ(ReadAll(file), "the previous save");
}

} // namespace
} // namespace marovane
