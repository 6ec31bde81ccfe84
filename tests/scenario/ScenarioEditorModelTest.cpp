#include "scenario/ScenarioEditorModel.h"

#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <set>

namespace marovane {
namespace {

using Model = ScenarioEditorModel;

// ---- Total Players and the player kinds ---------------------------------------------------------

struct TotalsCase {
    std::vector<std::pair<int, bool>> Clicks; // (total index, ticked)
    std::array<bool, 4> Ticked;
    int PlayersEnabled; // Human and Computer boxes enabled for players 1..n
};

class TotalsRule : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(TotalsRule, PlayersAboveTheLargestTotalHaveNoKind) {
    Model model;
    for (auto [i, on] : GetParam().Clicks)
        model.SetTotal(i, on);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(model.Total(i).Checked, GetParam().Ticked[i]) << "total " << i + 1;
        const bool enabled = i < GetParam().PlayersEnabled;
        EXPECT_EQ(model.Human(i).Enabled, enabled) << "player " << i + 1;
        EXPECT_EQ(model.Computer(i).Enabled, enabled) << "player " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TotalsRule,
    ::testing::Values(
        TotalsCase{{}, {false, true, true, true}, 4},
        TotalsCase{{{3, false}}, {false, true, true, false}, 3},
        TotalsCase{{{3, false}, {2, false}}, {false, true, false, false}, 2},
        // Unticking the last total ticks "1" again.
        TotalsCase{{{3, false}, {2, false}, {1, false}}, {true, false, false, false}, 1},
        TotalsCase{{{1, false}, {2, false}, {3, false}, {2, true}}, {true, false, true, false}, 3},
        TotalsCase{
            {{0, true}, {3, false}, {1, false}, {2, false}}, {true, false, false, false}, 1}));

// ---- Win and lose conditions, and Royalty
// --------------------------------------------------------

struct ConditionCase {
    const char* Name;
    std::vector<std::pair<char, std::pair<int, bool>>> Clicks; // 'w' win, 'l' lose, 'u' unit
    std::array<EditorBox, 2> Win;
    std::array<EditorBox, 3> Lose;
    bool RewardShown;
};

class ConditionRules : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(ConditionRules, SomeConditionStaysTickedAndRoyaltyDrivesItsOwn) {
    Model model;
    for (auto [box, click] : GetParam().Clicks) {
        if (box == 'w')
            model.SetWin(click.first, click.second);
        else if (box == 'l')
            model.SetLose(click.first, click.second);
        else
            model.SetUnit(click.first, click.second);
    }
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(model.Win(i), GetParam().Win[static_cast<size_t>(i)]) << "win " << i;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(model.Lose(i), GetParam().Lose[static_cast<size_t>(i)]) << "lose " << i;
    EXPECT_EQ(model.RewardShown(), GetParam().RewardShown);
}

constexpr EditorBox On{true, true}, Off{false, true}, Gone{false, false};

INSTANTIATE_TEST_SUITE_P(
    Table, ConditionRules,
    ::testing::Values(
        ConditionCase{"defaults", {}, {On, On}, {On, On, On}, true},
        ConditionCase{
            "both wins off", {{'w', {0, false}}, {'w', {1, false}}}, {On, Off}, {On, On, On}, true},
        ConditionCase{"royal win only", {{'w', {0, false}}}, {Off, On}, {On, On, On}, true},
        ConditionCase{"all loses off",
                      {{'l', {0, false}}, {'l', {1, false}}, {'l', {2, false}}},
                      {On, On},
                      {On, Off, Off},
                      true},
        // Without royalty the royal win goes, and Conquest comes back as the only way to win.
        ConditionCase{"royalty off after conquest off",
                      {{'w', {0, false}}, {'u', {9, false}}},
                      {On, Gone},
                      {On, Gone, On},
                      false},
        ConditionCase{"royalty off and on",
                      {{'u', {9, false}}, {'u', {9, true}}},
                      {On, On},
                      {On, On, On},
                      true},
        ConditionCase{"keep only, then royalty off",
                      {{'l', {0, false}}, {'u', {9, false}}},
                      {On, Gone},
                      {Off, Gone, On},
                      false},
        ConditionCase{"no royalty, no keep loss",
                      {{'u', {9, false}}, {'l', {2, false}}},
                      {On, Gone},
                      {On, Gone, Off},
                      false}),
    [](const auto& info) {
        std::string name = info.param.Name;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(ScenarioEditorModel, RoyaltySwapsOnlyADefaultDescription) {
    Model model;
    model.SetUnit(9, false);
    EXPECT_EQ(model.Description, Model::kConquestText);
    model.SetUnit(9, true);
    EXPECT_EQ(model.Description, Model::kRescueText);
    model.Description = "My own story.";
    model.SetUnit(9, false);
    EXPECT_EQ(model.Description, "My own story.");
}

// ---- Classes and armours --------------------------------------------------------------------

struct GatingCase {
    std::array<bool, 3> Classes;
    std::array<bool, 3> Armours;
    bool ClassesEnabled;
    bool ArmoursEnabled;
};

class ClassArmourGating : public ::testing::TestWithParam<GatingCase> {};

TEST_P(ClassArmourGating, AClassNeedsAnArmourAndAnArmourAClass) {
    Model model;
    model.SetAllUnits(false);
    for (int k = 0; k < 3; ++k) {
        model.SetUnit(6 + k, GetParam().Armours[static_cast<size_t>(k)]);
        model.SetUnit(3 + k, GetParam().Classes[static_cast<size_t>(k)]);
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(model.Unit(3 + k).Enabled, GetParam().ClassesEnabled) << "class " << k;
        EXPECT_EQ(model.Unit(6 + k).Enabled, GetParam().ArmoursEnabled) << "armour " << k;
    }
    for (int i : {0, 1, 2, 9})
        EXPECT_TRUE(model.Unit(i).Enabled) << "ungated kind " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassArmourGating,
    ::testing::Values(GatingCase{{false, false, false}, {false, false, false}, true, false},
                      GatingCase{{false, false, false}, {true, true, false}, true, false},
                      GatingCase{{true, false, false}, {false, false, false}, false, true},
                      GatingCase{{false, true, true}, {false, false, false}, false, true},
                      GatingCase{{true, false, false}, {false, false, true}, true, true},
                      GatingCase{{true, true, true}, {true, true, true}, true, true}));

TEST(ScenarioEditorModel, FormationOffersWhatCanBeBoughtAndIsAllowed) {
    Model model;
    EXPECT_TRUE(model.FormationOffers(4, "Medium Infantry", 175));
    EXPECT_FALSE(model.FormationOffers(12, "King", -1)) << "a royal cannot be bought";
    EXPECT_FALSE(model.FormationOffers(3, "Nothing", 100));
    model.SetUnit(7, false); // Medium Armor
    EXPECT_FALSE(model.FormationOffers(4, "Medium Infantry", 175));
    EXPECT_TRUE(model.FormationOffers(3, "Light Infantry", 100));
    model.SetAllUnits(false);
    EXPECT_FALSE(model.FormationOffers(0, "Peasant", 50));
    model.SetAllUnits(true);
    EXPECT_EQ(model.UnitsAllowed(), 0x3FF);
}

// ---- Extra options ----------------------------------------------------------------------------

TEST(ScenarioEditorModel, ExtraOptionsChooseTheirAmountFromTheirTypesList) {
    Model model;
    EXPECT_EQ(Model::AmountChoices(6).size(), 10u);
    EXPECT_EQ(Model::AmountChoices(10), (std::vector<std::string>{"Conquest", "Royalty"}));
    EXPECT_EQ(Model::AmountChoices(11), (std::vector<std::string>{"Conquest", "Royalty", "Keep"}));
    EXPECT_TRUE(Model::AmountChoices(3).empty());

    model.SetExtraTicked(0, true);
    model.SetExtraType(0, 3);
    model.SetExtraAmount(0, "1000");
    EXPECT_EQ(model.AmountChoice(0), -1);
    model.SetExtraType(0, 6);
    EXPECT_EQ(model.ExtraOption(0).Amount, "0");
    model.ChooseAmount(0, 9);
    EXPECT_EQ(model.AmountChoice(0), 9);
    model.SetExtraAmount(0, "2");
    EXPECT_EQ(model.AmountChoice(0), 2) << "typing selects the matching entry";
    model.SetExtraAmount(0, "12");
    EXPECT_EQ(model.AmountChoice(0), -1);

    model.SetExtraType(0, 6);
    model.ChooseAmount(0, 9);
    GameDef def = model.ToDef();
    EXPECT_EQ(def.OptionType[0], 6);
    EXPECT_EQ(def.OptionAmount[0], 9);
    EXPECT_EQ(def.OptionType[1], -1) << "an unticked option is none";
    // Applying the saved option toggles Royalty in both words, as the new-game dialog does.
    ApplyOption(1, def, true);
    EXPECT_FALSE(OptionSet(option_bit::Royalty, def.Options));
    EXPECT_FALSE(def.UnitsAllowed & (1 << 9));

    model.SetExtraTicked(0, false);
    EXPECT_EQ(model.ExtraOption(0).Type, -1);
}

// ---- The record ---------------------------------------------------------------------------------

TEST(ScenarioEditorModel, ANewScenarioSavesTheDefaults) {
    const GameDef def = Model().ToDef();
    EXPECT_EQ(def.Width, 10);
    EXPECT_EQ(def.Height, 10);
    EXPECT_EQ(def.Treasury, 1500);
    EXPECT_EQ(def.Reward, 500);
    EXPECT_EQ(def.PartySize, 6);
    // Lose Keep, Royalty, Conquest; win Conquest, Royalty; fog; castle; royalty; keep in use.
    EXPECT_EQ(def.Options, 1 | 2 | 4 | 16 | 32 | 64 | 128 | 256);
    EXPECT_EQ(def.PlayerLimits, 0b1110) << "2-4 players, every team arrangement";
    EXPECT_EQ(def.PlayerKinds, 0xFF);
    EXPECT_EQ(def.OptionType, (std::array<int16_t, 2>{-1, -1}));
    EXPECT_EQ(TrimmedText(def.OptionText[0]), "Reserved");
    EXPECT_EQ(TrimmedText(def.Description), Model::kRescueText);
    EXPECT_EQ(def.UnitsAllowed, 0x3FF);
    EXPECT_EQ(def.Placement, std::string(GameDef::kPlacementSize, ' '));
    EXPECT_EQ(ToBytes(def).size(), kGameDefSize);
}

struct BitCase {
    const char* Name;
    std::function<void(Model&)> Change;
    std::function<int(const GameDef&)> Field;
    int Expected;
};

class SavedBits : public ::testing::TestWithParam<BitCase> {};

TEST_P(SavedBits, EachBoxLandsInItsBit) {
    Model model;
    GetParam().Change(model);
    EXPECT_EQ(GetParam().Field(model.ToDef()), GetParam().Expected);
}

// The Options word of a new scenario.
constexpr int kDefaults = 1 | 2 | 4 | 16 | 32 | 64 | 128 | 256;

int OptionsOf(const GameDef& d) {
    return static_cast<uint16_t>(d.Options);
}
int LimitsOf(const GameDef& d) {
    return d.PlayerLimits;
}
int KindsOf(const GameDef& d) {
    return d.PlayerKinds;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SavedBits,
    ::testing::Values(
        BitCase{"NoFog", [](Model& m) { m.Fog = false; }, OptionsOf, kDefaults - 64},
        BitCase{"NoCastle", [](Model& m) { m.Castle = false; }, OptionsOf, kDefaults - 128},
        BitCase{"NoKeep", [](Model& m) { m.Keep = false; }, OptionsOf, kDefaults | 512},
        BitCase{"Advanced", [](Model& m) { m.Advanced = true; }, OptionsOf, kDefaults | 1024},
        BitCase{"NoLoseKeep", [](Model& m) { m.SetLose(2, false); }, OptionsOf, kDefaults - 1},
        BitCase{"NoWinConquest", [](Model& m) { m.SetWin(0, false); }, OptionsOf, kDefaults - 16},
        BitCase{"NoRoyalty", [](Model& m) { m.SetUnit(9, false); }, OptionsOf,
                kDefaults - 256 - 32 - 2},
        BitCase{"OnePlayer", [](Model& m) { m.SetTotal(0, true); }, LimitsOf, 0b1111},
        BitCase{"NoDiagonals", [](Model& m) { m.SetTeams(4, false); }, LimitsOf, 0b1110 | (1 << 8)},
        BitCase{"NoFreeForAll", [](Model& m) { m.SetTeams(0, false); }, LimitsOf,
                0b1110 | (1 << 4)},
        BitCase{"Player3NoHuman", [](Model& m) { m.SetHuman(2, false); }, KindsOf, 0xFF - 4},
        BitCase{"Player2NoComputer", [](Model& m) { m.SetComputer(1, false); }, KindsOf, 0xFF - 32},
        BitCase{"HiddenRewardIsZero", [](Model& m) { m.SetUnit(9, false); },
                [](const GameDef& d) { return static_cast<int>(d.Reward); }, 0},
        BitCase{"TreasuryLeadingNumber", [](Model& m) { m.Treasury = " 2500 gold"; },
                [](const GameDef& d) { return static_cast<int>(d.Treasury); }, 2500},
        BitCase{"TreasuryNotANumber", [](Model& m) { m.Treasury = "lots"; },
                [](const GameDef& d) { return static_cast<int>(d.Treasury); }, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ScenarioEditorModel, NumbersOutsideSixteenBitsAreRefused) {
    Model model;
    model.Treasury = "40000";
    EXPECT_THROW(model.ToDef(), Error);
    model.Treasury = "-32768";
    EXPECT_EQ(model.ToDef().Treasury, -32768);
    model.SetExtraAmount(1, "99999999999");
    EXPECT_THROW(model.ToDef(), Error);
}

// Every scenario that comes with the program reads into the boxes and back into the same record,
// except for the marks that only the shipped files carry.
TEST(ScenarioEditorModel, ShippedScenariosComeBackUnchanged) {
    const auto names = ListScenarios(MAROVANE_PROGRAM_DIR);
    ASSERT_GE(names.size(), 5u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        GameDef def = ReadDefFile(*FindScenario(MAROVANE_PROGRAM_DIR, name));
        Model model;
        model.Load(def, name);
        EXPECT_FALSE(model.TitleEditable());
        EXPECT_EQ(model.ShowsDelete(), !OptionSet(option_bit::Tutorial, def.Options));
        EXPECT_EQ(model.ShowsRename(), !OptionSet(option_bit::BuiltIn, def.Options));
        GameDef saved = model.ToDef();
        def.Options = static_cast<int16_t>(
            def.Options & ~((1 << option_bit::BuiltIn) | (1 << option_bit::Tutorial)));
        EXPECT_EQ(ToBytes(saved), ToBytes(def));
        // Loading the saved record again changes nothing.
        Model again;
        again.Load(saved, name);
        EXPECT_EQ(ToBytes(again.ToDef()), ToBytes(saved));
    }
}

TEST(ScenarioEditorModel, LoadingBringsImpossibleCombinationsInLine) {
    GameDef def = Model().ToDef();
    def.PlayerLimits = 0;                            // no total at all
    def.Options = static_cast<int16_t>(1 << 6);      // no win or lose condition
    def.UnitsAllowed = static_cast<int16_t>(1 << 3); // cavalry without armour
    def.Width = 50;
    Model model;
    model.Load(def, "Odd");
    EXPECT_TRUE(model.Total(0).Checked);
    EXPECT_FALSE(model.Human(1).Enabled);
    EXPECT_TRUE(model.Win(0).Checked);
    EXPECT_TRUE(model.Lose(0).Checked);
    EXPECT_FALSE(model.Win(1).Enabled);
    EXPECT_FALSE(model.Unit(3).Enabled);
    EXPECT_TRUE(model.Unit(6).Enabled);
    EXPECT_EQ(model.Width, 30);
}

// ---- Advanced placements ------------------------------------------------------------------------

TEST(ScenarioEditorModel, ThePlacementEditorsAnswerDecidesTheAdvancedBox) {
    Model model;
    EXPECT_TRUE(model.AdvancedNeedsEditor());
    model.Advanced = true;
    model.PlacementEdited(model.Placement()); // cancelled
    EXPECT_TRUE(model.ToDef().Options & (1 << option_bit::Advanced));
    EXPECT_EQ(model.Placement(), std::string(GameDef::kPlacementSize, ' '));

    const std::string unchanged = "(P" + std::string(100, ' ');
    model.Advanced = false;
    model.PlacementEdited(unchanged); // confirmed without changes
    EXPECT_TRUE(model.Advanced);
    EXPECT_EQ(model.Placement().substr(0, 2), "(P");
    EXPECT_FALSE(model.AdvancedNeedsEditor());

    model.PlacementEdited(""); // cleared
    EXPECT_FALSE(model.Advanced);

    GameDef zero; // a record that never had a board string holds NULs
    zero.UnitsAllowed = 1;
    zero.Options = static_cast<int16_t>(1 << option_bit::Advanced);
    model.Load(zero, "Zero");
    EXPECT_EQ(model.Placement(), std::string(GameDef::kPlacementSize, ' '));
    EXPECT_TRUE(model.AdvancedNeedsEditor());
    model.PlacementEdited(model.Placement()); // cancelled
    EXPECT_TRUE(model.Advanced) << "still ticked, with a blank string";
}

// ---- Titles -----------------------------------------------------------------------------------

TEST(ScenarioEditorModel, NewTitlesTakeTheFirstFreeNumber) {
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& t) { return taken.count(t) > 0; };
    EXPECT_EQ(Model::FreeTitle(isTaken), "Custom Game");
    taken = {"Custom Game", "Custom Game 1"};
    EXPECT_EQ(Model::FreeTitle(isTaken), "Custom Game 2");
    taken = {"Custom Game", "Custom Game 2"};
    EXPECT_EQ(Model::FreeTitle(isTaken), "Custom Game 1");
    // Every number taken: the base gets a tilde and the numbers start again.
    EXPECT_EQ(Model::FreeTitle([](const std::string& t) { return t[0] != '~'; }), "~Custom Game 1");
}

TEST(ScenarioEditorModel, SavingRefusesTakenTitlesAndOptionsWithoutAType) {
    Model model;
    auto taken = [](const std::string& t) { return t == "Skirmish"; };
    model.SetTitle(" Skirmish ");
    EXPECT_EQ(model.SaveProblem(taken).English(),
              "A scenario named 'Skirmish' already exists. Please choose another title.");
    model.SetTitle("Fresh");
    EXPECT_EQ(model.SaveProblem(taken).English(), "");
    model.SetExtraTicked(1, true);
    EXPECT_EQ(model.SaveProblem(taken).English(),
              "Extra option 2 is ticked but has no type. Choose its type, or untick it.");
    model.SetExtraType(1, 3);
    EXPECT_EQ(model.SaveProblem(taken).English(), "");
    model.Load(Model().ToDef(), "Skirmish");
    EXPECT_EQ(model.SaveProblem(taken).English(), "") << "an edited scenario replaces its own file";
}

TEST(ScenarioEditorModel, LeadingNumbersReadLikeTypedMoney) {
    EXPECT_EQ(LeadingNumber("1500", "x"), 1500);
    EXPECT_EQ(LeadingNumber("  -20 ", "x"), -20);
    EXPECT_EQ(LeadingNumber("12abc", "x"), 12);
    EXPECT_EQ(LeadingNumber("abc", "x"), 0);
    EXPECT_EQ(LeadingNumber("", "x"), 0);
    EXPECT_EQ(LeadingNumber("32767", "x"), 32767);
    EXPECT_THROW(LeadingNumber("32768", "x"), Error);
}

} // namespace
} // namespace marovane
