#pragma once

#include "util/Json.h"

#include <string>

namespace marovane::json {

// Prints a document indented by two spaces, as nlohmann's dump(2) would, except that an array of
// plain values stays on one line, so a board prints one row a line, and a floating-point number
// prints with nine significant digits, which give back the same single-precision value without
// the noise of its double-precision widening.
std::string Print(const Value& value);

} // namespace marovane::json
