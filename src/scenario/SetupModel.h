#pragma once

#include "scenario/GameDef.h"
#include "scenario/NewGameSetup.h"

#include <array>
#include <string>
#include <vector>

namespace marovane {

// The player slots of the new-game dialog: which player types each slot offers for the chosen
// scenario, and the rule that keeps the number of players at a total the scenario allows. The
// dialog shows it; the rules are here so they can be tested without a window.
class SetupModel {
public:
    static constexpr int kSlots = 4;

    // Rebuilds every slot's choices for a scenario. A slot that had a choice keeps its position
    // in the list where it can.
    void SetDefinition(const GameDef& def);

    const std::vector<SlotKind>& Choices(int slot) const { return slots_[Index(slot)].Choices; }
    int Selected(int slot) const { return slots_[Index(slot)].Selected; }
    SlotKind SelectedKind(int slot) const;
    // A slot with one choice only cannot be changed.
    bool Enabled(int slot) const { return Choices(slot).size() >= 2; }
    // Slots above the largest total the scenario allows are not shown.
    bool Visible(int slot) const { return slot < visibleSlots_; }
    int PlayerCount() const { return playerCount_; }

    // The player picks choice `index` of a slot; players are added or removed so that the total
    // stays one the scenario allows.
    void Choose(int slot, int index);
    // Every slot that offers the same type as this slot's choice takes it.
    void MakeAllLike(int slot);

    // Players must be consecutive: the first slot that holds a player after an empty one, or -1
    // when the game can begin.
    int StrandedSlot() const;
    // What stops the game from beginning with the slots as they are: players that are not
    // consecutive. Empty when it can begin.
    std::string BeginProblem() const;
    // What is wrong with slots named outside the dialog (the command-line tool), by the dialog's
    // own rules: more slots than the scenario has, a kind a slot does not offer, a total of
    // players the scenario does not allow, or players that are not consecutive. Empty slots
    // after the last player stay in the game as vacant slots. Empty when the slots are fine.
    std::string SlotsProblem(const std::vector<SlotKind>& kinds) const;
    // The caption of a kind in the slot lists.
    static std::string Caption(SlotKind kind);
    // The kinds of the players to start the game with (the empty slots after them left out).
    std::vector<SlotKind> Slots() const;
    // The same number of players set for a game against the computer, as the scenario editor's
    // Test Play starts it: player 1 a human and the others the computer, where the slots offer it.
    std::vector<SlotKind> AgainstComputer() const;

private:
    struct Slot {
        std::vector<SlotKind> Choices;
        int Selected = -1;
    };
    static size_t Index(int slot) { return static_cast<size_t>(slot); }
    bool TotalAllowed(int total) const {
        return total >= 1 && total <= 4 && ((limits_ >> (total - 1)) & 1);
    }
    int CountPlayers() const;
    // "2", "2 or 4", "1, 2 or 3": the totals of players the scenario allows.
    std::string AllowedTotals() const;
    void SetSelected(int slot, int index);

    std::array<Slot, kSlots> slots_{};
    int limits_ = 0;
    int visibleSlots_ = 0;
    int playerCount_ = 0;
};

} // namespace marovane
