#pragma once

#include "scenario/GameDef.h"
#include "scenario/NewGameSetup.h"
#include "util/Text.h"

#include <array>
#include <string>
#include <vector>

namespace marovane {

// What the new-game dialog's popup menu lets the player do with a scenario ("Play" always).
struct ScenarioCommands {
    bool Copy = false;
    bool Edit = false;
    bool Rename = false;
    bool Delete = false;
    bool operator==(const ScenarioCommands&) const = default;
};

// The rules of the new-game dialog for the chosen scenario: which player types each slot offers
// and which it starts with, the rule that keeps the number of players at a total the scenario
// allows, what the details show, what may be done with the scenario's file, and the tutorial's
// picture set. The dialog shows it; the rules are here so they can be tested without a window.
class SetupModel {
public:
    static constexpr int kSlots = 4;
    // The tutorial is played with the letter pictures.
    static constexpr const char* kTutorialPictures = "Alphabet";

    // Chooses a scenario (the all-zero record when none is chosen) and rebuilds every slot's
    // choices. Player 1 starts as a human at this machine and every other player as the
    // computer, where the scenario lets them; a line-up the player made himself carries over
    // where the new scenario allows it, but never onto another machine.
    void SetDefinition(const GameDef& def);
    const GameDef& Definition() const { return def_; }
    // A scenario with units is chosen; otherwise the dialog shows neither details nor slots.
    bool HasScenario() const { return def_.UnitsAllowed != 0; }

    // ---- The player slots ------------------------------------------------------------------
    const std::vector<SlotKind>& Choices(int slot) const { return slots_[Index(slot)].Choices; }
    int Selected(int slot) const { return slots_[Index(slot)].Selected; }
    SlotKind SelectedKind(int slot) const;
    // A slot with one choice only cannot be changed.
    bool Enabled(int slot) const { return Choices(slot).size() >= 2; }
    // Slots above the largest total the scenario allows are not part of it.
    bool Visible(int slot) const { return slot < visibleSlots_; }
    // Whether the dialog shows the slot with its number.
    bool Shown(int slot) const { return HasScenario() && Visible(slot); }
    // The kind of every shown slot, None for the others: the slots the host's lobby offers.
    std::array<SlotKind, kSlots> ShownKinds() const;
    int PlayerCount() const { return playerCount_; }

    // The player picks choice `index` of a slot; players are added or removed so that the total
    // stays one the scenario allows.
    void Choose(int slot, int index);
    // Every slot that offers the same type as this slot's choice takes it.
    void MakeAllLike(int slot);
    // Other machines cannot reach this one (the port is taken): every "Remote" slot goes back to
    // the first other type it offers. False when no slot was "Remote".
    bool DropRemoteSlots();

    // Players must be consecutive: the first slot that holds a player after an empty one, or -1
    // when the game can begin.
    int StrandedSlot() const;
    // What stops the game from beginning with the slots as they are: players that are not
    // consecutive. Empty when it can begin.
    Text BeginProblem() const;
    // What is wrong with slots named outside the dialog (the command-line tool), by the dialog's
    // own rules: more slots than the scenario has, a kind a slot does not offer, a total of
    // players the scenario does not allow, or players that are not consecutive. Empty slots
    // after the last player stay in the game as vacant slots. Empty when the slots are fine.
    std::string SlotsProblem(const std::vector<SlotKind>& kinds) const;
    // The caption of a kind in English: the word the command-line tool takes for it.
    static std::string Caption(SlotKind kind);
    // The caption of a kind as the slot lists show it.
    static Text CaptionText(SlotKind kind);
    // The kinds of the players to start the game with (the empty slots after them left out).
    std::vector<SlotKind> Slots() const;
    // The same number of players set for a game against the computer, as the scenario editor's
    // Test Play starts it: player 1 a human and the others the computer, where the slots offer it.
    std::vector<SlotKind> AgainstComputer() const;
    // The choices to start the game with. An extra option counts when the scenario has it and
    // its box is ticked.
    NewGameSetup Setup(std::array<bool, 2> ticked, int teamsMode,
                       const std::string& pictureSet) const;

    // ---- The details and the scenario's file ---------------------------------------------------
    bool Tutorial() const;
    // A scenario that comes with the game shows its badge.
    bool BuiltIn() const;
    // The advanced placement is told about, except in the tutorial, which explains it itself.
    bool AdvancedShown() const;
    // Extra option i (0 or 1) is offered when the scenario has it.
    bool OptionShown(int i) const;
    // Its caption: the author's text (Latin-1) as written, or "Reserved" when it has none.
    Text OptionCaption(int i) const;
    // The tutorial cannot be copied; neither it nor a built-in scenario can be edited, renamed
    // or deleted, nor can a scenario that came with an installed program (not `changeable`).
    ScenarioCommands Commands(bool changeable) const;

    // ---- The unit picture set -------------------------------------------------------------------
    // The set to show after SetDefinition, given the one shown now: the tutorial's letters, then
    // the set the player had before it once another scenario is chosen. Empty: keep the shown
    // set.
    std::string PictureSetAfterChoice(const std::string& shown);
    // The tutorial's pictures cannot be changed.
    bool PicturesLocked() const { return Tutorial(); }

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
    // The index of a kind among the slot's choices, or -1.
    int Find(int slot, SlotKind kind) const;
    // The choice a slot starts with, or that the total rule fills it with.
    int DefaultChoice(int slot) const;
    void SetDefaults();

    GameDef def_;
    std::array<Slot, kSlots> slots_{};
    int limits_ = 0;
    int visibleSlots_ = 0;
    int playerCount_ = 0;
    // The player has set the slots himself: his line-up carries over to the next scenario.
    bool ownLineup_ = false;
    // The set the player had before the tutorial took the letters.
    std::string rememberedPictures_;
};

} // namespace marovane
