#include "scenario/Options.h"

#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

TEST(OptionBits, KeepBitIsInverted) {
    EXPECT_TRUE(OptionSet(option_bit::NoKeep, 0));
    EXPECT_FALSE(OptionSet(option_bit::NoKeep, 512));
    EXPECT_TRUE(OptionSet(option_bit::Castle, 128));
    EXPECT_FALSE(OptionSet(option_bit::Castle, 127));
    EXPECT_TRUE(OptionSet(option_bit::Tutorial, static_cast<int16_t>(0x4000)));
    EXPECT_EQ(ToggleBit(0, 15), static_cast<int16_t>(0x8000));
    EXPECT_EQ(ToggleBit(static_cast<int16_t>(0x8001), 15), 1);
}

TEST(UnitsAllowed, GridTypesNeedClassAndArmour) {
    const int16_t archer = 1 << unit_bit::Archer;
    const int16_t medium = 1 << unit_bit::MediumArmor;
    EXPECT_FALSE(UnitAllowed(7, archer));
    EXPECT_FALSE(UnitAllowed(7, medium));
    EXPECT_TRUE(UnitAllowed(7, archer | medium));
    EXPECT_FALSE(UnitAllowed(6, archer | medium)) << "light armour is missing";
    EXPECT_TRUE(UnitAllowed(11, (1 << unit_bit::Cavalry) | (1 << unit_bit::HeavyArmor)));
    EXPECT_TRUE(UnitAllowed(3, (1 << unit_bit::Infantry) | (1 << unit_bit::LightArmor)));
}

TEST(UnitsAllowed, SingleFamiliesRoyaltyAndTheWall) {
    EXPECT_TRUE(UnitAllowed(0, 1 << unit_bit::Peasant));
    EXPECT_TRUE(UnitAllowed(1, 1 << unit_bit::Priest));
    EXPECT_TRUE(UnitAllowed(2, 1 << unit_bit::Catapult));
    EXPECT_FALSE(UnitAllowed(2, 1 << unit_bit::Priest));
    EXPECT_TRUE(UnitAllowed(12, 1 << unit_bit::Royalty));
    EXPECT_TRUE(UnitAllowed(13, 1 << unit_bit::Royalty));
    EXPECT_FALSE(UnitAllowed(12, 0x1FF));
    EXPECT_FALSE(UnitAllowed(14, -1));
}

// One row per effect code: what switching the option on changes, checked against switching it
// off again, which must restore the definition.
struct OptionCase {
    int type;
    int amount;
    int16_t GameDef::*field;
    int expected;
};

class ApplyOptionEffects : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ApplyOptionEffects, ChosenChangesTheFieldAndUnchosenRestoresIt) {
    const OptionCase& c = GetParam();
    GameDef def = test::PlainDef(10, 12);
    def.Options = 0x0100;
    def.UnitsAllowed = 0x0003;
    def.OptionType[1] = static_cast<int16_t>(c.type);
    def.OptionAmount[1] = static_cast<int16_t>(c.amount);
    const GameDef original = def;
    ApplyOption(2, def, true);
    EXPECT_EQ(def.*c.field, c.expected);
    ApplyOption(2, def, false);
    EXPECT_EQ(def, original);
}

INSTANTIATE_TEST_SUITE_P(
    AllCodes, ApplyOptionEffects,
    ::testing::Values(
        OptionCase{1, 3, &GameDef::Width, 13}, OptionCase{2, -2, &GameDef::Height, 10},
        OptionCase{3, 500, &GameDef::Treasury, 1500}, OptionCase{4, 4, &GameDef::PartySize, 10},
        OptionCase{5, 250, &GameDef::Reward, 250}, OptionCase{6, 2, &GameDef::UnitsAllowed, 0x0007},
        OptionCase{6, -1, &GameDef::UnitsAllowed, 0x0001},
        OptionCase{7, 0, &GameDef::Options, 0x0140}, OptionCase{8, 0, &GameDef::Options, 0x0180},
        OptionCase{9, 0, &GameDef::Options, 0x0300}, OptionCase{10, 1, &GameDef::Options, 0x0120},
        OptionCase{10, 0, &GameDef::Options, 0x0110}, OptionCase{11, 0, &GameDef::Options, 0x0104},
        OptionCase{11, -2, &GameDef::Options, 0x0101},
        OptionCase{12, 0, &GameDef::Options, 0x0500}));

TEST(ApplyOption, BoardSizeChangesBothSides) {
    GameDef def = test::PlainDef(6, 6);
    def.OptionType[0] = 0;
    def.OptionAmount[0] = 2;
    ApplyOption(1, def, true);
    EXPECT_EQ(def.Width, 8);
    EXPECT_EQ(def.Height, 8);
}

TEST(ApplyOption, RoyaltyToggleFlipsUnitBitAndOptionBitWhateverTheSign) {
    for (int amount : {9, -9}) {
        GameDef def = test::PlainDef(10, 10);
        def.UnitsAllowed = 0x01FF;
        def.Options = 0;
        def.OptionType[0] = 6;
        def.OptionAmount[0] = static_cast<int16_t>(amount);
        ApplyOption(1, def, true);
        EXPECT_EQ(def.UnitsAllowed, 0x03FF) << amount;
        EXPECT_EQ(def.Options, 0x0100) << amount;
        ApplyOption(1, def, false);
        EXPECT_EQ(def.UnitsAllowed, 0x01FF) << amount;
        EXPECT_EQ(def.Options, 0) << amount;
    }
}

TEST(ApplyOption, UnknownCodesAndNoOptionChangeNothing) {
    for (int type : {-1, 13, 200}) {
        GameDef def = test::PlainDef(10, 10);
        def.OptionType[0] = static_cast<int16_t>(type);
        def.OptionAmount[0] = 5;
        const GameDef original = def;
        ApplyOption(1, def, true);
        EXPECT_EQ(def, original) << type;
    }
}

TEST(ApplyOption, OverflowIsRefusedAndLeavesTheDefinitionAlone) {
    GameDef def = test::PlainDef(10, 10);
    def.Treasury = 32000;
    def.OptionType[0] = 3;
    def.OptionAmount[0] = 1000;
    const GameDef original = def;
    try {
        ApplyOption(1, def, true);
        FAIL() << "a treasury above 32767 must be refused";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "With the scenario option \"Treasury\" (amount 1000), the "
                                   "treasury would leave the range -32768..32767.");
    }
    EXPECT_EQ(def, original);

    def.OptionType[0] = 0;
    def.OptionAmount[0] = -32768;
    def.Width = 10;
    EXPECT_THROW(ApplyOption(1, def, false), Error) << "negating -32768 leaves the range";
    EXPECT_EQ(def.Width, 10);
}

TEST(ApplyOption, TogglesThatNameNoBitAreRefused) {
    auto refusal = [](int type, int amount) {
        GameDef def = test::PlainDef(10, 10);
        def.OptionType[0] = static_cast<int16_t>(type);
        def.OptionAmount[0] = static_cast<int16_t>(amount);
        try {
            ApplyOption(1, def, true);
        } catch (const Error& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal(11, 3), "The scenario option \"Toggle Lose Cond\" (amount 3) names no lose "
                              "condition; its amount must be -2..2.");
    EXPECT_EQ(refusal(6, -15), "The scenario option \"Toggle Unit\" (amount -15) names no bit of "
                               "the allowed units; its amount must be -14..14.");
    EXPECT_EQ(refusal(10, 11), "The scenario option \"Toggle Win Cond\" (amount 11) names no "
                               "option bit; its amount must be -10..10.");
}

TEST(Money, FormatsWithTheCurrencySign) {
    EXPECT_EQ(FormatMoney(200), "200\xA4");
    EXPECT_EQ(FormatMoney(0), "0\xA4");
    EXPECT_EQ(FormatMoney(-15), "-15\xA4");
}

} // namespace
} // namespace marovane
