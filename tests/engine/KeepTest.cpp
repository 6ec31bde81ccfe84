#include "support/RulesFixture.h"
#include "util/Error.h"

namespace marovane {
namespace {

class Keep : public test::RulesFixture {
protected:
    // Two players with castles and keeps; player 1 has a unit outside so his turn is a turn.
    void StartKeepGame(int players = 2, int teams = 0) {
        NewGameSetup setup = test::Humans(players);
        setup.TeamsMode = teams;
        GameDef def = CastleDef(12, 12);
        def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::LoseKeep));
        def.UnitsAllowed = 0x3FF;
        Start(def, setup);
        Put(5, 5, 3, 1);
    }
};

TEST_F(Keep, AnEnemyInTheKeepRaidsTheTreasury) {
    struct Case {
        int treasury, stolen, left;
    };
    for (Case c : {Case{150, 150, 0}, Case{500, 200, 300}}) {
        GameDef def = CastleDef(12, 12);
        Start(def, 2);
        Put(5, 5, 3, 1);
        Put(1, 1, 4, 2);
        game->Money[1] = static_cast<int16_t>(c.treasury);
        game->Money[2] = 10;
        game->DoKeep(1);
        EXPECT_EQ(game->Money[2], 10 + c.stolen);
        EXPECT_EQ(game->Money[1], c.left);
        EXPECT_EQ(game->PicNum(1, 1), -1) << "the raider leaves the keep";
        EXPECT_EQ(port.Messages.back(),
                  "Player 2 stole " + std::to_string(c.stolen) + "\xA4 from our treasury!");
    }
}

// Treasuries hold at most 32767: a raider takes only what his can hold, the rest stays.
TEST_F(Keep, ARaidNeverTakesMoreThanTheRaiderCanHold) {
    struct Case {
        int raiderMoney, stolen;
    };
    for (Case c : {Case{32700, 67}, Case{32767, 0}}) {
        SCOPED_TRACE(c.raiderMoney);
        Start(CastleDef(12, 12), 2);
        Put(5, 5, 3, 1);
        Put(1, 1, 4, 2);
        game->Money[1] = 500;
        game->Money[2] = static_cast<int16_t>(c.raiderMoney);
        game->DoKeep(1);
        EXPECT_EQ(game->Money[2], 32767);
        EXPECT_EQ(game->Money[1], 500 - c.stolen);
        EXPECT_EQ(game->PicNum(1, 1), -1) << "the raider leaves the keep";
        // Nothing is said of a theft in which nothing changed hands.
        const std::vector<std::string> said =
            c.stolen ? std::vector<std::string>{"Player 2 stole 67\xA4 from our treasury!"}
                     : std::vector<std::string>{};
        EXPECT_EQ(port.Messages, said);
    }

    // A castle taken over: the conqueror's treasury fills up, and the fallen, who is out, holds
    // nothing, as after any other defeat.
    StartKeepGame(3);
    Put(1, 1, 4, 3);
    game->Money[1] = 700;
    game->Money[3] = 32500;
    game->DoKeep(1);
    EXPECT_TRUE(game->PlayerOut[1]);
    EXPECT_EQ(game->Money[3], 32767);
    EXPECT_EQ(game->Money[1], 0);
}

TEST_F(Keep, AComputerRaiderStealsSilently) {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::Computer};
    Start(CastleDef(12, 12), setup);
    Put(5, 5, 3, 1);
    Put(1, 1, 4, 2);
    game->DoKeep(1);
    EXPECT_EQ(game->Money[2], 1200);
    EXPECT_TRUE(port.Messages.empty());
}

TEST_F(Keep, AnEnemyInTheKeepTakesTheCastle) {
    StartKeepGame(3);
    Put(1, 1, 4, 2);
    game->Money[1] = 700;
    game->DoKeep(1);
    EXPECT_EQ(port.Messages.front(), "Player 1's castle has been taken over!");
    EXPECT_TRUE(game->PlayerOut[1]);
    EXPECT_EQ(game->Money[2], 1000 + 700) << "the conqueror takes the whole treasury";
    EXPECT_EQ(game->PicNum(1, 1), 15 + 4) << "and stays in the keep";
}

TEST_F(Keep, SaleValuesRoundHalvesToEven) {
    EXPECT_EQ(KeepVisit::SaleValue(3, 5, 200), 120);
    EXPECT_EQ(KeepVisit::SaleValue(1, 3, 100), 33);
    EXPECT_EQ(KeepVisit::SaleValue(1, 2, 5), 2);
    EXPECT_EQ(KeepVisit::SaleValue(1, 2, 7), 4);
    EXPECT_EQ(KeepVisit::SaleValue(5, 5, 175), 175);
    EXPECT_EQ(KeepVisit::SaleValue(3, 0, 100), 0);
}

TEST_F(Keep, SellingAUnitInTheKeep) {
    StartKeepGame();
    Put(1, 1, 4, 1);
    game->BoardUnit(1, 1) = 31; // 3 of 6 hit points
    int offered = -1;
    port.KeepAnswer = [&](KeepVisit& visit) {
        EXPECT_TRUE(visit.CanSell());
        EXPECT_FALSE(visit.CanRescue());
        EXPECT_FALSE(visit.PurchaseOpen()) << "the keep is occupied";
        EXPECT_EQ(visit.SellValue(), 70);
        visit.Sell();
        offered = static_cast<int>(visit.Offered().size());
    };
    game->DoKeep(1);
    EXPECT_EQ(game->Money[1], 1070);
    EXPECT_EQ(game->PicNum(1, 1), -1);
    EXPECT_EQ(offered, 12) << "after the sale the purchase opens: every type priced above 0";
}

TEST_F(Keep, BuyingPutsAFullStrengthUnitInTheKeep) {
    StartKeepGame();
    game->Money[1] = static_cast<int16_t>(specs.UnitCost[5]);
    port.KeepAnswer = [&](KeepVisit& visit) {
        EXPECT_TRUE(visit.CanBuy(5)) << "a price equal to the treasury is offered";
        EXPECT_FALSE(visit.CanBuy(6)) << "one above it is not";
        EXPECT_FALSE(visit.CanBuy(unit_type::Wall)) << "never the wall piece";
        EXPECT_FALSE(visit.CanBuy(unit_type::King)) << "nor a royal";
        visit.Buy(5);
        EXPECT_THROW(visit.Buy(0), Error) << "one unit per visit";
        EXPECT_EQ(visit.Money(), 0);
    };
    game->DoKeep(1);
    EXPECT_EQ(game->PicNum(1, 1), 5);
    EXPECT_EQ(game->BoardUnit(1, 1), specs.UnitStrength[5]);
    EXPECT_EQ(game->Money[1], 0);
}

TEST_F(Keep, RescuingRoyalsBringsTheRewardAndVictory) {
    GameDef def = CastleDef(12, 12);
    def.Options =
        static_cast<int16_t>(def.Options | Bit(option_bit::Royalty) | Bit(option_bit::WinRoyalty));
    def.Reward = 400;
    Start(def, 2);
    Put(5, 5, 3, 1);
    Put(11, 11, 3, 2);
    port.KeepAnswer = [](KeepVisit& visit) {
        EXPECT_EQ(visit.SellValue(), 400);
        EXPECT_FALSE(visit.CanSell());
        visit.Rescue();
    };
    Put(1, 1, unit_type::King, 1);
    game->DoKeep(1);
    EXPECT_EQ(game->PlayerResult[1], 1);
    EXPECT_EQ(game->Money[1], 1400);
    EXPECT_EQ(game->PicNum(1, 1), -1);
    Put(1, 1, unit_type::Queen, 1);
    game->NextPlayer();
    EXPECT_EQ(game->PlayerResult[1], 2);
    EXPECT_EQ(port.Messages.back(), "Player 1 wins!");
    EXPECT_FALSE(game->GameOn);
}

TEST_F(Keep, ARoyalRescuedBeforeABuyStillCounts) {
    GameDef def = CastleDef(12, 12);
    def.Options =
        static_cast<int16_t>(def.Options | Bit(option_bit::Royalty) | Bit(option_bit::LoseRoyalty));
    def.Reward = 400;
    Start(def, 2);
    Put(5, 5, 3, 1);
    Put(11, 11, 3, 2);
    Put(1, 1, unit_type::King, 1);
    game->KingX[1] = game->QueenX[1] = 0; // the King is the only royal left
    port.KeepAnswer = [](KeepVisit& visit) {
        visit.Rescue();
        visit.Buy(4);
    };
    game->DoKeep(1);
    EXPECT_EQ(game->PlayerResult[1], 1) << "the King is home";
    EXPECT_EQ(game->Money[1], 1000 + 400 - specs.UnitCost[4]);
    EXPECT_EQ(game->PicNum(1, 1), 4);
    EXPECT_EQ(game->BoardUnit(1, 1), specs.UnitStrength[4]);
    game->CheckLose(1);
    EXPECT_FALSE(game->PlayerOut[1]) << "a player whose King is home has not lost his royals";
}

TEST_F(Keep, NoVisitWhenThePartyIsFullOrNothingCanBeDone) {
    StartKeepGame();
    game->MaxParty = 3;
    Put(6, 6, 3, 1);
    Put(7, 7, 3, 1); // three party members
    game->DoKeep(1);
    EXPECT_EQ(port.KeepVisits, 0);
    game->SetUnit(7, 7, -1, 1);
    game->KilledThisTurn = 1; // one lost this turn still counts against the limit
    game->DoKeep(1);
    EXPECT_EQ(port.KeepVisits, 0);
    game->KilledThisTurn = 0;
    game->Money[1] = 0;
    game->DoKeep(1);
    EXPECT_EQ(port.KeepVisits, 0) << "nothing affordable";
    game->Money[1] = 100;
    game->DoKeep(1);
    EXPECT_EQ(port.KeepVisits, 1);
}

TEST_F(Keep, WithoutKeepsNothingHappensAtTheCorner) {
    GameDef def = CastleDef(12, 12, false);
    Start(def, 2);
    Put(5, 5, 3, 1);
    Put(1, 1, 4, 2);
    game->BoardUnit(1, 1) = 33;
    game->DoKeep(1);
    EXPECT_EQ(port.KeepVisits, 0);
    EXPECT_EQ(game->PicNum(1, 1), 15 + 4) << "the enemy keeps his unit";
    EXPECT_EQ(game->BoardUnit(1, 1), 33);
    EXPECT_EQ(game->Money[1], 1000);
}

TEST_F(Keep, ATeamMatesPieceServesThePlayer) {
    StartKeepGame(4, 2); // 1 and 3 are team-mates
    Put(1, 1, 6, 3);
    game->BoardUnit(1, 1) = 52;
    game->DoKeep(1);
    EXPECT_EQ(port.KeepVisits, 1);
    EXPECT_EQ(game->PicNum(1, 1), 6) << "rewritten as player 1's own";
    EXPECT_EQ(game->BoardUnit(1, 1), 52) << "a hurt unit stays hurt";

    Put(1, 1, unit_type::Queen, 3);
    port.KeepAnswer = [](KeepVisit& visit) { visit.Rescue(); };
    game->DoKeep(1);
    EXPECT_EQ(game->PlayerResult[1], 1) << "a team-mate's Queen counts for the player";
}

TEST_F(Keep, APlayerWhoResignedHasNoKeepToVisit) {
    StartKeepGame(4, 2); // 1 and 3 are team-mates
    game->CurrentPlayer = 1;
    Put(1, 1, 6, 3); // the team-mate's piece stands in player 1's keep
    bool visited = false;
    port.KeepAnswer = [&visited](KeepVisit& visit) { visited = visited || visit.Player() == 1; };
    game->Resign();
    EXPECT_FALSE(visited);
    EXPECT_EQ(game->PieceAt(1, 1).Owner, 3) << "the piece is not taken over by a player who is out";
}

TEST_F(Keep, ATreasuryCannotOverflow) {
    StartKeepGame();
    Put(1, 1, 11, 1);
    game->Money[1] = 32700;
    port.KeepAnswer = [](KeepVisit& visit) { EXPECT_THROW(visit.Sell(), Error); };
    game->DoKeep(1);
    EXPECT_EQ(game->Money[1], 32700);
    EXPECT_EQ(game->PicNum(1, 1), 11);
}

} // namespace
} // namespace marovane
