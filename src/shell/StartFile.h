#pragma once

#include "scenario/NewGameSetup.h"

#include <QString>

#include <optional>

namespace marovane {

class GameWindow;

// Opens the file named on the command line, once the window is up:
// - a saved game is loaded as Game > Load loads it;
// - a scenario is brought among the game's scenarios (see ImportScenario: checked first, copied
//   when it lies elsewhere, never replacing another) and selected in the new-game dialog, which
//   opens; with player slots given it starts at once instead;
// - anything else is refused with "Invalid File: " and the name, and the title picture stays.
// False when nothing was opened (after a message).
bool OpenStartFile(GameWindow& window, const QString& name,
                   const std::optional<NewGameSetup>& players);

} // namespace marovane
