#pragma once

#include "util/Json.h"

#include <optional>
#include <string>
#include <vector>

namespace marovane {

class Game;
struct AttackPreview;

// The whole game state as JSON, every field under the name the rules use; boards as rows
// y = 1..H of the values x = 1..W. Messages are the texts the rules showed (Latin-1).
json::Value GameStateToJson(const Game& game, const std::vector<std::string>& messages);

// An attack's preview: {"HitChance", "Damage": [min, max], "CounterDamage": [min, max] or null,
// "Heal": [min, max] or null}; null when there is nothing to preview.
json::Value PreviewToJson(const std::optional<AttackPreview>& preview);

} // namespace marovane
