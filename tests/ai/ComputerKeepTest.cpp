#include "ai/ComputerKeep.h"
#include "ai/AiFixture.h"

namespace marovane {
namespace {

class AiKeep : public test::AiFixture {
protected:
    void SetUp() override {
        AiFixture::SetUp();
        for (int t = 0; t < kUnitTypes; ++t)
            specs.UnitCost[t] = static_cast<int16_t>(100 + 10 * t);
        specs.UnitCost[unit_type::King] = specs.UnitCost[unit_type::Queen] = -1;
        specs.UnitCost[unit_type::Wall] = 0;
        GameDef def = CastleDef(10, 10);
        def.Reward = 300;
        Start(def, 2);
    }
    KeepVisit Visit(int money) {
        game->Money[1] = static_cast<int16_t>(money);
        KeepVisit visit(*game, 1);
        DoComputerKeep(*game, visit);
        return visit;
    }
};

TEST_F(AiKeep, ARescueIsAllThatHappens) {
    Put(1, 1, unit_type::Queen, 1);
    KeepVisit visit = Visit(1000);
    EXPECT_EQ(visit.PieceType(), -1);
    EXPECT_EQ(visit.Money(), 1300);
    EXPECT_FALSE(visit.Bought());
}

TEST_F(AiKeep, TheUnitInTheKeepIsSoldAndItsPriceBuysAnother) {
    Put(1, 1, 5, 1);
    KeepVisit visit = Visit(0);
    ASSERT_TRUE(visit.Bought());
    EXPECT_EQ(visit.Money(), 150 - specs.UnitCost[visit.PieceType()]);
}

TEST_F(AiKeep, TheOnlyAffordableTypeIsBoughtAndNothingWhenNoneIs) {
    EXPECT_EQ(Visit(105).PieceType(), 0);
    KeepVisit poor = Visit(50);
    EXPECT_FALSE(poor.Bought());
    EXPECT_EQ(poor.Money(), 50);
}

TEST_F(AiKeep, EachTypeDrawsAWeightAndTiesGoToTheLowerType) {
    game->Def.UnitsAllowed = 0x1FF; // types 0 to 11
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        game->Rng().Seed(seed);
        Random draws = game->Rng();
        std::array<int, kUnitTypes> weight{};
        for (int& w : weight)
            w = static_cast<int>(draws.Rnd() * 16 + 1);
        // Types 0 to 11 are for sale: the first heaviest of them.
        const int expected = static_cast<int>(
            std::max_element(weight.begin(), weight.begin() + 12) - weight.begin());
        Clear();
        EXPECT_EQ(Visit(10000).PieceType(), expected) << "seed " << seed;
    }
}

} // namespace
} // namespace marovane
