#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marovane {

// How strongly the computer plays a slot. The standard computer is the default; the hard one
// looks at what every attack may bring and cost, weighs where the enemy can strike next, and
// plans the keep's purchases.
enum class ComputerLevel { Standard, Hard };

// The level's name as the settings and the menu show it: "Standard" or "Hard".
const char* ComputerLevelName(ComputerLevel level);

// A level from its name, in any case ("hard", "Hard", "HARD"); nothing for any other text.
std::optional<ComputerLevel> ParseComputerLevel(std::string_view text);

// The levels of the slots in order from a list such as "standard,hard"; an empty entry is the
// standard level. Throws marovane::Error naming a word that is no level, or a list of more than
// four slots.
std::vector<ComputerLevel> ParseComputerLevels(const std::string& list);

} // namespace marovane
