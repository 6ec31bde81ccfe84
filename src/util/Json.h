#pragma once

#include <nlohmann/json.hpp>

namespace marovane::json {

// The JSON document of the command-line tool and the scenario sources. Objects keep the order in
// which their keys were added, so printed state reads in a fixed, documented order. Strings are
// UTF-8: the game's Latin-1 texts pass through Latin1ToUtf8 on their way in.
using Value = nlohmann::ordered_json;

} // namespace marovane::json
