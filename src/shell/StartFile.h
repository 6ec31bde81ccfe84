#pragma once

#include "scenario/NewGameSetup.h"

#include <QString>

#include <filesystem>
#include <optional>

namespace marovane {

class GameWindow;

// Opens the file named on the command line, once the window is up:
// - a saved game is loaded as Game > Load loads it;
// - a scenario is brought into the scenario folder (copied there, replacing a file of the same
//   name, when it lies elsewhere) and selected in the new-game dialog, which opens; with player
//   slots given it starts at once instead;
// - anything else is refused with "Invalid File: " and the name, and the title picture stays.
// False when nothing was opened (after a message).
bool OpenStartFile(GameWindow& window, const QString& name,
                   const std::filesystem::path& scenarioFolder,
                   const std::optional<NewGameSetup>& players);

} // namespace marovane
