#pragma once

namespace marovane {

// What a human did on the board or at the end of his turn, as the window reports it.
enum class PlayerDeed {
    Selected,    // clicked one of his units to select it
    Stepped,     // stepped a unit to a neighbouring cell
    Attacked,    // attacked an enemy, close up or from afar
    Healed,      // healed a hurt team-mate with a priest
    EndedTurn,   // ended his turn
    UsedKeep,    // sold, rescued or bought in his keep
    ReadPreview, // rested the pointer on an enemy, where the floating panel shows the odds
};

// The guided tutorial without its panel: one step at a time, each done by one deed, in the
// order a new player needs them. A deed that belongs to a later step counts only once that step
// is reached, so the guide never skips what the player has not yet been shown.
class TutorialGuide {
public:
    enum class Step {
        SelectUnit,
        StepUnit,
        Attack,
        Heal,
        EndTurn,
        UseKeep,
        ReadPreview,
        Finished,
    };
    static constexpr int kSteps = static_cast<int>(Step::Finished);

    Step Current() const { return step_; }
    // 1..kSteps, or kSteps + 1 once every step is done.
    int Number() const { return static_cast<int>(step_) + 1; }
    bool Finished() const { return step_ == Step::Finished; }

    // The player did something: answers whether the guide moved on to the next step.
    bool Did(PlayerDeed deed);

private:
    Step step_ = Step::SelectUnit;
};

} // namespace marovane
