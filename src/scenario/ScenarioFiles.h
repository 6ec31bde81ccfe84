#pragma once

#include <filesystem>
#include <string>

namespace marovane {

// The scenario list's file commands. Each throws marovane::Error with a message for the player
// and leaves the folder as it was when it cannot be done.
namespace scenario_files {

// Copies a scenario as "#" + name, no longer marked built-in or tutorial; answers the new name.
std::string Copy(const std::filesystem::path& folder, const std::string& name);

// Whether a name can be a scenario name: none of < > ? . / \ : * and not blank.
bool ValidName(const std::string& name);

// Renames a scenario; refused for an invalid name or when another scenario has that name.
void Rename(const std::filesystem::path& folder, const std::string& from, const std::string& to);

void Delete(const std::filesystem::path& folder, const std::string& name);

} // namespace scenario_files

} // namespace marovane
