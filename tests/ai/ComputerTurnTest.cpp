#include "ai/ComputerTurn.h"
#include "ai/AiFixture.h"

#include <optional>

namespace marovane {
namespace {

class AiTurn : public test::AiFixture {
protected:
    void Play(int p = 1) {
        ComputerTurnOf(p);
        DoComputerMoves(*game, p);
    }
    // Runs `what` at the n-th time the rules let window events run.
    void AtWindowEvent(int n, std::function<void()> what) {
        countdown_ = n;
        action_ = std::move(what);
        port.OnWindowEvents = [this] { Tick(); };
    }

private:
    void Tick() {
        if (--countdown_ > 0)
            port.OnWindowEvents = [this] { Tick(); };
        else
            action_();
    }
    int countdown_ = 0;
    std::function<void()> action_;
};

TEST_F(AiTurn, NothingHappensForAPlayerWithoutMovesOrPieces) {
    Start(test::PlainDef(10, 10), 2);
    Put(8, 8, 3, 2);
    const test::Snapshot before(*game);
    Play();
    EXPECT_EQ(test::Snapshot(*game).Board, before.Board);

    Put(7, 7, 3, 1);
    SetMoves(7, 7, 0);
    const test::Snapshot tired(*game);
    Play();
    EXPECT_EQ(test::Snapshot(*game).Board, tired.Board) << "a unit without moves does nothing";
}

TEST_F(AiTurn, ActingOrderByMovesLeftRoyalsGateAndKeep) {
    Moves(5, 9);
    Moves(unit_type::King, 1);
    Start(CastleDef(10, 10), 2);
    Put(1, 1, 5, 1);               // 9 moves in the keep: 4
    Put(3, 3, 3, 1);               // 3 moves on the gate: 8
    Put(5, 1, 3, 1);               // 3
    Put(5, 9, 3, 1);               // 3, after (5, 1) in board order
    Put(6, 6, 5, 1);               // 9
    Put(8, 5, unit_type::King, 1); // 1 + 10
    Put(9, 2, unit_type::Wall, 1); // no moves
    std::vector<Cell> order;
    for (const PartyPiece& row : ActingOrder(*game, 1))
        order.push_back({row.X, row.Y});
    EXPECT_EQ(order, (std::vector<Cell>{{8, 5}, {6, 6}, {3, 3}, {1, 1}, {5, 1}, {5, 9}, {9, 2}}));
}

TEST_F(AiTurn, StopsWhenThePlayerIsHandedToAHuman) {
    Start(test::PlainDef(10, 10), 2);
    Put(2, 2, 3, 1);
    Put(3, 2, 3, 2);
    const test::Snapshot before(*game);
    AtWindowEvent(1, [&] { game->PlayerComp[1] = false; });
    Play();
    EXPECT_EQ(test::Snapshot(*game).Board, before.Board);
}

// Wherever the turn lets the window run, a new game may take the board's place; the turn must
// stop there without touching the new board.
TEST_F(AiTurn, StopsAtOnceWhenTheWindowStartsAnotherGame) {
    GameDef small = test::PlainDef(6, 6);
    for (int n = 1; n <= 40; ++n) {
        Start(CastleDef(12, 12), 2);
        Put(2, 1, 3, 1);
        Put(6, 6, 9, 1);
        Put(8, 7, 3, 2);
        std::optional<BoardArrays> newBoard;
        AtWindowEvent(n, [&] {
            game->NewGame(dir.Write("Small", small), test::Humans(2));
            newBoard = game->Board();
        });
        EXPECT_NO_THROW(Play()) << "stopped at window event " << n;
        port.OnWindowEvents = nullptr;
        if (!newBoard) {
            // The turn let the window run fewer than n times: every one of them was tried.
            EXPECT_GT(n, 1) << "the turn lets the window run at least once";
            break;
        }
        EXPECT_EQ(game->Board(), *newBoard) << "stopped at window event " << n;
    }
}

TEST_F(AiTurn, ACatapultWithNothingToFightOrMarchOnDoesNothingMore) {
    specs.UnitRange[unit_type::Catapult] = 4;
    specs.UnitRange[6] = 3;
    Start(test::PlainDef(12, 12), 2);
    game->PlayerOut[2] = true; // no enemy left
    Put(6, 6, unit_type::Catapult, 1);
    Put(2, 2, 6, 1);
    Play();
    EXPECT_TRUE(Occupied(6, 6));
    EXPECT_EQ(MovesLeft(6, 6), 3);
    EXPECT_FALSE(Occupied(2, 2)) << "an archer in its place explores";
}

TEST_F(AiTurn, UnitsExploreOnlyBoardsLargerThanSixteen) {
    Start(test::PlainDef(8, 8), 2);
    game->PlayerOut[2] = true;
    Put(4, 4, 3, 1);
    Play();
    EXPECT_TRUE(Occupied(4, 4)) << "8 + 8 is not above 16";

    Start(test::PlainDef(9, 8), 2);
    game->PlayerOut[2] = true;
    Put(4, 4, 3, 1);
    Play();
    EXPECT_FALSE(Occupied(4, 4));
}

TEST_F(AiTurn, PeasantsStayHomeInCastleGamesUntilThereAreTooMany) {
    Start(CastleDef(12, 12), 2);
    auto peasants = [&](int n, bool wall) {
        Clear();
        for (int i = 0; i < n; ++i)
            Put(5 + i, 6, unit_type::Peasant, 1);
        if (wall)
            Put(1, 3, unit_type::Wall, 1);
        return PeasantSurplus(*game, 1);
    };
    EXPECT_FALSE(peasants(4, false));
    EXPECT_TRUE(peasants(5, false));
    EXPECT_FALSE(peasants(5, true));
    EXPECT_FALSE(peasants(6, true));
    EXPECT_TRUE(peasants(7, true));

    // Peasants in surplus fight; the others do not go after a distant enemy.
    for (bool wall : {true, false}) {
        peasants(5, wall);
        Put(8, 12, 3, 2);
        Play();
        bool moved = false;
        for (int i = 0; i < 5; ++i)
            moved = moved || !Occupied(5 + i, 6);
        EXPECT_EQ(moved, !wall) << (wall ? "with" : "without") << " a wall piece";
    }

    Start(test::PlainDef(12, 12), 2);
    EXPECT_TRUE(peasants(1, false)) << "without castles every peasant fights";
}

TEST_F(AiTurn, RoyalsAndFirstRoundLightInfantryRetreatIntoTheKeep) {
    Start(CastleDef(12, 12), 2);
    Put(4, 4, unit_type::King, 1);
    Put(12, 1, 3, 2);
    Play();
    EXPECT_EQ(game->PicNum(1, 1), unit_type::King);
    EXPECT_EQ(MovesLeft(1, 1), 0) << "home, it settles";

    Clear();
    Put(4, 4, unit_type::FirstFighter, 1);
    Put(12, 1, 3, 2);
    Play();
    EXPECT_EQ(game->PicNum(1, 1), unit_type::FirstFighter) << "in the first round";

    Clear();
    game->RoundFlag = 0;
    Put(4, 4, unit_type::FirstFighter, 1);
    Put(12, 1, 3, 2);
    Play();
    EXPECT_FALSE(Occupied(1, 1));
}

TEST_F(AiTurn, AUnitOnTheGateClearsItForARoyalOutside) {
    Start(CastleDef(12, 12), 2);
    Put(3, 3, 4, 1);
    Put(8, 8, unit_type::King, 1);
    Put(12, 1, 3, 2);
    Play();
    EXPECT_EQ(game->PicNum(4, 4), 4) << "the outermost free cell by the gate";
    EXPECT_EQ(MovesLeft(4, 4), 0);
}

TEST_F(AiTurn, AnIdleUnitGuardsItsRoyal) {
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, unit_type::King, 1);
    SetMoves(5, 5, 0);
    Put(2, 8, 3, 1);
    Put(10, 10, 3, 2);
    Play();
    EXPECT_EQ(game->PicNum(5, 6), 3) << "on its way to the guard cell (6, 6)";
}

} // namespace
} // namespace marovane
