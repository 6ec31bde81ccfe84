#include "scenario/SetupModel.h"

#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

namespace marovane {

// Failures name the kinds as the dialog shows them.
void PrintTo(SlotKind kind, std::ostream* out) {
    *out << SetupModel::Caption(kind);
}

namespace {

constexpr SlotKind H = SlotKind::Human;
constexpr SlotKind C = SlotKind::Computer;
constexpr SlotKind I = SlotKind::Immobile;
constexpr SlotKind R = SlotKind::Remote;
constexpr SlotKind N = SlotKind::None;
using Line = std::vector<SlotKind>;

GameDef Limits(int players, int kinds = 0xFF, int options = 0) {
    GameDef def = test::PlainDef(12, 12);
    def.PlayerLimits = static_cast<int16_t>(players);
    def.PlayerKinds = static_cast<int16_t>(kinds);
    def.Options = static_cast<int16_t>(def.Options | options);
    return def;
}

int IndexOf(const SetupModel& model, int slot, SlotKind kind) {
    const auto& choices = model.Choices(slot);
    return static_cast<int>(std::find(choices.begin(), choices.end(), kind) - choices.begin());
}

TEST(SetupModel, SlotsOfferWhatTheScenarioAllows) {
    SetupModel model;
    model.SetDefinition(Limits(0b1110, 0x01 | 0x20)); // 2-4 players; 1 human only, 2 computer only
    EXPECT_EQ(model.Choices(0), (Line{H, R})) << "a human may play here or at another machine";
    EXPECT_EQ(model.Choices(1), (Line{C}));
    EXPECT_FALSE(model.Enabled(1));
    EXPECT_EQ(model.Choices(2), (Line{I, N}));
    EXPECT_EQ(model.SelectedKind(2), N);
    EXPECT_EQ(model.PlayerCount(), 2);
    EXPECT_TRUE(model.Visible(3));

    model.SetDefinition(Limits(0b1110, 0x01 | 0x20, 1 << option_bit::Tutorial));
    EXPECT_EQ(model.Choices(0), (Line{H})) << "the tutorial is played at this machine only";
    EXPECT_FALSE(model.Enabled(0));

    model.SetDefinition(Limits(0b0010));
    EXPECT_FALSE(model.Visible(2)) << "no slot above the largest total";
}

// ---- The slots a scenario starts with ----------------------------------------------------------

struct DefaultCase {
    const char* Name;
    int Players;
    int Kinds;
    Line Expected;
};

class DefaultSlots : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultSlots, PlayerOneIsHumanTheOthersTheComputer) {
    SetupModel model;
    model.SetDefinition(Limits(GetParam().Players, GetParam().Kinds));
    EXPECT_EQ(model.Slots(), GetParam().Expected);
    EXPECT_EQ(model.BeginProblem().English(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultSlots,
    ::testing::Values(DefaultCase{"TwoPlayers", 0b0010, 0xFF, {H, C}},
                      DefaultCase{"TwoToFourStartsWithTwo", 0b1110, 0xFF, {H, C}},
                      DefaultCase{"ThreeOrFour", 0b1100, 0xFF, {H, C, C}},
                      DefaultCase{"ExactlyFour", 0b1000, 0xFF, {H, C, C, C}},
                      DefaultCase{"OneToFourStartsAlone", 0b1111, 0xFF, {H}},
                      DefaultCase{"NoComputerForPlayer2", 0b0010, 0x03 | 0x10, {H, H}},
                      DefaultCase{"NoHumanForPlayer1", 0b0010, 0x02 | 0x30, {C, C}},
                      DefaultCase{"NeitherForPlayer2", 0b0010, 0x01 | 0x10, {H, I}}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- The player's line-up on the next scenario
// ---------------------------------------------------

struct CarryCase {
    const char* Name;
    GameDef First;
    std::vector<std::pair<int, SlotKind>> Picks; // the player's choices on the first scenario
    GameDef Next;
    Line Expected;
};

class CarryOver : public ::testing::TestWithParam<CarryCase> {};

TEST_P(CarryOver, TheNextScenarioKeepsWhatFits) {
    SetupModel model;
    model.SetDefinition(GetParam().First);
    for (const auto& [slot, kind] : GetParam().Picks) {
        ASSERT_LT(IndexOf(model, slot, kind), static_cast<int>(model.Choices(slot).size()));
        model.Choose(slot, IndexOf(model, slot, kind));
    }
    model.SetDefinition(GetParam().Next);
    EXPECT_EQ(model.Slots(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CarryOver,
    ::testing::Values(
        CarryCase{
            "KindsTheScenarioOffers", Limits(0b1111), {{1, H}, {2, C}}, Limits(0b1110), {H, H, C}},
        CarryCase{"TheSameScenarioAgain", Limits(0b0010), {{1, H}}, Limits(0b0010), {H, H}},
        // The dialog opened again, or another scenario, never listens for other machines.
        CarryCase{"NeverRemote", Limits(0b1110), {{1, R}}, Limits(0b1110), {H, C}},
        CarryCase{
            "AKindNoLongerOffered", Limits(0b0010), {{1, H}}, Limits(0b0010, 0x01 | 0x30), {H, C}},
        CarryCase{"ATotalNotAllowed", Limits(0b1111), {{1, H}, {2, H}}, Limits(0b1010), {H, C}},
        CarryCase{"TheDefaultsAreEachScenariosOwn", Limits(0b1000), {}, Limits(0b1110), {H, C}},
        CarryCase{
            "SlotsThatWereNotThereStayEmpty", Limits(0b0010), {{0, C}}, Limits(0b1110), {C, C}}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Changing the slots
// --------------------------------------------------------------------------

TEST(SetupModel, TotalsStayAllowed) {
    SetupModel model;
    model.SetDefinition(Limits(0b1010)); // 2 or 4 players
    ASSERT_EQ(model.PlayerCount(), 2);
    model.Choose(2, IndexOf(model, 2, SlotKind::Human));
    EXPECT_EQ(model.Slots(), (Line{H, C, H, C})) << "a third player brings a fourth";
    model.Choose(3, IndexOf(model, 3, SlotKind::None));
    EXPECT_EQ(model.PlayerCount(), 2) << "dropping one of four drops a second";
    EXPECT_EQ(model.SelectedKind(2), SlotKind::None);
}

TEST(SetupModel, PlayersMustBeConsecutive) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(2, IndexOf(model, 2, SlotKind::Human));
    EXPECT_EQ(model.StrandedSlot(), 2) << "player 3 follows an empty slot";
    EXPECT_EQ(model.BeginProblem().English(),
              "You must select consecutive players.  Player 3 cannot be 'Human.'");
    model.Choose(1, IndexOf(model, 1, SlotKind::Computer));
    EXPECT_EQ(model.StrandedSlot(), -1);
    EXPECT_EQ(model.Slots(), (Line{H, C, H}));
}

TEST(SetupModel, SpaceMakesEverySlotTheSameType) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(0, IndexOf(model, 0, SlotKind::Computer));
    model.MakeAllLike(0);
    EXPECT_EQ(model.Slots(), (Line{C, C, C, C}));
}

TEST(SetupModel, ATakenPortSendsRemoteSlotsBackToThisMachine) {
    SetupModel model;
    model.SetDefinition(Limits(0b1110));
    EXPECT_FALSE(model.DropRemoteSlots());
    model.Choose(1, IndexOf(model, 1, SlotKind::Remote));
    model.Choose(2, IndexOf(model, 2, SlotKind::Remote));
    EXPECT_TRUE(model.DropRemoteSlots());
    EXPECT_EQ(model.Slots(), (Line{H, H, H}));
}

TEST(SetupModel, OnlyAScenarioWithUnitsShowsItsSlots) {
    SetupModel model;
    model.SetDefinition(Limits(0b0110));
    EXPECT_TRUE(model.Shown(2));
    EXPECT_FALSE(model.Shown(3)) << "above the largest total";
    EXPECT_EQ(model.ShownKinds(), (std::array<SlotKind, 4>{H, C, N, N}));

    GameDef noUnits = Limits(0b0110);
    noUnits.UnitsAllowed = 0;
    model.SetDefinition(noUnits);
    EXPECT_FALSE(model.Shown(0));
    EXPECT_EQ(model.ShownKinds(), (std::array<SlotKind, 4>{N, N, N, N}));
}

// ---- The details and the scenario's file
// ------------------------------------------------------------

TEST(SetupModel, ExtraOptionsCountWhenTheScenarioHasThem) {
    GameDef def = Limits(0b0010);
    def.OptionType = {3, -1};
    SetText(def.OptionText[0], "  A fuller war chest");
    def.OptionText[1] = std::string(GameDef::kOptionTextSize, '\0');
    SetupModel model;
    model.SetDefinition(def);
    EXPECT_EQ(model.OptionCaption(0).English(), "A fuller war chest");
    EXPECT_EQ(model.OptionCaption(1).English(), "Reserved") << "an option without text";
    EXPECT_TRUE(model.OptionShown(0));
    EXPECT_FALSE(model.OptionShown(1));
    const NewGameSetup setup = model.Setup({true, true}, 2, "Symbols");
    EXPECT_EQ(setup.OptionTicked, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(setup.Slots, (Line{H, C}));
    EXPECT_EQ(setup.TeamsMode, 2);
    EXPECT_EQ(setup.PictureSet, "Symbols");
}

struct CommandsCase {
    const char* Name;
    int Options;
    bool Changeable;
    ScenarioCommands Expected; // Copy, Edit, Rename, Delete
    bool AdvancedShown;
};

class PopupCommands : public ::testing::TestWithParam<CommandsCase> {};

TEST_P(PopupCommands, FollowWhereTheScenarioComesFrom) {
    SetupModel model;
    model.SetDefinition(Limits(0b0010, 0xFF, GetParam().Options | (1 << option_bit::Advanced)));
    EXPECT_EQ(model.Commands(GetParam().Changeable), GetParam().Expected);
    EXPECT_EQ(model.AdvancedShown(), GetParam().AdvancedShown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PopupCommands,
    ::testing::Values(
        CommandsCase{"PlayersOwn", 0, true, {true, true, true, true}, true},
        CommandsCase{"InstalledWithTheProgram", 0, false, {true, true, false, false}, true},
        CommandsCase{"BuiltIn", 1 << option_bit::BuiltIn, true, {true, false, false, false}, true},
        CommandsCase{"Tutorial",
                     (1 << option_bit::BuiltIn) | (1 << option_bit::Tutorial),
                     true,
                     {false, false, false, false},
                     false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SetupModel, TheTutorialLendsTheLetterPicturesUntilAnotherScenario) {
    const GameDef tutorial = Limits(0b0010, 0x01 | 0x20, 1 << option_bit::Tutorial);
    SetupModel model;
    model.SetDefinition(Limits(0b0010));
    EXPECT_EQ(model.PictureSetAfterChoice("People"), "") << "another scenario keeps the set";
    EXPECT_FALSE(model.PicturesLocked());
    model.SetDefinition(tutorial);
    EXPECT_EQ(model.PictureSetAfterChoice("People"), "Alphabet");
    EXPECT_TRUE(model.PicturesLocked());
    model.SetDefinition(tutorial); // chosen again, now showing the letters
    EXPECT_EQ(model.PictureSetAfterChoice("Alphabet"), "Alphabet");
    model.SetDefinition(Limits(0b0010));
    EXPECT_EQ(model.PictureSetAfterChoice("Alphabet"), "People") << "the player's set comes back";
    model.SetDefinition(Limits(0b0010));
    EXPECT_EQ(model.PictureSetAfterChoice("People"), "");
}

} // namespace
} // namespace marovane
