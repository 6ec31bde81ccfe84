#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marovane::net {

// What a guest is told of each player slot before a network game, per receiving guest.
enum class SlotState : uint8_t {
    None = 0,     // no player
    Host = 1,     // a human at the host's machine
    Computer = 2, // the computer
    Taken = 3,    // a remote slot another guest holds
    Free = 4,     // a remote slot nobody holds yet
    Immobile = 5, // a player that never moves
    You = 255,    // the remote slot this guest holds
};
using SlotStates = std::array<SlotState, 4>;

// The caption a guest shows for a slot state ("Host", "Free", "You", ...); empty for a byte
// that names no state, which leaves the caption as it was.
std::string_view SlotStateText(uint8_t state);

// ---- Setup messages from the host -----------------------------------------------------------
std::string TitleMessage(std::string_view title);        // "T" + title
std::string TeamsModeMessage(int mode);                  // "t" + arrangement in digits
std::string OptionsMessage(bool option1, bool option2);  // two bytes, 0 or 1
std::string SlotStatesMessage(const SlotStates& states); // "P" + one byte per slot
std::string StartMessage(int slot, int players);         // "S" + slot 0..4 + "/" + players
std::string TeamFlagsMessage(const std::array<bool, 4>& sameTeam); // "G" + one byte per player

// A setup message as a guest reads it. Anything malformed comes back as nothing.
struct HostSetupMessage {
    enum class Kind { Title, TeamsMode, Options, SlotStates, Start, TeamFlags } What;
    std::string Text;               // Title
    int Number = 0;                 // TeamsMode; Start: the slot index 0..4
    int Players = 0;                // Start
    std::array<bool, 2> Options{};  // Options
    std::array<uint8_t, 4> Bytes{}; // SlotStates, TeamFlags
};
std::optional<HostSetupMessage> ParseHostSetup(std::string_view message);

// ---- Setup messages from a guest --------------------------------------------------------------
std::string ClaimMessage(int slot); // "P" + slot digit 0..3
std::string ReleaseMessage();       // "P-"
// A claim as the host reads it: the slot 0..3, -1 to give up the slot held; nothing when the
// message is no claim.
std::optional<int> ParseClaim(std::string_view message);

} // namespace marovane::net
