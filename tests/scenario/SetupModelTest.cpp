#include "scenario/SetupModel.h"

#include "scenario/Options.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

GameDef Limits(int players, int kinds = 0xFF) {
    GameDef def = test::PlainDef(12, 12);
    def.PlayerLimits = static_cast<int16_t>(players);
    def.PlayerKinds = static_cast<int16_t>(kinds);
    return def;
}

int IndexOf(const SetupModel& model, int slot, SlotKind kind) {
    const auto& choices = model.Choices(slot);
    return static_cast<int>(std::find(choices.begin(), choices.end(), kind) - choices.begin());
}

TEST(SetupModel, SlotsOfferWhatTheScenarioAllows) {
    SetupModel model;
    model.SetDefinition(Limits(0b1110, 0x01 | 0x20)); // 2-4 players; 1 human only, 2 computer only
    EXPECT_EQ(model.Choices(0), (std::vector<SlotKind>{SlotKind::Human, SlotKind::Remote}))
        << "a human may play here or at another machine";
    EXPECT_EQ(model.Choices(1), (std::vector<SlotKind>{SlotKind::Computer}));
    EXPECT_FALSE(model.Enabled(1));
    EXPECT_EQ(model.Choices(2), (std::vector<SlotKind>{SlotKind::Immobile, SlotKind::None}));
    EXPECT_EQ(model.SelectedKind(2), SlotKind::None);
    EXPECT_EQ(model.PlayerCount(), 2);
    EXPECT_TRUE(model.Visible(3));

    GameDef tutorial = Limits(0b1110, 0x01 | 0x20);
    tutorial.Options |= 1 << option_bit::Tutorial;
    model.SetDefinition(tutorial);
    EXPECT_EQ(model.Choices(0), (std::vector<SlotKind>{SlotKind::Human}))
        << "the tutorial is played at this machine only";
    EXPECT_FALSE(model.Enabled(0));

    model.SetDefinition(Limits(0b0010));
    EXPECT_FALSE(model.Visible(2)) << "no slot above the largest total";
    EXPECT_EQ(model.Slots(), (std::vector<SlotKind>{SlotKind::Human, SlotKind::Human}));
}

TEST(SetupModel, TotalsStayAllowed) {
    SetupModel model;
    model.SetDefinition(Limits(0b1010)); // 2 or 4 players
    ASSERT_EQ(model.PlayerCount(), 2);
    model.Choose(2, IndexOf(model, 2, SlotKind::Computer));
    EXPECT_EQ(model.PlayerCount(), 4) << "a third player brings a fourth";
    EXPECT_NE(model.SelectedKind(3), SlotKind::None);
    model.Choose(3, IndexOf(model, 3, SlotKind::None));
    EXPECT_EQ(model.PlayerCount(), 2) << "dropping one of four drops a second";
    EXPECT_EQ(model.SelectedKind(2), SlotKind::None);
}

TEST(SetupModel, PlayersMustBeConsecutive) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(2, IndexOf(model, 2, SlotKind::Human));
    model.Choose(1, IndexOf(model, 1, SlotKind::None));
    EXPECT_EQ(model.StrandedSlot(), 2) << "player 3 follows an empty slot";
    model.Choose(1, IndexOf(model, 1, SlotKind::Computer));
    EXPECT_EQ(model.StrandedSlot(), -1);
    EXPECT_EQ(model.Slots(),
              (std::vector<SlotKind>{SlotKind::Human, SlotKind::Computer, SlotKind::Human}));
}

TEST(SetupModel, SpaceMakesEverySlotTheSameType) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(0, IndexOf(model, 0, SlotKind::Computer));
    model.MakeAllLike(0);
    EXPECT_EQ(model.SelectedKind(1), SlotKind::Computer);
    EXPECT_EQ(model.SelectedKind(3), SlotKind::Computer);
    EXPECT_EQ(model.PlayerCount(), 4);
}

TEST(SetupModel, ANewScenarioKeepsEachSlotsPosition) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(1, IndexOf(model, 1, SlotKind::Computer));
    model.SetDefinition(Limits(0b1110));
    EXPECT_EQ(model.SelectedKind(1), SlotKind::Computer);

    // Except "Remote": the dialog opened again, or another scenario, never listens by itself.
    model.Choose(1, IndexOf(model, 1, SlotKind::Remote));
    ASSERT_EQ(model.SelectedKind(1), SlotKind::Remote);
    model.SetDefinition(Limits(0b1110));
    EXPECT_EQ(model.SelectedKind(1), SlotKind::Human);
}

} // namespace
} // namespace marovane
