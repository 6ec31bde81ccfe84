#include "engine/GameEvent.h"

#include "support/RulesFixture.h"

namespace marovane {
namespace {

using namespace game_event;

class GameEvents : public test::RulesFixture, public GameEventListener {
protected:
    void Heard(const Game&, const GameEvent& event) override { heard.push_back(event); }
    void TearDown() override {
        if (game)
            game->StopListening(this);
    }
    std::vector<GameEvent> heard;
};

// A turn with a step, a battle whose strike back kills the attacker, a heal, and a keep visit
// that rescues the King and buys a unit, told in the order it was played.
TEST_F(GameEvents, AScriptedTurnIsToldInOrder) {
    specs = test::ExactSpecs(); // every roll is 2, every neighbour is hit
    GameDef def = CastleDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Royalty));
    def.Reward = 400;
    def.UnitsAllowed = 0x3FF;
    Start(def, 2);
    Put(5, 5, 3, 1);
    Put(8, 8, 5, 1);
    game->BoardUnit(8, 8) = 12; // one hit point, and it has moved: it strikes with 1
    Put(9, 8, 4, 2);
    Put(3, 3, unit_type::Priest, 1);
    Put(3, 4, 3, 1);
    game->BoardUnit(3, 4) = 53;
    Put(1, 1, unit_type::King, 1);
    port.KeepAnswer = [](KeepVisit& visit) {
        visit.Rescue();
        visit.Buy(3);
    };
    game->Listen(this);

    int x2 = 6;
    ASSERT_TRUE(game->MovePiece(5, 5, x2, 5));
    game->Battle(8, 8, 9, 8);
    game->Battle(3, 3, 3, 4);
    game->NextPlayer();

    Battle fought;
    fought.Attacker = 1;
    fought.AttackerType = 5;
    fought.Target = 2;
    fought.TargetType = 4;
    fought.From = {8, 8};
    fought.To = {9, 8};
    fought.Hit = true;
    fought.Damage = 1;
    fought.Counter = 2;
    fought.AttackerKilled = true;
    const std::vector<GameEvent> expected = {
        Step{1, 3, {5, 5}, {6, 5}},
        fought,
        Heal{1, {3, 3}, {3, 4}, 3, 2},
        Rescue{1, unit_type::King, {1, 1}, 400},
        Purchase{1, 3, {1, 1}, specs.UnitCost[3]},
        TurnStart{2},
    };
    EXPECT_EQ(heard, expected);
}

// Under fog of war the board's viewer learns only of what happens where he sees.
TEST_F(GameEvents, FogHidesWhatHappensOutOfSight) {
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Fog));
    Start(def, 2);
    Put(2, 2, 3, 1);
    Put(11, 11, 3, 2);
    game->Update();
    ASSERT_TRUE(game->FogOn);
    EXPECT_TRUE(EventShown(*game, Step{1, 3, {2, 2}, {3, 3}}));
    EXPECT_FALSE(EventShown(*game, Step{2, 3, {11, 11}, {10, 10}}));
    EXPECT_TRUE(EventShown(*game, PlayerOut{2, 1})) << "a whole player's news is no cell's";
}

} // namespace
} // namespace marovane
