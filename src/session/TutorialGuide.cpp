#include "session/TutorialGuide.h"

#include <iterator>

namespace marovane {

namespace {

// The deed that completes each step, in the order of the steps.
constexpr PlayerDeed kDeedOfStep[] = {
    PlayerDeed::Selected,  PlayerDeed::Stepped,  PlayerDeed::Attacked,    PlayerDeed::Healed,
    PlayerDeed::EndedTurn, PlayerDeed::UsedKeep, PlayerDeed::ReadPreview,
};
static_assert(std::size(kDeedOfStep) == TutorialGuide::kSteps);

} // namespace

bool TutorialGuide::Did(PlayerDeed deed) {
    if (Finished() || kDeedOfStep[static_cast<int>(step_)] != deed)
        return false;
    step_ = static_cast<Step>(static_cast<int>(step_) + 1);
    return true;
}

} // namespace marovane
