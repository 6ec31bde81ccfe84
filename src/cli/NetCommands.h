#pragma once

#include "ai/ComputerLevel.h"
#include "scenario/NewGameSetup.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace marovane {

// What the tool's host and join commands were given.
struct NetArguments {
    std::optional<std::string> Slots; // host: the player slots, "Computer,Remote,..."
    NewGameSetup Setup;               // host: the ticked options and the teams
    int Port = 1920;
    int TimeoutSeconds = 600;
    std::optional<int> Slot; // join: the slot 0..3 to claim
    bool Rejoin = false;     // join: dropped from the game, come back to the same seat
    // The level of the computer in each slot, in slot order; the standard one for the rest.
    std::vector<ComputerLevel> Levels;
};

// Hosts a network game without a window and prints the final state. Throws marovane::Error when
// it cannot (no network in this build, the port in use, a scenario refused).
int HostCommand(const std::filesystem::path& scenario, const NetArguments& args,
                const std::filesystem::path& dataDir, uint64_t seed, std::ostream& out);
// Joins a host as a guest whose player the computer plays, and prints the final state.
int JoinCommand(const std::string& host, const NetArguments& args,
                const std::filesystem::path& dataDir, uint64_t seed, std::ostream& out);

} // namespace marovane
