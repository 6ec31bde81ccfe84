#include "session/TutorialGuide.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

using Step = TutorialGuide::Step;

// A player who does things in his own order: each step waits for its own deed, and a deed of a
// later step does not count before that step is reached.
TEST(TutorialGuide, AdvancesStepByStepOnlyOnTheDeedOfTheStepAtHand) {
    struct Turn {
        PlayerDeed Deed;
        Step After;
    };
    const Turn turns[] = {
        {PlayerDeed::Stepped, Step::SelectUnit},   {PlayerDeed::ReadPreview, Step::SelectUnit},
        {PlayerDeed::Selected, Step::StepUnit},    {PlayerDeed::Selected, Step::StepUnit},
        {PlayerDeed::Attacked, Step::StepUnit},    {PlayerDeed::Stepped, Step::Attack},
        {PlayerDeed::Healed, Step::Attack},        {PlayerDeed::Attacked, Step::Heal},
        {PlayerDeed::EndedTurn, Step::Heal},       {PlayerDeed::Healed, Step::EndTurn},
        {PlayerDeed::UsedKeep, Step::EndTurn},     {PlayerDeed::EndedTurn, Step::UseKeep},
        {PlayerDeed::UsedKeep, Step::ReadPreview}, {PlayerDeed::ReadPreview, Step::Finished},
        {PlayerDeed::Selected, Step::Finished},
    };
    TutorialGuide guide;
    EXPECT_EQ(guide.Number(), 1);
    for (const Turn& turn : turns) {
        const Step before = guide.Current();
        EXPECT_EQ(guide.Did(turn.Deed), turn.After != before);
        EXPECT_EQ(guide.Current(), turn.After) << static_cast<int>(turn.Deed);
    }
    EXPECT_TRUE(guide.Finished());
    EXPECT_EQ(guide.Number(), TutorialGuide::kSteps + 1);
}

} // namespace
} // namespace marovane
