#pragma once

#include "scenario/ScenarioFolders.h"
#include "util/Text.h"

#include <filesystem>
#include <string>

namespace marovane {

// The scenario list's file commands. Each throws marovane::Error with a message for the player
// and leaves the folder as it was when it cannot be done.
namespace scenario_files {

// Copies a scenario as "#" + name into the writable folder, no longer marked built-in or
// tutorial; answers the new name.
// The file of a scenario by its name; refused when it is gone (deleted since the list was made).
std::filesystem::path Existing(const ScenarioFolders& folders, const std::string& name);

std::string Copy(const ScenarioFolders& folders, const std::string& name);

// Renames a scenario of the writable folder to a name that CheckScenarioName accepts (trimmed as
// it trims); refused for a name it refuses, for a scenario that came with the program in a folder
// that cannot be written, or when another scenario (in either folder) has that name. Answers the
// new name.
std::string Rename(const ScenarioFolders& folders, const std::string& from, const std::string& to);

// The question Delete asks. When the player's own scenario hides one of the same name that came
// with the program, it says that this one comes back in its place.
Text DeleteQuestion(const ScenarioFolders& folders, const std::string& name);

// Deletes a scenario of the writable folder; those that came with an installed program stay.
void Delete(const ScenarioFolders& folders, const std::string& name);

// The same for a single folder.
inline std::string Copy(const std::filesystem::path& folder, const std::string& name) {
    return Copy(ScenarioFolders(folder, {}), name);
}
inline std::string Rename(const std::filesystem::path& folder, const std::string& from,
                          const std::string& to) {
    return Rename(ScenarioFolders(folder, {}), from, to);
}
inline void Delete(const std::filesystem::path& folder, const std::string& name) {
    Delete(ScenarioFolders(folder, {}), name);
}

} // namespace scenario_files

} // namespace marovane
