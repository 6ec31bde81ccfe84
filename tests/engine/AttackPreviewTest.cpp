#include "engine/Combat.h"
#include "support/RulesFixture.h"

#include <cmath>
#include <functional>
#include <set>

namespace marovane {
namespace {

using Span = AttackPreview::Span;

// The preview against the battle itself: the same position is fought over and over with fixed
// draws that give every damage roll of both sides, always hitting, and what the battles did
// must be exactly the spans the preview showed.
class AttackPreviewTest : public test::RulesFixture {
protected:
    void SetUp() override {
        specs = test::TestSpecs();
        for (int t = 0; t < kUnitTypes; ++t)
            specs.UnitStrength[t] = static_cast<int16_t>(400 + specs.Moves(t)); // 40 hit points
        specs.UnitStrength[unit_type::Wall] = 400;
    }

    struct Seen {
        std::set<int> Dealt, Struck, Restored;
    };

    // Lays out the position with `place`, then fights (x1, y1) on (x2, y2) once for every pair
    // of draws.
    Seen Fight(const std::function<void()>& place, int x1, int y1, int x2, int y2) {
        std::vector<double> draws;
        for (int k = 0; k < 16; ++k)
            draws.push_back(k / 16.0);
        draws.push_back(std::nextafter(1.0, 0.0));
        Seen seen;
        for (double damage : draws) {
            for (double counter : draws) {
                Clear();
                place();
                const int attackerBefore = game->BoardUnit(x1, y1) / 10;
                const int targetBefore = game->BoardUnit(x2, y2) / 10;
                std::vector<double> sequence{damage, 0.0, counter};
                size_t next = 0;
                game->Rng().SetSource([&] { return sequence[next++ % 3]; });
                game->Battle(x1, y1, x2, y2);
                EXPECT_EQ(next, 3u) << "a battle draws three numbers";
                const int targetAfter = game->BoardUnit(x2, y2) / 10;
                const int attackerAfter = game->BoardUnit(x1, y1) / 10;
                if (targetAfter <= targetBefore)
                    seen.Dealt.insert(targetBefore - targetAfter);
                else
                    seen.Restored.insert(targetAfter - targetBefore);
                if (attackerAfter < attackerBefore)
                    seen.Struck.insert(attackerBefore - attackerAfter);
            }
        }
        game->Rng().SetSource(nullptr);
        Clear();
        place();
        return seen;
    }

    static Span SpanOf(const std::set<int>& values) { return {*values.begin(), *values.rbegin()}; }

    void SetDamage(int type, int minimum, int maximum) {
        specs.UnitMinDamage[type] = static_cast<int16_t>(minimum);
        specs.UnitMaxDamage[type] = static_cast<int16_t>(maximum);
    }
};

TEST_F(AttackPreviewTest, MeleeShowsTheDamageAndTheAnswerTheBattlesDeal) {
    SetDamage(6, 2, 7);
    specs.UnitCloseBonus[6] = 1;
    SetDamage(5, 1, 4);
    specs.UnitCloseBonus[5] = 2;
    SetDamage(10, 3, 6);
    Start(test::PlainDef(10, 10), 2);
    game->NoThinking = true;
    struct Case {
        const char* what;
        int type;
        int code; // of the attacker: fewer moves than full means it moved first
    };
    // Both types have 3 moves: a code of 402 is a unit that moved once.
    for (Case c : {Case{"a fresh unit", 6, 0}, Case{"a unit that moved", 6, 402},
                   Case{"a charge", 10, 402}}) {
        auto place = [&] {
            Put(5, 5, c.type, 1);
            if (c.code)
                game->BoardUnit(5, 5) = static_cast<int16_t>(c.code);
            Put(6, 6, 5, 2);
        };
        const Seen seen = Fight(place, 5, 5, 6, 6);
        const auto preview = game->PreviewAttack(5, 5, 6, 6);
        ASSERT_TRUE(preview) << c.what;
        EXPECT_EQ(preview->HitChance, 1.0);
        EXPECT_EQ(preview->Damage, SpanOf(seen.Dealt)) << c.what;
        ASSERT_TRUE(preview->Counter) << c.what;
        EXPECT_EQ(*preview->Counter, SpanOf(seen.Struck)) << c.what;
        EXPECT_EQ(*preview->Counter, Span(1 + 2, 3 + 2)) << "rolls 1..3 and the close bonus";
        EXPECT_FALSE(preview->Heal);
    }
}

TEST_F(AttackPreviewTest, ATargetThatCannotSurviveOrAVoidAttackIsNotAnswered) {
    SetDamage(4, 5, 5);
    specs.UnitStrength[5] = 43; // 4 hit points: every hit destroys it
    Start(test::PlainDef(10, 10), 2);
    Put(5, 5, 4, 1);
    Put(6, 5, 5, 2);
    auto preview = game->PreviewAttack(5, 5, 6, 5);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->Damage, Span(5, 5));
    EXPECT_FALSE(preview->Counter);

    // A unit that cannot fight a neighbour does nothing, and nothing answers it.
    specs.UnitCloseBonus[4] = 9;
    preview = game->PreviewAttack(5, 5, 6, 5);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->Damage, Span(0, 0));
    EXPECT_FALSE(preview->Counter);
}

TEST_F(AttackPreviewTest, WallsChangeThePreviewAsTheyChangeTheBattle) {
    const int archer = 7;
    SetDamage(archer, 2, 6);
    specs.UnitRange[archer] = 3;
    specs.UnitWallBonus[archer] = 2;
    specs.UnitWallPenalty[archer] = 1;
    SetDamage(4, 3, 6);
    specs.UnitWallPenalty[4] = 2;
    SetDamage(5, 2, 5);
    specs.UnitWallBonus[5] = 3;
    Start(CastleDef(12, 12), 2);
    game->NoThinking = true;
    // Player 1's castle fills (1..3, 1..3): walls at (3, 1), (3, 2), (1, 3), (2, 3).
    ASSERT_EQ(game->InCastle(3, 2), castle_cell::Wall);
    ASSERT_EQ(game->InCastle(2, 2), castle_cell::Yard);
    struct Case {
        const char* what;
        int type, x1, y1, owner1;
        int target, x2, y2, owner2;
        Span damage;
        std::optional<Span> counter;
    };
    const Case cases[] = {
        {"shot onto a wall", archer, 5, 2, 2, 5, 3, 2, 1, {2, 5}, std::nullopt},
        {"shot across the wall into the yard", archer, 5, 2, 2, 5, 2, 2, 1, {1, 4}, std::nullopt},
        {"shot from the wall", archer, 3, 2, 1, 5, 6, 2, 2, {4, 7}, std::nullopt},
        {"melee against the wall", 4, 4, 2, 2, 5, 3, 2, 1, {1, 3}, Span{5, 7}},
    };
    for (const Case& c : cases) {
        auto place = [&] {
            Put(c.x1, c.y1, c.type, c.owner1);
            Put(c.x2, c.y2, c.target, c.owner2);
        };
        game->CurrentPlayer = static_cast<int16_t>(c.owner1);
        const Seen seen = Fight(place, c.x1, c.y1, c.x2, c.y2);
        game->Update();
        const auto preview = game->PreviewAttack(c.x1, c.y1, c.x2, c.y2);
        ASSERT_TRUE(preview) << c.what;
        EXPECT_EQ(preview->Damage, SpanOf(seen.Dealt)) << c.what;
        EXPECT_EQ(preview->Damage, c.damage) << c.what;
        EXPECT_EQ(preview->Counter.has_value(), !seen.Struck.empty()) << c.what;
        if (preview->Counter) {
            EXPECT_EQ(*preview->Counter, SpanOf(seen.Struck)) << c.what;
            EXPECT_EQ(preview->Counter, c.counter) << c.what;
        }
    }
}

TEST_F(AttackPreviewTest, HealingAndRepairShowThePointsRestoredUpToFullStrength) {
    SetDamage(unit_type::Priest, 2, 5);
    specs.UnitRange[unit_type::Priest] = 2;
    SetDamage(unit_type::Peasant, 1, 3);
    Start(test::PlainDef(10, 10), 2);
    game->NoThinking = true;
    struct Case {
        const char* what;
        int healer, target, code;
        Span restored;
    };
    for (Case c :
         {Case{"a badly hurt unit", unit_type::Priest, 4, 103, {2, 4}},
          Case{"a unit nearly whole", unit_type::Priest, 4, 383, {2, 2}},
          Case{"a damaged wall piece", unit_type::Peasant, unit_type::Wall, 200, {5, 10}}}) {
        auto place = [&] {
            Put(5, 5, c.healer, 1);
            Put(6, 5, c.target, 1);
            game->BoardUnit(6, 5) = static_cast<int16_t>(c.code);
        };
        const Seen seen = Fight(place, 5, 5, 6, 5);
        const auto preview = game->PreviewAttack(5, 5, 6, 5);
        ASSERT_TRUE(preview) << c.what;
        ASSERT_TRUE(preview->Heal) << c.what;
        EXPECT_EQ(*preview->Heal, SpanOf(seen.Restored)) << c.what;
        EXPECT_EQ(*preview->Heal, c.restored) << c.what;
        EXPECT_EQ(preview->Damage, Span(0, 0));
        EXPECT_FALSE(preview->Counter) << "a team-mate never strikes back";
        EXPECT_EQ(preview->HitChance, 1.0) << c.what << ": next to it, it always takes effect";
    }
    // A unit at full strength is not healed, so there is nothing to preview.
    Put(6, 5, 4, 1);
    Put(5, 5, unit_type::Priest, 1);
    EXPECT_FALSE(game->PreviewAttack(5, 5, 6, 5));
}

TEST_F(AttackPreviewTest, NothingShowsForACellHiddenByFogOrAUnitNotThePlayers) {
    specs.UnitRange[2] = 4;
    GameDef def = test::PlainDef(12, 12);
    def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Fog));
    Start(def, 2);
    Put(3, 3, unit_type::Catapult, 1); // reaches 4 cells, sees 4 cut to 3
    Put(7, 3, 4, 2);
    Put(6, 6, 4, 2);
    game->Update();
    ASSERT_FALSE(game->Visible(7, 3));
    ASSERT_TRUE(game->Visible(6, 6));
    EXPECT_FALSE(game->PreviewAttack(3, 3, 7, 3)) << "the hidden unit gives nothing away";
    const auto seen = game->PreviewAttack(3, 3, 6, 6);
    ASSERT_TRUE(seen);
    EXPECT_NEAR(seen->HitChance, HitChance(3, 3, 4), 1e-12);
    EXPECT_LT(seen->HitChance, 1.0);
    EXPECT_FALSE(game->PreviewAttack(6, 6, 3, 3)) << "only the current player's units";
    EXPECT_FALSE(game->PreviewAttack(3, 3, 9, 3)) << "an empty cell";
}

} // namespace
} // namespace marovane
