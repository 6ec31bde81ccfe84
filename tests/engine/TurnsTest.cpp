#include "support/RulesFixture.h"

namespace marovane {
namespace {

const char* const kStalemate = "No player can move or buy any more. The game is over.";

class Turns : public test::RulesFixture {
protected:
    static GameDef ConquestDef(int w = 10, int h = 10) { return test::PlainDef(w, h); }
    // Nobody can lose and nothing can be bought: a player without moves stays in the game.
    static GameDef StuckDef() {
        GameDef def = ConquestDef();
        def.Options = static_cast<int16_t>(Bit(option_bit::WinConquest) | Bit(option_bit::NoKeep));
        return def;
    }
    std::vector<std::string> Messages() const { return port.Messages; }
};

TEST_F(Turns, TurnsPassInOrderAndTheRoundFlagDropsAfterTheLastSlot) {
    Start(ConquestDef(), 3);
    for (int p = 1; p <= 3; ++p)
        Put(p == 1 ? 2 : (p == 2 ? 8 : 2), p == 3 ? 8 : (p == 2 ? 8 : 2), 3, p);
    EXPECT_EQ(game->CurrentPlayer, 1);
    EXPECT_EQ(game->RoundFlag, -1);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 2);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 3);
    EXPECT_EQ(game->RoundFlag, -1);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 1);
    EXPECT_EQ(game->RoundFlag, 0);
}

TEST_F(Turns, EndingATurnForgetsWhatTheBattlesShowedAndRenewsMoves) {
    Start(ConquestDef(), 2);
    Put(2, 2, 3, 1);
    Put(8, 8, 3, 2);
    game->Seen(8, 8, 1) = 1;
    game->Seen(2, 2, 2) = 1;
    game->BoardUnit(8, 8) = 50;
    game->KilledThisTurn = 3;
    game->NextPlayer();
    EXPECT_EQ(game->Seen(8, 8, 1), 0);
    EXPECT_EQ(game->Seen(2, 2, 2), 1) << "only the ending player's memory goes";
    EXPECT_EQ(game->BoardUnit(8, 8), 50 + specs.Moves(3));
    EXPECT_EQ(game->KilledThisTurn, 0);
}

TEST_F(Turns, APieceWithoutHitPointsGetsItsMovesBack) {
    specs.UnitStrength[9] = 3; // no hit points, three moves: valid in a unit table
    Start(ConquestDef(), 2);
    Put(2, 2, 3, 1);
    Put(8, 8, 3, 2);
    Put(5, 5, 9, 1);
    game->BoardUnit(5, 5) = 0; // all three moves used
    game->NextPlayer();
    EXPECT_EQ(game->BoardUnit(5, 5), 3);
    EXPECT_EQ(game->PicNum(5, 5), 9);
}

TEST_F(Turns, ConquestInAFreeForAll) {
    Start(ConquestDef(), 2);
    Put(2, 2, 3, 1);
    Put(8, 8, 3, 2);
    game->Lose(2, -1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Player 2 has been conquered!",
                                                    "Player 1 has conquered all!"}));
    EXPECT_FALSE(game->GameOn);
    EXPECT_EQ(game->PicNum(8, 8), -1) << "the loser's pieces are gone";
    EXPECT_EQ(game->Money[2], 0);
}

TEST_F(Turns, ConquestByATeam) {
    NewGameSetup setup = test::Humans(4);
    setup.TeamsMode = 2;
    Start(ConquestDef(), setup);
    for (int p = 1; p <= 4; ++p) {
        int x = 2, y = 2;
        game->ToPlayerSide(x, y, p);
        Put(x, y, 3, p);
    }
    game->Lose(2, -1);
    EXPECT_TRUE(game->GameOn);
    game->Lose(4, -1);
    EXPECT_EQ(port.Messages.back(), "The Left Players have conquered all!");

    Start(ConquestDef(), setup);
    game->Lose(3, -1);
    game->Lose(2, -1);
    game->Lose(4, -1);
    EXPECT_EQ(port.Messages.back(), "Player 1 has conquered all!") << "no team-mate is left";
}

TEST_F(Turns, RoyalVictoryAndRoyalDefeat) {
    GameDef def = ConquestDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Royalty) |
                                       Bit(option_bit::WinRoyalty) | Bit(option_bit::LoseRoyalty));
    Start(def, 2);
    Put(2, 2, 3, 1);
    Put(10, 10, 3, 2);
    game->PlayerResult[1] = 2;
    game->CheckWin(1);
    EXPECT_EQ(port.Messages.back(), "Player 1 wins!");
    EXPECT_FALSE(game->GameOn);

    Start(def, 2);
    Put(2, 2, 3, 1);
    Put(10, 10, 3, 2);
    game->KingX[2] = game->QueenX[2] = 0; // nothing waits, nothing on the board
    game->CheckLose(2);
    EXPECT_EQ(port.Messages.front(), "Player 2 loses!");
    EXPECT_EQ(port.Messages.back(), "Player 1 has conquered all!");
}

TEST_F(Turns, LoseConditionsThatAreOffDoNothing) {
    GameDef def = ConquestDef();
    def.Options = static_cast<int16_t>(Bit(option_bit::WinConquest) | Bit(option_bit::NoKeep));
    Start(def, 2);
    Put(2, 2, 3, 1);
    game->Lose(2, -1);
    EXPECT_FALSE(game->PlayerOut[2]);
    EXPECT_TRUE(port.Messages.empty());
    game->Resign(); // resigning always counts
    EXPECT_EQ(port.Messages.front(), "Player 1 resigns!");
    EXPECT_TRUE(game->PlayerOut[1]);
    EXPECT_EQ(port.Messages.back(), "Player 2 has conquered all!");
}

TEST_F(Turns, APlayerWhoCannotMoveOrBuyIsConqueredAtTheStartOfHisTurn) {
    Start(ConquestDef(), 3);
    Put(2, 2, 3, 1);
    Put(2, 9, 3, 3);
    Put(8, 8, unit_type::Wall, 2); // player 2 has only a wall piece
    game->NextPlayer();
    EXPECT_EQ(port.Messages.front(), "Player 2 has been conquered!");
    EXPECT_EQ(game->CurrentPlayer, 3);
}

TEST_F(Turns, APlayerWhoCanBuyIsSkippedUntilHisKeepBuys) {
    GameDef def = CastleDef(10, 10);
    def.UnitsAllowed = 1 << unit_bit::Peasant;
    Start(def, 2);
    Put(4, 4, 3, 1);
    Put(8, 9, unit_type::Wall, 2);
    int visitsForTwo = 0;
    port.KeepAnswer = [&](KeepVisit& visit) {
        if (visit.Player() == 2) {
            ++visitsForTwo;
            visit.Buy(0);
        }
    };
    game->NextPlayer();
    EXPECT_EQ(visitsForTwo, 1) << "player 2's turn ended at once with a keep visit";
    EXPECT_EQ(game->CurrentPlayer, 1);
    EXPECT_EQ(game->PicNum(10, 10), 15 + 0) << "the peasant stands in his keep";
    EXPECT_EQ(game->Money[2], 1000 - specs.UnitCost[0]);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 2) << "now he can move";
}

TEST_F(Turns, EmptySlotsNeverGetATurn) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::None, SlotKind::Human};
    Start(ConquestDef(), setup);
    Put(2, 2, 3, 1);
    Put(2, 9, 3, 3);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 3);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 1);
}

TEST_F(Turns, HotSeatPlayersAreAnnouncedWhenOpponentsTurnsAreHidden) {
    Start(ConquestDef(), 2);
    Put(2, 2, 3, 1);
    Put(8, 8, 3, 2);
    game->SetHideOpponents(true);
    game->NextPlayer();
    EXPECT_EQ(port.Messages, std::vector<std::string>{"Player 2's Turn"});
    EXPECT_TRUE(port.BoardVisible()) << "his board is shown after the announcement";
}

TEST_F(Turns, AGameNobodyCanGoOnWithEnds) {
    // Without keeps nothing can be bought; with money but a party limit of 0 the keep never
    // opens, so nothing can be bought either.
    GameDef noRoom = CastleDef(10, 10);
    noRoom.PartySize = 0;
    for (const GameDef& def : {StuckDef(), noRoom}) {
        SCOPED_TRACE(def.PartySize);
        Start(def, 2);
        Put(2, 2, unit_type::Wall, 1);
        Put(8, 8, unit_type::Wall, 2);
        port.NoMovesShown = 0;
        game->NextPlayer();
        EXPECT_FALSE(game->GameOn);
        EXPECT_EQ(port.NoMovesShown, 5) << "after two whole rounds in which nobody could move";
        EXPECT_EQ(port.Messages.back(), kStalemate);
    }
}

TEST_F(Turns, PlayersWhoCanStillBuyKeepTheGameGoing) {
    Start(CastleDef(10, 10), 2); // 1000 in each treasury
    Put(1, 3, unit_type::Wall, 1);
    Put(10, 8, unit_type::Wall, 2);
    game->NextPlayer(); // and nobody buys in his keep
    EXPECT_TRUE(game->GameOn);
    EXPECT_TRUE(port.Messages.empty());
    // After two rounds of turns that ended at once, a player's turn waits for him again.
    EXPECT_EQ(game->CurrentPlayer, 2);
    EXPECT_TRUE(game->NextTurnEnabled) << "he ends it with Next Turn";
    port.KeepAnswer = [](KeepVisit& visit) {
        if (visit.Player() == 1)
            visit.Buy(3);
    };
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 1);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 2);
    game->NextPlayer();
    EXPECT_EQ(game->CurrentPlayer, 1);
    EXPECT_EQ(game->PicNum(1, 1), 3) << "the unit player 1 bought";
    EXPECT_EQ(MovesLeft(1, 1), specs.Moves(3)) << "moves this turn";
    EXPECT_TRUE(game->GameOn);
}

TEST_F(Turns, ANewGameCountsItsIdleTurnsAfresh) {
    GameDef stuck = StuckDef();
    Start(stuck, 2);
    Put(2, 2, unit_type::Wall, 1);
    Put(8, 8, unit_type::Wall, 2);
    // In the third turn nobody could move, a new game of walls only begins.
    stuck.StartPos = {};
    stuck.StartPos[3][3] = unit_type::Wall + 1;
    int idle = 0;
    std::function<void()> window = [&] {
        if (++idle < 3) {
            port.OnWindowEvents = window;
            return;
        }
        port.NoMovesShown = 0;
        game->NewGame(dir.Write("Stuck", stuck), test::Humans(2));
    };
    port.OnWindowEvents = window;
    game->NextPlayer();
    EXPECT_FALSE(game->GameOn);
    EXPECT_EQ(port.Messages.back(), kStalemate);
    EXPECT_EQ(port.NoMovesShown, 5) << "the new game's own two rounds, not the rest of the old";
}

TEST_F(Turns, ComputerTurnsRunThroughTheComputerPlayer) {
    struct Stepper : ComputerPlayer {
        int turns = 0;
        bool PlayTurn(Game&) override { return ++turns < 5; }
        void DoComputerKeep(Game&, KeepVisit&) override {}
    } computer;
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Computer};
    game = std::make_unique<Game>(specs, port, 3);
    game->SetComputerPlayer(&computer);
    ASSERT_TRUE(game->NewGame(dir.Write("Cpu", ConquestDef()), setup));
    EXPECT_EQ(computer.turns, 5) << "turns go on until the computer player stops them";
    EXPECT_TRUE(game->GameOn);
}

TEST_F(Turns, TeamVictoryNeedsEveryTeamMatesRoyals) {
    GameDef def = ConquestDef(12, 12);
    def.Options =
        static_cast<int16_t>(def.Options | Bit(option_bit::Royalty) | Bit(option_bit::WinRoyalty));
    NewGameSetup setup = test::Humans(4);
    setup.TeamsMode = 4;
    Start(def, setup, true);
    game->PlayerResult[1] = 2;
    game->CheckWin(1);
    EXPECT_TRUE(game->GameOn);
    game->PlayerResult[2] = 2;
    game->CheckWin(1);
    EXPECT_EQ(port.Messages.back(), "The NW/SE Players win!");
}

} // namespace
} // namespace marovane
