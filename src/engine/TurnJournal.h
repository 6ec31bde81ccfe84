#pragma once

namespace marovane {

class Game;

// Follows a human's turn for what the front ends offer around the rules: taking steps back, and
// keeping the game at the start of every human turn. The rules report; the listener decides.
class TurnJournal {
public:
    virtual ~TurnJournal() = default;

    // The current human is about to step a unit: the game is still exactly as before the step.
    virtual void StepTaking(const Game& game) = 0;
    // Something happened that no step back may undo: a battle, a cell newly explored or brought
    // into sight, a captive released, the end of a turn with its keep visit, a defeat.
    virtual void StepsFinal() = 0;
    // A human at this machine is to move now: his turn has begun.
    virtual void HumanTurnBegins(const Game& game) = 0;
};

} // namespace marovane
