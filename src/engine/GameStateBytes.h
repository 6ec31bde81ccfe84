#pragma once

#include "engine/GameState.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace marovane {

class ByteReader;
class ByteWriter;

// The state's plain values as the binary formats (saved games, board messages) hold them:
// numbers 16-bit, flags 16-bit (-1 or 0), per-player rows as players 1..4 in order. The victory
// conditions are kept from index 1 (index 0 means nothing), the defeat conditions from index 0.
void WriteStateValue(ByteWriter& out, bool value);
void WriteStateValue(ByteWriter& out, int16_t value);
void WriteStateValue(ByteWriter& out, const PerPlayer<int16_t>& values);
void WriteStateValue(ByteWriter& out, const PerPlayer<bool>& values);
void WriteStateValue(ByteWriter& out, const PerPlayer<float>& values);
void WriteStateValue(ByteWriter& out, const std::array<bool, 3>& winConditions);
void WriteStateValue(ByteWriter& out, const std::array<bool, 4>& loseConditions);

// Reading them back; a short read or a flag that is neither -1 nor 0 is refused naming `what`.
void ReadStateValue(ByteReader& in, bool& value, std::string_view what);
void ReadStateValue(ByteReader& in, int16_t& value, std::string_view what);
void ReadStateValue(ByteReader& in, PerPlayer<int16_t>& values, std::string_view what);
void ReadStateValue(ByteReader& in, PerPlayer<bool>& values, std::string_view what);
void ReadStateValue(ByteReader& in, PerPlayer<float>& values, std::string_view what);
void ReadStateValue(ByteReader& in, std::array<bool, 3>& winConditions, std::string_view what);
void ReadStateValue(ByteReader& in, std::array<bool, 4>& loseConditions, std::string_view what);

} // namespace marovane
