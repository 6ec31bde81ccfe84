#pragma once

#include <array>
#include <string>
#include <vector>

namespace marovane {

// Who plays a player slot. The new-game dialog shows its own caption for each kind; files and
// messages keep the texts they have always carried.
enum class SlotKind {
    Human,    // a human at this machine
    Computer, // the computer, on this machine
    Immobile, // a player that never moves: the scenario allows neither a human nor the computer
    Remote,   // a human at another machine
    None,     // no player in this slot
};

// The choices of the new-game dialog that a new game is made from.
struct NewGameSetup {
    // One entry per player slot, from player 1 on; slots after the last player are left out.
    std::vector<SlotKind> Slots;
    // Whether the scenario's extra options 1 and 2 are ticked.
    std::array<bool, 2> OptionTicked{};
    // The team arrangement 0..4 chosen in the Teams menu.
    int TeamsMode = 0;
    // The unit picture set.
    std::string PictureSet = "People";
    // Whether Game > Recent lists the scenario afterwards: not for a test game of a scenario
    // that was never saved.
    bool Remembered = true;
};

// The player slots named on a command line: "Human,Computer,,Immobile" (any case; "None" or
// nothing for an empty slot). Throws marovane::Error for an unknown name or more than four slots.
std::vector<SlotKind> ParseSlotKinds(const std::string& list);

} // namespace marovane
