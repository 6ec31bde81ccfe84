#pragma once

#include "scenario/ScenarioFolders.h"

#include <filesystem>
#include <string>

namespace marovane {

// A scenario file opened from outside the game (named on the command line, or opened from the
// desktop), brought among the game's scenarios.
struct ImportedScenario {
    std::filesystem::path Path; // the scenario's file among the game's scenarios
    bool Copied = false;        // false when it was there already
};

// Brings a scenario file into the scenario folders. The file is read and checked first: a
// damaged one, or one no game could be started from, is refused (marovane::Error with the
// reason) before anything is written. A file already in a scenario folder stays where it is. A
// file from elsewhere is copied into the writable folder under its own name, or, when another
// scenario has that name, under the first free name "NAME (2)", "NAME (3)", ...; an identical
// scenario already there is taken instead of a second copy. Nothing is ever replaced.
ImportedScenario ImportScenario(const ScenarioFolders& folders,
                                const std::filesystem::path& source);

} // namespace marovane
