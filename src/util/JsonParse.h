#pragma once

#include "util/Json.h"

#include <string_view>

namespace marovane::json {

// Parses a whole document. Throws marovane::Error naming the line and column of a fault. Unlike
// nlohmann's own parser it refuses a key given twice in one object, which would otherwise keep
// only the last value, and nesting deeper than 64 levels.
Value Parse(std::string_view text);

} // namespace marovane::json
