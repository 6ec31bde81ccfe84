#include "scenario/SetupModel.h"

#include "engine/Options.h"
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

int IndexOf(const SetupModel& model, int slot, const std::string& type) {
    const auto& choices = model.Choices(slot);
    return static_cast<int>(std::find(choices.begin(), choices.end(), type) - choices.begin());
}

TEST(SetupModel, SlotsOfferWhatTheScenarioAllows) {
    SetupModel model;
    model.SetDefinition(Limits(0b1110, 0x01 | 0x20)); // 2-4 players; 1 human only, 2 computer only
    EXPECT_EQ(model.Choices(0), (std::vector<std::string>{"Human"}));
    EXPECT_FALSE(model.Enabled(0));
    EXPECT_EQ(model.Choices(1), (std::vector<std::string>{"Computer"}));
    EXPECT_EQ(model.Choices(2), (std::vector<std::string>{"Immobile", "None"}));
    EXPECT_EQ(model.SelectedText(2), "None");
    EXPECT_EQ(model.PlayerCount(), 2);
    EXPECT_TRUE(model.Visible(3));

    model.SetDefinition(Limits(0b0010));
    EXPECT_FALSE(model.Visible(2)) << "no slot above the largest total";
    EXPECT_EQ(model.SlotTypes(), (std::vector<std::string>{"Human", "Human"}));
}

TEST(SetupModel, TotalsStayAllowed) {
    SetupModel model;
    model.SetDefinition(Limits(0b1010)); // 2 or 4 players
    ASSERT_EQ(model.PlayerCount(), 2);
    model.Choose(2, IndexOf(model, 2, "Computer"));
    EXPECT_EQ(model.PlayerCount(), 4) << "a third player brings a fourth";
    EXPECT_NE(model.SelectedText(3), "None");
    model.Choose(3, IndexOf(model, 3, "None"));
    EXPECT_EQ(model.PlayerCount(), 2) << "dropping one of four drops a second";
    EXPECT_EQ(model.SelectedText(2), "None");
}

TEST(SetupModel, PlayersMustBeConsecutive) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(2, IndexOf(model, 2, "Human"));
    model.Choose(1, IndexOf(model, 1, "None"));
    EXPECT_EQ(model.BeginProblem(),
              "You must select consecutive players.  Player 3 cannot be 'Human.'");
    model.Choose(1, IndexOf(model, 1, "Computer"));
    EXPECT_EQ(model.BeginProblem(), "");
    EXPECT_EQ(model.SlotTypes(), (std::vector<std::string>{"Human", "Computer", "Human"}));
}

TEST(SetupModel, SpaceMakesEverySlotTheSameType) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(0, IndexOf(model, 0, "Computer"));
    model.MakeAllLike(0);
    EXPECT_EQ(model.SelectedText(1), "Computer");
    EXPECT_EQ(model.SelectedText(3), "Computer");
    EXPECT_EQ(model.PlayerCount(), 4);
}

TEST(SetupModel, ANewScenarioKeepsEachSlotsPosition) {
    SetupModel model;
    model.SetDefinition(Limits(0b1111));
    model.Choose(1, IndexOf(model, 1, "Computer"));
    model.SetDefinition(Limits(0b1110));
    EXPECT_EQ(model.SelectedText(1), "Computer");
}

} // namespace
} // namespace marovane
