#include "session/GameSession.h"

#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// Two humans on a 10 x 10 board, each with two units of four moves at his relative cells
// (1, 1) and (2, 1).
class UndoTest : public ::testing::Test {
public: // the cases of a table act on the fixture
    UndoTest() : session(specs, port, 5, dir.Path(), settings) {}

    void Start(GameDef def = test::PlainDef(10, 10)) {
        def.StartPos[0][0] = 4; // type 3: four moves
        def.StartPos[1][0] = 8; // type 7: four moves
        ASSERT_TRUE(session.StartNewGame(dir.Write("Steps", def), test::Humans(2)));
        ASSERT_EQ(game().CurrentPlayer, 1);
    }
    Game& game() { return session.CurrentGame(); }
    // Every cell counts as explored by the player, so steps find nothing new.
    void ExploreAll(int p) {
        for (int x = 0; x <= game().BoardWidth; ++x) {
            for (int y = 0; y <= game().BoardHeight; ++y)
                game().BoardMark(x, y) |= static_cast<uint8_t>(1 << p);
        }
    }
    // Selects the unit and steps it as two clicks would; the bytes of the game just before the
    // step are returned.
    std::string Step(int x1, int y1, int x2, int y2) {
        if (game().HighX != x1 || game().HighY != y1)
            game().CellClick(x1, y1);
        EXPECT_EQ(game().HighX, x1);
        std::string before = EncodeSavedGame(game());
        game().CellClick(x2, y2);
        EXPECT_GE(game().PicNum(x2, y2), 0) << "the unit stepped to " << x2 << ", " << y2;
        return before;
    }

    UnitSpecs specs = test::TestSpecs();
    test::TempDir dir;
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

TEST_F(UndoTest, StepsTakenBackLeaveTheGameByteForByteAsBeforeEach) {
    Start();
    ExploreAll(1);
    EXPECT_FALSE(session.UndoAllowed()) << "nothing to take back at the start of a turn";
    std::vector<std::string> before;
    std::vector<int> offered;
    auto step = [&](int x1, int y1, int x2, int y2) {
        offered.push_back(game().NextUnitIndex);
        before.push_back(Step(x1, y1, x2, y2));
        EXPECT_TRUE(session.UndoAllowed());
    };
    step(1, 1, 2, 2);
    step(2, 2, 3, 3);
    step(3, 3, 4, 4);
    step(4, 4, 5, 5); // its last move: the selection goes
    step(2, 1, 3, 1);
    EXPECT_TRUE(game().NextTurnEnabled);
    for (size_t i = before.size(); i-- > 0;) {
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(EncodeSavedGame(game()), before[i]) << "after taking back step " << i + 1;
        EXPECT_EQ(game().NextUnitIndex, offered[i]);
    }
    EXPECT_FALSE(session.UndoAllowed());
    EXPECT_FALSE(session.Undo());
    EXPECT_EQ(game().PieceAt(1, 1).MovesLeft, 4);
    EXPECT_EQ(game().HighX, 1) << "the unit that stepped first is selected where it stood";

    // The game goes on from there as if the steps had never been taken.
    before.clear();
    step(1, 1, 1, 2);
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(EncodeSavedGame(game()), before[0]);
}

TEST_F(UndoTest, EachEventThatCannotBeUndoneStopsTheUndo) {
    struct Case {
        const char* what;
        bool fog = false;
        std::function<void(UndoTest&)> event;
    };
    const Case cases[] = {
        {"a battle", false,
         [](UndoTest& t) {
             t.game().PlaceUnit(4, 2, 3, 2);
             t.game().Update();
             t.game().CellClick(3, 2);
             t.game().CellClick(4, 2);
             ASSERT_LT(t.game().PieceAt(3, 2).MovesLeft, 4) << "the attack was fought";
         }},
        {"a newly explored cell under fog", true,
         [](UndoTest& t) {
             for (int x = 0; x <= 10; ++x) {
                 for (int y = 4; y <= 10; ++y)
                     t.game().BoardMark(x, y) = 0;
             }
             t.Step(3, 2, 3, 3); // row 4 comes into the explored area
         }},
        {"a cell brought into sight under fog", true,
         [](UndoTest& t) {
             t.Step(3, 2, 4, 3); // a unit that sees three cells around it looks into column 7
         }},
        {"a captive released", false,
         [](UndoTest& t) {
             Game& g = t.game();
             g.Def.Options = static_cast<int16_t>(g.Def.Options | (1 << option_bit::Royalty));
             // The King waits under one of his own units; it stands free once the unit leaves.
             g.PlaceUnit(5, 5, 7, 1);
             g.KingX[1] = 5;
             g.KingY[1] = 5;
             t.Step(5, 5, 6, 6);
             ASSERT_EQ(g.PieceAt(5, 5).Type, unit_type::King);
         }},
        {"the end of the turn with its keep visit", false,
         [](UndoTest& t) {
             t.game().NextPlayer();
             ASSERT_EQ(t.game().CurrentPlayer, 2);
         }},
    };
    for (const Case& c : cases) {
        GameDef def = test::PlainDef(10, 10);
        if (c.fog)
            def.Options = static_cast<int16_t>(def.Options | (1 << option_bit::Fog));
        Start(def);
        ExploreAll(1);
        if (c.fog) {
            // Cells up to column and row 6 were seen before, so the first steps show nothing
            // new.
            for (int x = 1; x <= 6; ++x) {
                for (int y = 1; y <= 6; ++y)
                    game().Seen(x, y, 1) = 1;
            }
            game().Update();
        }
        Step(1, 1, 2, 2);
        Step(2, 2, 3, 2);
        ASSERT_TRUE(session.UndoAllowed()) << c.what;
        c.event(*this);
        EXPECT_FALSE(session.UndoAllowed()) << c.what << " cannot be taken back";
        EXPECT_FALSE(session.Undo()) << c.what;
    }
}

// Without fog nothing is hidden: a step into ground never explored may be taken back.
TEST_F(UndoTest, ExploringWithoutFogStopsNothing) {
    Start();
    for (int x = 0; x <= 10; ++x) {
        for (int y = 4; y <= 10; ++y)
            game().BoardMark(x, y) = 0;
    }
    Step(1, 1, 2, 2);
    const std::string before = Step(2, 2, 3, 3); // row 4 comes into the explored area
    ASSERT_NE(game().BoardMark(3, 4) & (1 << 1), 0) << "the step explored";
    ASSERT_TRUE(session.UndoAllowed());
    EXPECT_TRUE(session.Undo());
    EXPECT_EQ(EncodeSavedGame(game()), before);
}

TEST_F(UndoTest, NeverOfferedForTheComputerOrInANetworkGame) {
    Start();
    ExploreAll(1);
    Step(1, 1, 2, 2);
    ASSERT_TRUE(session.UndoAllowed());
    session.SetComputerPlayer(nullptr); // the turn waits instead of being played
    game().SwitchComputer();
    EXPECT_FALSE(session.UndoAllowed()) << "the computer took over the turn";
    game().SwitchComputer();
    EXPECT_FALSE(session.UndoAllowed()) << "and the steps before it stay";

    for (NetworkRole mode : {NetworkRole::Guest, NetworkRole::Host}) {
        Start();
        ExploreAll(1);
        game().Role = mode;
        game().MyPlayer = 1;
        Step(1, 1, 2, 2);
        EXPECT_FALSE(session.UndoAllowed()) << "network role " << static_cast<int>(mode);
        EXPECT_FALSE(session.Undo());
        game().Role = NetworkRole::Local;
    }
}

} // namespace
} // namespace marovane
