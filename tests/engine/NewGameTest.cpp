#include "engine/Game.h"
#include "engine/HeadlessPort.h"

#include "scenario/BoardString.h"
#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace marovane {
namespace {

constexpr int16_t Bit(int b) {
    return static_cast<int16_t>(1 << b);
}

class NewGameTest : public ::testing::Test {
protected:
    bool Start(const GameDef& def, const NewGameSetup& setup) {
        port.Messages.clear();
        return game.NewGame(dir.Write("Test", def), setup);
    }
    bool Start(const GameDef& def, int players) { return Start(def, test::Humans(players)); }

    std::string LastMessage() const { return port.Messages.empty() ? "" : port.Messages.back(); }

    static GameDef CastleDef(int w, int h) {
        GameDef def = test::PlainDef(w, h);
        def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Castle));
        return def;
    }
    static GameDef RoyalDef(int w, int h) {
        GameDef def = test::PlainDef(w, h);
        def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Royalty));
        return def;
    }

    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game{specs, port, 11};
    test::TempDir dir;
};

TEST_F(NewGameTest, BoardSizeChecks) {
    EXPECT_TRUE(Start(CastleDef(7, 7), 2));
    EXPECT_FALSE(Start(CastleDef(7, 6), 2));
    EXPECT_EQ(LastMessage(), "Board too small, please select another game.");
    EXPECT_TRUE(Start(test::PlainDef(4, 4), 2));
    EXPECT_FALSE(Start(test::PlainDef(4, 3), 2));
    EXPECT_EQ(LastMessage(), "Board too small, please select another game.");
    EXPECT_FALSE(Start(test::PlainDef(-5, 10), 2));
    EXPECT_EQ(LastMessage(), "Board too small, please select another game.");
    EXPECT_TRUE(Start(test::PlainDef(kMaxBoardSide, kMaxBoardSide), 4));
    EXPECT_FALSE(Start(test::PlainDef(kMaxBoardSide + 1, 10), 2));
    EXPECT_EQ(LastMessage(), "Board too large, please select another game.");
}

TEST_F(NewGameTest, ATickedBoardSizeOptionCountsForTheCheck) {
    GameDef def = CastleDef(6, 6);
    def.OptionType[0] = 0;
    def.OptionAmount[0] = 2;
    EXPECT_FALSE(Start(def, 2));
    NewGameSetup setup = test::Humans(2);
    setup.OptionTicked[0] = true;
    ASSERT_TRUE(Start(def, setup));
    EXPECT_EQ(game.BoardWidth, 8);
    EXPECT_EQ(game.BoardHeight, 8);
    EXPECT_EQ(game.Def.Width, 8) << "the game keeps the definition with its options applied";
}

TEST_F(NewGameTest, RoomForRoyalty) {
    const std::string noRoom = "No room for Royalty, please select another game.";
    EXPECT_FALSE(Start(RoyalDef(8, 8), 4));
    EXPECT_EQ(LastMessage(), noRoom);
    EXPECT_TRUE(Start(RoyalDef(8, 8), 3));
    EXPECT_TRUE(Start(RoyalDef(6, 5), 2));
    EXPECT_FALSE(Start(RoyalDef(5, 5), 2));
    EXPECT_EQ(LastMessage(), noRoom);
    EXPECT_TRUE(Start(RoyalDef(5, 5), 1)) << "one player has room on a 5 x 5 board";
    // A 4 x 8 board is covered by the two home corners: the draw gives up after 1000 rejections.
    EXPECT_FALSE(Start(RoyalDef(4, 8), 2));
    EXPECT_EQ(LastMessage(), noRoom);
}

TEST_F(NewGameTest, CaptivesWaitOutsideEveryHomeCorner) {
    for (int seed = 0; seed < 40; ++seed) {
        game.Rng().Seed(static_cast<uint64_t>(seed));
        ASSERT_TRUE(Start(RoyalDef(9, 9), 4));
        for (int p = 1; p <= 4; ++p) {
            for (auto [x, y] : {std::pair{game.KingX[p], game.KingY[p]},
                                std::pair{game.QueenX[p], game.QueenY[p]}}) {
                // On a 9 x 9 board only the middle row and column lie outside all four corners.
                EXPECT_TRUE(x == 5 || y == 5) << "player " << p << " at " << x << ", " << y;
                EXPECT_TRUE(game.OnBoard(x, y));
            }
        }
    }
}

// The largest draw below 1 still places a captive on the board and gives a bias above -1,
// although in single precision it would be 1 itself.
TEST_F(NewGameTest, ADrawJustBelowOneStaysInRange) {
    game.Rng().SetSource([] { return std::nextafter(1.0, 0.0); });
    ASSERT_TRUE(Start(RoyalDef(6, 6), 1));
    EXPECT_EQ(game.KingX[1], 6);
    EXPECT_EQ(game.KingY[1], 6);
    EXPECT_GT(game.PlayerBias[1], -1.0f);
    EXPECT_LE(game.PlayerBias[1], 0.0f);
}

TEST_F(NewGameTest, WithoutRoyaltyNobodyWaits) {
    ASSERT_TRUE(Start(RoyalDef(12, 12), 4));
    ASSERT_TRUE(Start(test::PlainDef(12, 12), 4));
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(game.KingX[p], 0);
        EXPECT_EQ(game.QueenY[p], 0);
    }
}

TEST_F(NewGameTest, FormationIsMirroredIntoEachCornerOfANonSquareBoard) {
    GameDef def = test::PlainDef(12, 9);
    def.StartPos[3][1] = 8; // a type-7 unit at relative (4, 2)
    ASSERT_TRUE(Start(def, 4));
    EXPECT_EQ(game.PicNum(1, 1), 0);
    EXPECT_EQ(game.PicNum(2, 1), 3);
    EXPECT_EQ(game.PicNum(4, 2), 7);
    EXPECT_EQ(game.PicNum(12, 9), 15);
    EXPECT_EQ(game.PicNum(11, 9), 15 + 3);
    EXPECT_EQ(game.PicNum(9, 8), 15 + 7);
    EXPECT_EQ(game.PicNum(1, 9), 30);
    EXPECT_EQ(game.PicNum(4, 8), 30 + 7);
    EXPECT_EQ(game.PicNum(12, 1), 45);
    EXPECT_EQ(game.PicNum(9, 2), 45 + 7);
    EXPECT_EQ(game.BoardUnit(9, 2), specs.UnitStrength[7]);
    int pieces = 0;
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 9; ++y)
            pieces += game.BoardUnit(x, y) > 0;
    }
    EXPECT_EQ(pieces, 12);
}

TEST_F(NewGameTest, SettingsTreasuriesAndTheFirstTurn) {
    GameDef def = test::PlainDef(10, 10);
    def.Options = static_cast<int16_t>(Bit(option_bit::Fog) | Bit(option_bit::WinRoyalty) |
                                       Bit(option_bit::LoseKeep) | Bit(option_bit::LoseRoyalty));
    def.Reward = 300;
    def.PartySize = 9;
    game.SaveFile = "old.mvg";
    ASSERT_TRUE(Start(def, 3));
    EXPECT_TRUE(game.GameOn);
    EXPECT_TRUE(game.FogOn);
    EXPECT_EQ(game.Reward, 300);
    EXPECT_EQ(game.MaxParty, 9);
    EXPECT_FALSE(game.WinCond[1]);
    EXPECT_TRUE(game.WinCond[2]);
    EXPECT_FALSE(game.LoseCond[1]);
    EXPECT_TRUE(game.LoseCond[2]);
    EXPECT_TRUE(game.LoseCond[3]);
    EXPECT_EQ(game.SaveFile, "");
    EXPECT_EQ(game.ScenarioName, "Test");
    EXPECT_EQ(game.CurrentPlayer, 1);
    EXPECT_EQ(game.RoundFlag, -1);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(game.Money[p], 1000);
        EXPECT_LE(game.PlayerBias[p], 0.0f);
        EXPECT_GT(game.PlayerBias[p], -1.0f);
    }
    EXPECT_TRUE(game.HotSeat);
    // A file named in UTF-8, as the system names files, gives the game's Latin-1 name.
    ASSERT_TRUE(game.NewGame(dir.Write("Ωmega Ünï", def), test::Humans(3)));
    EXPECT_EQ(game.ScenarioName, "?mega \xDCn\xEF");
}

TEST_F(NewGameTest, HomeCornersAreExploredAndPartiesMarkTheirSurroundings) {
    GameDef def = test::PlainDef(12, 12);
    def.StartPos[3][3] = 4; // a unit at relative (4, 4): it marks (3..5, 3..5)
    ASSERT_TRUE(Start(def, 2));
    EXPECT_EQ(game.BoardMark(1, 1), 127);
    EXPECT_EQ(game.BoardMark(4, 4), 127);
    EXPECT_EQ(game.BoardMark(9, 9), 127);
    EXPECT_EQ(game.BoardMark(5, 5), 1 << 1);
    EXPECT_EQ(game.BoardMark(5, 3), 1 << 1);
    EXPECT_EQ(game.BoardMark(8, 8), 1 << 2);
    EXPECT_EQ(game.BoardMark(6, 6), 0);
    EXPECT_EQ(game.BoardMark(0, 0), 0) << "row and column 0 are never marked";
}

TEST_F(NewGameTest, SlotsVacanciesAndHotSeat) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::None, SlotKind::Computer, SlotKind::Immobile, SlotKind::Human};
    ASSERT_TRUE(Start(test::PlainDef(12, 12), setup));
    EXPECT_TRUE(game.PlayerOut[1]);
    EXPECT_EQ(game.PlayerResult[1], 2);
    EXPECT_TRUE(game.IsVacant(1));
    EXPECT_TRUE(game.PlayerComp[2]);
    EXPECT_FALSE(game.PlayerOut[3]);
    EXPECT_TRUE(game.HotSeat) << "an immobile slot counts as a human here";
    EXPECT_EQ(game.CurrentPlayer, 2) << "the empty first slot never gets a turn";
    EXPECT_EQ(game.PicNum(1, 1), 0) << "a vacant slot still gets its party";

    setup.Slots = {SlotKind::Human, SlotKind::Computer};
    ASSERT_TRUE(Start(test::PlainDef(12, 12), setup));
    EXPECT_FALSE(game.HotSeat);
}

TEST_F(NewGameTest, ComputersOnlyGameShowsTheBoard) {
    game.SetHideOpponents(true);
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::None, SlotKind::Computer};
    ASSERT_TRUE(Start(test::PlainDef(12, 12), setup));
    EXPECT_FALSE(game.HideOpponents);

    game.SetHideOpponents(true);
    setup.Slots = {SlotKind::Computer, SlotKind::Human};
    ASSERT_TRUE(Start(test::PlainDef(12, 12), setup));
    EXPECT_TRUE(game.HideOpponents);
}

TEST_F(NewGameTest, TeamsThatPutEveryoneTogetherFallBackToFreeForAll) {
    auto modeAfter = [&](int mode, std::vector<SlotKind> slots) {
        NewGameSetup setup;
        setup.Slots = std::move(slots);
        setup.TeamsMode = mode;
        EXPECT_TRUE(Start(test::PlainDef(12, 12), setup));
        return game.TeamsMode;
    };
    EXPECT_EQ(modeAfter(4, {SlotKind::Human, SlotKind::Human}), 0)
        << "Diagonals puts 1 and 2 together";
    EXPECT_EQ(modeAfter(1, {SlotKind::Human, SlotKind::Human}), 0) << "two humans are one side";
    EXPECT_EQ(modeAfter(1, {SlotKind::Human, SlotKind::None}), 0)
        << "a vacant slot counts as human";
    EXPECT_EQ(modeAfter(2, {SlotKind::Human, SlotKind::Human}), 2)
        << "1 and 2 are on different sides";
    EXPECT_EQ(modeAfter(1, {SlotKind::Human, SlotKind::Computer}), 1);
    EXPECT_EQ(modeAfter(4, {SlotKind::Human, SlotKind::Human, SlotKind::Human}), 4);
}

TEST_F(NewGameTest, ForbiddenArrangementFallsToTheFirstAllowed) {
    GameDef def = test::PlainDef(12, 12);
    def.PlayerLimits = static_cast<int16_t>(0x0F | Bit(4) | Bit(5)); // modes 0 and 1 forbidden
    NewGameSetup setup = test::Humans(4);
    setup.TeamsMode = 1;
    ASSERT_TRUE(Start(def, setup));
    EXPECT_EQ(game.TeamsMode, 2);
}

TEST_F(NewGameTest, TutorialAddsThreeUnitsForPlayerTwo) {
    GameDef def = CastleDef(10, 10);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Tutorial));
    ASSERT_TRUE(Start(def, 2));
    EXPECT_EQ(game.PicNum(8, 8), 15 + 6);
    EXPECT_EQ(game.PicNum(8, 7), 15 + 9);
    EXPECT_EQ(game.PicNum(7, 8), 15 + 3);
    EXPECT_EQ(game.BoardUnit(8, 7), specs.UnitStrength[9]);
}

TEST_F(NewGameTest, RoyalsInTheFormationNeedNoRescue) {
    GameDef def = RoyalDef(12, 12);
    def.StartPos[2][0] = 13; // the King at relative (3, 1)
    ASSERT_TRUE(Start(def, 2));
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(game.KingX[p], 0);
        EXPECT_EQ(game.KingY[p], 0);
        EXPECT_GT(game.QueenX[p], 0) << "the Queen still waits";
    }
}

TEST_F(NewGameTest, CaptiveNextToAnOwnUnitIsReleasedAtOnce) {
    GameDef def = RoyalDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Advanced));
    // Player 1's King waits at (6, 6); player 1 also has an infantryman at (6, 5).
    def.Placement = board_string::Encode(
        12, 12, [](int x, int y) { return x == 6 && y == 6 ? 12 : (x == 6 && y == 5 ? 3 : -2); },
        [](int, int) { return -2; });
    def.Placement.resize(GameDef::kPlacementSize, ' ');
    ASSERT_TRUE(Start(def, 2));
    EXPECT_EQ(game.PicNum(6, 6), 12);
    EXPECT_EQ(game.BoardUnit(6, 6), specs.UnitStrength[12]);
    // Released, and then on the board: nothing waits any more.
    EXPECT_EQ(game.KingX[1], 0);
    EXPECT_EQ(game.KingY[1], 0);
}

class PlacementTest : public NewGameTest {
protected:
    // A 10 x 10 board string: a type-5 unit for each player at his relative cell (6, 2), player
    // 1's King waiting at (5, 7), and player 1's formation cell (2, 1) emptied.
    static GameDef PlacedDef() {
        GameDef def = test::PlainDef(10, 10);
        def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Advanced));
        def.OptionType[0] = 0;
        def.OptionAmount[0] = 2;
        def.Placement = board_string::Encode(
            10, 10,
            [](int x, int y) {
                if (x == 6 && y == 2)
                    return 5;
                if (x == 5 && y == 9)
                    return 15 + 5;
                if (x == 6 && y == 9)
                    return 30 + 5;
                if (x == 5 && y == 2)
                    return 45 + 5;
                if (x == 5 && y == 7)
                    return 12;
                if (x == 2 && y == 1)
                    return -1;
                return -2;
            },
            [](int, int) { return -2; });
        def.Placement.resize(GameDef::kPlacementSize, ' ');
        return def;
    }
};

TEST_F(PlacementTest, OnTheStoredSizeUnitsLandOnTheirCells) {
    ASSERT_TRUE(Start(PlacedDef(), 4));
    EXPECT_EQ(game.PicNum(6, 2), 5);
    EXPECT_EQ(game.PicNum(5, 9), 15 + 5);
    EXPECT_EQ(game.PicNum(6, 9), 30 + 5);
    EXPECT_EQ(game.PicNum(5, 2), 45 + 5);
    EXPECT_EQ(game.PicNum(2, 1), -1) << "the formation's infantryman was removed";
    EXPECT_EQ(game.KingX[1], 5);
    EXPECT_EQ(game.KingY[1], 7);
    EXPECT_EQ(game.PicNum(5, 7), -1) << "a captive is not a unit yet";
}

TEST_F(PlacementTest, OnALargerBoardUnitsKeepTheirDistanceFromTheirOwnCorner) {
    NewGameSetup setup = test::Humans(4);
    setup.OptionTicked[0] = true; // 12 x 12
    ASSERT_TRUE(Start(PlacedDef(), setup));
    EXPECT_EQ(game.PicNum(6, 2), 5);
    EXPECT_EQ(game.PicNum(7, 11), 15 + 5) << "player 2: from the bottom right";
    EXPECT_EQ(game.PicNum(6, 11), 30 + 5) << "player 3: from the bottom left";
    EXPECT_EQ(game.PicNum(7, 2), 45 + 5) << "player 4: from the top right";
    EXPECT_EQ(game.PicNum(2, 1), -1) << "emptied cells stay absolute";
}

TEST_F(PlacementTest, UnitsOfSlotsNotInTheGameEmptyTheirCells) {
    GameDef def = PlacedDef();
    // Player 4's formation would put a peasant at (10, 1); player 4's entry at (5, 2) is absent
    // from a two-player game and empties its cell instead.
    ASSERT_TRUE(Start(def, 2));
    EXPECT_EQ(game.PicNum(5, 2), -1);
    EXPECT_EQ(game.PicNum(6, 9), -1);
    EXPECT_EQ(game.PicNum(5, 9), 15 + 5);
}

TEST_F(PlacementTest, NotExecutedWithoutTheAdvancedOption) {
    GameDef def = PlacedDef();
    def.Options = static_cast<int16_t>(def.Options & ~Bit(option_bit::Advanced));
    ASSERT_TRUE(Start(def, 2));
    EXPECT_EQ(game.PicNum(6, 2), -1);
    EXPECT_EQ(game.PicNum(2, 1), 3);
}

class RefusalTest : public NewGameTest {
protected:
    void SetUp() override {
        GameDef def = RoyalDef(12, 10);
        ASSERT_TRUE(Start(def, 3));
        game.PlaceUnit(6, 6, 5, 2);
        game.Money[2] = 77;
        before = std::make_unique<test::Snapshot>(game);
    }
    void ExpectUntouched() { EXPECT_EQ(test::Snapshot(game), *before); }

    std::unique_ptr<test::Snapshot> before;
};

TEST_F(RefusalTest, SizeAndRoyaltyRefusalsLeaveThePreviousGame) {
    EXPECT_FALSE(Start(CastleDef(7, 6), 2));
    ExpectUntouched();
    EXPECT_FALSE(Start(RoyalDef(8, 8), 4));
    ExpectUntouched();
    EXPECT_FALSE(Start(RoyalDef(4, 8), 2));
    ExpectUntouched();
    EXPECT_TRUE(port.BoardVisible()) << "the board is shown again";
}

TEST_F(RefusalTest, DamagedScenariosAreRefusedWithAMessage) {
    EXPECT_FALSE(game.NewGame(dir.Path() / "Missing.def", test::Humans(2)));
    EXPECT_NE(LastMessage().find("Missing.def"), std::string::npos) << LastMessage();
    ExpectUntouched();

    std::string bytes(2059, '\0');
    EXPECT_FALSE(game.NewGame(dir.WriteBytes("Short.def", bytes), test::Humans(2)));
    EXPECT_NE(LastMessage().find("only 2059 of the 2060 bytes"), std::string::npos)
        << LastMessage();
    ExpectUntouched();

    GameDef badFormation = test::PlainDef(10, 10);
    badFormation.StartPos[1][2] = 16;
    EXPECT_FALSE(Start(badFormation, 2));
    EXPECT_NE(LastMessage().find("unit type 15"), std::string::npos) << LastMessage();
    ExpectUntouched();

    GameDef badPlacement = test::PlainDef(10, 10);
    badPlacement.Options = static_cast<int16_t>(badPlacement.Options | Bit(option_bit::Advanced));
    badPlacement.Placement = std::string(1, char(40)) + char(80) + "  " + char(15);
    badPlacement.Placement.resize(GameDef::kPlacementSize, ' ');
    EXPECT_FALSE(Start(badPlacement, 2));
    EXPECT_NE(LastMessage().find("(3, 1)"), std::string::npos) << LastMessage();
    ExpectUntouched();

    GameDef overflow = test::PlainDef(10, 10);
    overflow.Treasury = 32767;
    overflow.OptionType[1] = 3;
    overflow.OptionAmount[1] = 1;
    NewGameSetup setup = test::Humans(2);
    setup.OptionTicked[1] = true;
    EXPECT_FALSE(Start(overflow, setup));
    EXPECT_NE(LastMessage().find("treasury"), std::string::npos) << LastMessage();
    ExpectUntouched();

    EXPECT_FALSE(Start(test::PlainDef(10, 10), test::Humans(5)));
    ExpectUntouched();
}

TEST_F(RefusalTest, AnyRecordContentNeitherCrashesNorCorruptsTheGame) {
    Random bytes(99);
    for (int round = 0; round < 200; ++round) {
        std::string content(kGameDefSize, '\0');
        for (auto& c : content)
            c = static_cast<char>(static_cast<int>(bytes.Rnd() * 256));
        // Keep some boards plausible so the deeper steps run too.
        if (round % 2 == 0) {
            content[0] = static_cast<char>(8 + round % 20);
            content[1] = 0;
            content[2] = static_cast<char>(8 + round % 13);
            content[3] = 0;
        }
        NewGameSetup setup = test::Humans(1 + round % 4);
        if (game.NewGame(dir.WriteBytes("Noise.def", content), setup)) {
            EXPECT_TRUE(game.GameOn);
            ASSERT_GE(game.BoardWidth, 4);
            ASSERT_LE(game.BoardWidth, kMaxBoardSide);
            for (int p = 1; p <= game.NumPlayers; ++p) {
                EXPECT_TRUE(game.KingX[p] <= 0 || game.OnBoard(game.KingX[p], game.KingY[p]));
                EXPECT_TRUE(game.QueenX[p] <= 0 || game.OnBoard(game.QueenX[p], game.QueenY[p]));
            }
        }
    }
}

} // namespace
} // namespace marovane
