#pragma once

#include "scenario/GameDef.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marovane {

// Reads one scenario file. A file longer than a record is read up to the record's end. Throws
// marovane::Error naming the file when it cannot be read or is shorter than a record.
GameDef ReadDefFile(const std::filesystem::path& path);

// Writes the record beside the target and renames it over the target, so a failed write never
// leaves a damaged scenario. Throws marovane::Error when the file cannot be written.
void WriteDefFile(const std::filesystem::path& path, const GameDef& def);

// The scenarios of a folder: every "*.def" file (extension in any case), named without the
// extension, sorted by name ignoring case so the list reads the same on every system.
std::vector<std::string> ListScenarios(const std::filesystem::path& folder);

// The file of a scenario, looked up by name ignoring case, with or without a ".def" ending.
std::optional<std::filesystem::path> FindScenario(const std::filesystem::path& folder,
                                                  std::string_view name);

// A scenario given by its path, or by its name in the folder (as FindScenario looks it up).
std::optional<std::filesystem::path> LocateScenario(const std::filesystem::path& folder,
                                                    const std::string& given);

// The scenario name of a file: its name without the last four characters (".def").
std::string ScenarioNameOf(const std::filesystem::path& path);

} // namespace marovane
