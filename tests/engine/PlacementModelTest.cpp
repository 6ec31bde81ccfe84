#include "engine/PlacementModel.h"

#include "engine/StandardLayout.h"
#include "scenario/BoardString.h"
#include "scenario/Options.h"
#include "scenario/PlayerCorner.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

#include <random>

namespace marovane {
namespace {

constexpr int16_t Bit(int b) {
    return static_cast<int16_t>(1 << b);
}

// A scenario with castles, keeps and royalty, and a formation of three units.
GameDef EditedDef(int width, int height) {
    GameDef def = test::PlainDef(width, height);
    def.Options = static_cast<int16_t>(Bit(option_bit::WinConquest) |
                                       Bit(option_bit::LoseConquest) | Bit(option_bit::Castle) |
                                       Bit(option_bit::Royalty) | Bit(option_bit::Advanced));
    def.UnitsAllowed = 0x3FF;
    def.StartPos[2][3] = 7; // a light archer at (3, 4)
    return def;
}

// The string of a board without placements: its header, then a blank per cell.
std::string Blank(int width, int height) {
    return std::string(1, static_cast<char>(width * 4)) + static_cast<char>(height * 8) +
           std::string(static_cast<size_t>(width * height), ' ');
}

std::vector<int> Cells(const PlacementModel& model) {
    std::vector<int> cells;
    for (int y = 1; y <= model.Height(); ++y)
        for (int x = 1; x <= model.Width(); ++x)
            cells.push_back(model.PicNum(x, y));
    return cells;
}

TEST(PlacementModel, OpeningWithoutPlacementsShowsTheStandardLayout) {
    const GameDef def = EditedDef(12, 10);
    PlacementModel model;
    model.Open(def, 3, "");
    EXPECT_EQ(model.Current(), Blank(12, 10));
    EXPECT_FALSE(model.CanReset());
    EXPECT_FALSE(model.CanUndo());
    // The very layout a new game starts with.
    std::vector<int> expected(120, -1);
    for (const LaidPiece& piece : StandardLayout(def, 12, 10, 3))
        expected[static_cast<size_t>((piece.At.Y - 1) * 12 + piece.At.X - 1)] =
            (piece.Player - 1) * 15 + piece.Type;
    EXPECT_EQ(Cells(model), expected);
    EXPECT_EQ(model.PicNum(1, 1), 0) << "player 1's peasant";
    EXPECT_EQ(model.PicNum(12, 10), 15) << "player 2's peasant";
    EXPECT_EQ(model.PicNum(1, 10), 30) << "player 3's peasant";
    EXPECT_EQ(model.PicNum(12, 1), -1) << "no fourth player";
}

TEST(PlacementModel, EachCellKeepsOnlyWhatDiffersFromTheStandardLayout) {
    PlacementModel model;
    model.Open(EditedDef(10, 10), 2, "");
    const auto at = [&](int x, int y) {
        return model.Current()[static_cast<size_t>((y - 1) * 10 + x + 1)];
    };
    model.Choose(5, 5, 2, 12); // player 2's Heavy Cavalry
    EXPECT_EQ(static_cast<unsigned char>(at(5, 5)), 64 + 11);
    model.Choose(1, 1, 1, 0); // empty player 1's peasant
    EXPECT_EQ(at(1, 1), char(16));
    model.Choose(1, 1, 1, 1); // the peasant again: no difference left
    EXPECT_EQ(at(1, 1), ' ');
    model.Choose(10, 10, 2, 1); // player 2's own peasant on his own cell
    EXPECT_EQ(at(10, 10), ' ');
    EXPECT_EQ(model.PicNum(5, 5), 15 + 11);
}

TEST(PlacementModel, ThePopupOffersAllowedUnitsWallsAndOneRoyalEach) {
    GameDef def = EditedDef(10, 10);
    def.UnitsAllowed = static_cast<int16_t>(Bit(unit_bit::Peasant) | Bit(unit_bit::Infantry) |
                                            Bit(unit_bit::HeavyArmor) | Bit(unit_bit::Royalty));
    PlacementModel model;
    model.Open(def, 2, "");
    auto offered = [&](int player) {
        std::vector<int> types;
        const auto entries = model.Popup(5, 5, player);
        EXPECT_TRUE(entries[0].Offered);
        for (int t = 0; t < 15; ++t)
            if (entries[static_cast<size_t>(t + 1)].Offered)
                types.push_back(t);
        return types;
    };
    EXPECT_EQ(offered(1), (std::vector<int>{0, 5, 12, 13, 14}));
    model.Choose(6, 6, 1, 13); // player 1's King
    EXPECT_EQ(offered(1), (std::vector<int>{0, 5, 13, 14})) << "one King per player";
    EXPECT_EQ(offered(2), (std::vector<int>{0, 5, 12, 13, 14}));
    const auto entries = model.Popup(6, 6, 1);
    EXPECT_TRUE(entries[13].Checked);
    EXPECT_FALSE(entries[0].Checked);
    EXPECT_TRUE(model.Popup(5, 5, 1)[0].Checked) << "an empty cell checks the empty entry";
    EXPECT_FALSE(model.Popup(6, 6, 2)[13].Checked) << "player 1's King is not player 2's";

    def.Options = static_cast<int16_t>(def.Options & ~Bit(option_bit::Royalty));
    model.Open(def, 2, "");
    EXPECT_EQ(offered(1), (std::vector<int>{0, 5, 14})) << "no royals without royalty";
}

// The string the editor makes, executed again on the same board, shows the same cells, on every
// board size, square or not, for every player count, with captive royals among the placements.
TEST(PlacementModel, StringsComeBackExactlyOnEveryBoard) {
    std::mt19937 random(7);
    for (int width = 8; width <= 30; width += 1) {
        for (int height : {8, width, 30, 8 + (width * 7) % 23}) {
            for (int players = 1; players <= 4; ++players) {
                SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", " +
                             std::to_string(players) + " players");
                const GameDef def = EditedDef(width, height);
                PlacementModel model;
                model.Open(def, players, "");
                for (int n = 0; n < 12; ++n) {
                    const int x = static_cast<int>(random() % static_cast<unsigned>(width)) + 1;
                    const int y = static_cast<int>(random() % static_cast<unsigned>(height)) + 1;
                    const int player =
                        static_cast<int>(random() % static_cast<unsigned>(players)) + 1;
                    const auto entries = model.Popup(x, y, player);
                    int entry = static_cast<int>(random() % 16);
                    while (!entries[static_cast<size_t>(entry)].Offered)
                        entry = (entry + 1) % 16;
                    model.Choose(x, y, player, entry);
                }
                ASSERT_EQ(model.Current().size(), 2u + static_cast<size_t>(width * height));
                PlacementModel again;
                again.Open(def, players, model.Current());
                EXPECT_EQ(Cells(again), Cells(model));
                EXPECT_EQ(again.Current(), model.Current());
            }
        }
    }
}

TEST(PlacementModel, AnotherBoardSizeMovesPlacementsWithTheirOwnersCorner) {
    GameDef def = EditedDef(10, 10);
    PlacementModel model;
    model.Open(def, 4, "");
    model.Choose(5, 2, 1, 4);  // player 1: 5 across, 2 down from the top left
    model.Choose(9, 8, 2, 4);  // player 2: 2 across, 3 up from the bottom right
    model.Choose(2, 7, 3, 4);  // player 3: 2 across, 4 up from the bottom left
    model.Choose(8, 3, 4, 15); // player 4: a wall 3 across, 3 down from the top right
    model.Choose(6, 6, 1, 0);  // an emptied cell stays where it is
    const std::string ten = model.Current();

    def.Width = 13;
    def.Height = 12;
    model.Open(def, 4, ten);
    EXPECT_EQ(model.PicNum(5, 2), 3);
    EXPECT_EQ(model.PicNum(13 - 1, 12 - 2), 15 + 3);
    EXPECT_EQ(model.PicNum(2, 12 - 3), 30 + 3);
    EXPECT_EQ(model.PicNum(13 - 2, 3), 45 + 14);
    EXPECT_EQ(static_cast<unsigned char>(model.Current()[0]), 13 * 4) << "encoded again";
    EXPECT_EQ(static_cast<unsigned char>(model.Current()[1]), 12 * 8);
    EXPECT_EQ(model.Current().size(), 2u + 13 * 12);
    EXPECT_EQ(model.HandedIn(), ten) << "Cancel still answers the string handed in";

    // Executed again on the new board it shows the same.
    PlacementModel again;
    again.Open(def, 4, model.Current());
    EXPECT_EQ(Cells(again), Cells(model));
}

TEST(PlacementModel, FewerPlayersLeaveTheirStandardCellsButKeepPlacements) {
    GameDef def = EditedDef(10, 10);
    PlacementModel model;
    model.Open(def, 4, "");
    model.Choose(5, 9, 4, 2); // player 4's priest
    const std::string four = model.Current();
    model.Open(def, 2, four);
    EXPECT_EQ(model.PicNum(10, 1), -1) << "player 4 has no formation in a 2-player layout";
    EXPECT_EQ(model.PicNum(5, 9), 45 + 1) << "the placement still shows";
}

// Every editing step can be taken back, one at a time, to the opening.
TEST(PlacementModel, UndoTakesBackEveryStep) {
    GameDef def = EditedDef(11, 9);
    PlacementModel model;
    PlacementModel reference;
    reference.Open(def, 2, "");
    reference.Choose(4, 4, 2, 5);
    const std::string handedIn = reference.Current();
    model.Open(def, 2, handedIn);

    struct State {
        std::vector<int> Cells;
        std::string Current;
        bool operator==(const State&) const = default;
    };
    auto state = [&] { return State{Cells(model), model.Current()}; };
    std::vector<State> before;
    const std::vector<std::function<void()>> steps = {
        [&] { model.Choose(1, 1, 1, 0); },
        [&] { model.Choose(6, 5, 2, 13); },
        [&] { model.Clear(); },
        [&] { model.Choose(2, 2, 1, 15); },
        [&] { model.Choose(2, 2, 2, 10); },
        [&] { model.Reset(); },
        [&] { model.Choose(11, 9, 2, 0); },
        [&] { model.Clear(); },
    };
    for (const auto& step : steps) {
        before.push_back(state());
        step();
        EXPECT_NE(state(), before.back()) << "each step changes something";
        // Undo right after the step, then do it again.
        model.Undo();
        EXPECT_EQ(state(), before.back());
        step();
    }
    for (auto it = before.rbegin(); it != before.rend(); ++it) {
        ASSERT_TRUE(model.CanUndo());
        model.Undo();
        EXPECT_EQ(state(), *it);
    }
    EXPECT_FALSE(model.CanUndo());
    EXPECT_EQ(model.Current(), handedIn);
}

TEST(PlacementModel, ClearAndResetGoBackToTheLayoutAndToTheHandedInString) {
    GameDef def = EditedDef(10, 10);
    PlacementModel first;
    first.Open(def, 2, "");
    first.Choose(5, 5, 1, 4);
    PlacementModel model;
    model.Open(def, 2, first.Current());
    EXPECT_TRUE(model.CanReset());
    model.Choose(6, 6, 2, 4);
    model.Clear();
    EXPECT_EQ(model.PicNum(5, 5), -1);
    EXPECT_EQ(model.Current(), Blank(10, 10));
    model.Reset();
    EXPECT_EQ(model.Current(), first.Current());
    EXPECT_EQ(model.PicNum(5, 5), 3);
    EXPECT_EQ(model.PicNum(6, 6), -1);
}

TEST(PlacementModel, PaintingPutsWhatThePopupOffersAndOneUndoTakesBackTheStroke) {
    GameDef def = EditedDef(10, 10);
    def.UnitsAllowed = static_cast<int16_t>(0x3FF & ~Bit(2)); // no catapults
    PlacementModel model;
    model.Open(def, 2, "");
    const std::vector<int> opening = Cells(model);
    model.BeginStroke();
    EXPECT_FALSE(model.Paint(5, 5, 1, 3)) << "no catapult in this scenario";
    EXPECT_TRUE(model.Paint(5, 5, 2, 1));
    EXPECT_FALSE(model.Paint(5, 5, 2, 1)) << "the cell shows it already";
    EXPECT_TRUE(model.Paint(6, 5, 2, 1));
    EXPECT_TRUE(model.Paint(7, 5, 2, 13));
    EXPECT_FALSE(model.Paint(8, 5, 2, 13)) << "one King a player";
    EXPECT_TRUE(model.Paint(1, 1, 1, 0));
    EXPECT_EQ(model.PicNum(5, 5), 15);
    EXPECT_EQ(model.PicNum(7, 5), 15 + 12);
    EXPECT_EQ(model.PicNum(1, 1), -1);
    EXPECT_EQ(model.Current()[2], board_string::kEmptied);
    model.Undo();
    EXPECT_EQ(Cells(model), opening);
    EXPECT_FALSE(model.CanUndo()) << "one stroke, one step back";
}

TEST(PlacementModel, MirrorGivesEveryPlayerPlayerOnesPiecesInHisOwnCorner) {
    const GameDef def = EditedDef(12, 10);
    PlacementModel model;
    model.Open(def, 4, "");
    model.Choose(5, 3, 1, 11); // a medium cavalryman of player 1
    model.Choose(2, 6, 1, 13); // his King
    model.Choose(1, 1, 1, 0);  // his peasant goes
    model.Choose(6, 6, 2, 15); // a wall of player 2, which the mirror replaces
    const std::vector<int> before = Cells(model);
    model.MirrorFirstPlayer();
    for (int p = 2; p <= 4; ++p) {
        const int first = (p - 1) * 15;
        const Cell cavalry = ToPlayerCorner(Cell{5, 3}, p, 12, 10);
        const Cell king = ToPlayerCorner(Cell{2, 6}, p, 12, 10);
        const Cell peasant = ToPlayerCorner(Cell{1, 1}, p, 12, 10);
        const Cell archer = ToPlayerCorner(Cell{3, 4}, p, 12, 10);
        EXPECT_EQ(model.PicNum(cavalry.X, cavalry.Y), first + 10) << p;
        EXPECT_EQ(model.PicNum(king.X, king.Y), first + 12) << p;
        EXPECT_EQ(model.PicNum(peasant.X, peasant.Y), -1) << p;
        EXPECT_EQ(model.PicNum(archer.X, archer.Y), first + 6) << p << ": his formation stays";
    }
    EXPECT_EQ(model.PicNum(6, 6), -1) << "player 2's own wall went";
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 10; ++y) {
            const int was = before[static_cast<size_t>((y - 1) * 12 + x - 1)];
            if (was >= 0 && was < 15) {
                EXPECT_EQ(model.PicNum(x, y), was) << "player 1 keeps his pieces";
            }
        }
    }
    // The string says the same, and Undo takes the mirror back.
    PlacementModel reopened;
    reopened.Open(def, 4, model.Current());
    EXPECT_EQ(Cells(reopened), Cells(model));
    model.Undo();
    EXPECT_EQ(Cells(model), before);
}

// ---- What the editor shows is what a new game lays out ------------------------------------------

class PlacedGame : public test::RulesFixture {};

TEST_F(PlacedGame, ANewGameHasEveryPieceWhereTheEditorPutIt) {
    GameDef def = EditedDef(14, 12);
    def.PlayerLimits = 0x0E;
    PlacementModel model;
    model.Open(def, 4, "");
    model.Choose(7, 6, 1, 5);   // player 1: medium infantry in the middle
    model.Choose(2, 1, 1, 0);   // player 1's infantryman removed
    model.Choose(8, 7, 2, 15);  // player 2: a wall
    model.Choose(9, 2, 3, 7);   // player 3: a light archer
    model.Choose(13, 11, 4, 3); // player 4: a catapult
    model.Choose(6, 9, 2, 13);  // player 2's King: where his captive waits
    def.Placement = model.Current();
    def.Placement.resize(GameDef::kPlacementSize, ' ');

    for (int players = 2; players <= 4; ++players) {
        SCOPED_TRACE(std::to_string(players) + " players");
        Start(def, test::Humans(players), true);
        PlacementModel shown;
        shown.Open(def, players, def.Placement);
        for (int x = 1; x <= 14; ++x) {
            for (int y = 1; y <= 12; ++y) {
                int expected = shown.PicNum(x, y);
                // Royals are captives in a game, and slots not in the game empty their cells.
                if (expected % 15 == 12 || expected % 15 == 13 || expected / 15 >= players)
                    expected = -1;
                EXPECT_EQ(game->PicNum(x, y), expected) << "(" << x << ", " << y << ")";
            }
        }
        EXPECT_EQ(game->KingX[2], 6);
        EXPECT_EQ(game->KingY[2], 9);
    }
}

} // namespace
} // namespace marovane
