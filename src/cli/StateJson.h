#pragma once

#include "util/Json.h"

#include <string>
#include <vector>

namespace marovane {

class Game;

// The whole game state as JSON, every field under the name the rules use; boards as rows
// y = 1..H of the values x = 1..W. Messages are the texts the rules showed (Latin-1).
json::Value GameStateToJson(const Game& game, const std::vector<std::string>& messages);

} // namespace marovane
