#pragma once

#include "scenario/GameDef.h"
#include "util/Json.h"

namespace marovane {

// A scenario as JSON, keys named as the record's fields. Text is given without its trailing
// blanks, the formation as four rows y = 1..4 of the values x = 1..4, the board string as the
// list of its byte values.
json::Value DefToJson(const GameDef& def);

// Builds a scenario from JSON. DefToJson's output is accepted and gives back the same bytes; the
// sources in data/ may also name flags and give the board string as a list of units (see
// data/scenarios/README.md). Throws marovane::Error naming the key at fault.
GameDef DefFromJson(const json::Value& source);

} // namespace marovane
