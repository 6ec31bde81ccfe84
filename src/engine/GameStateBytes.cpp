#include "engine/GameStateBytes.h"

#include "util/Bytes.h"

namespace marovane {

namespace {

constexpr int kFirstWinCondition = 1;

} // namespace

void WriteStateValue(ByteWriter& out, bool value) {
    out.Flag(value);
}

void WriteStateValue(ByteWriter& out, int16_t value) {
    out.Int16(value);
}

void WriteStateValue(ByteWriter& out, const PerPlayer<int16_t>& values) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.Int16(values[p]);
}

void WriteStateValue(ByteWriter& out, const PerPlayer<bool>& values) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.Flag(values[p]);
}

void WriteStateValue(ByteWriter& out, const PerPlayer<float>& values) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        out.Float(values[p]);
}

void WriteStateValue(ByteWriter& out, const std::array<bool, 3>& winConditions) {
    for (size_t i = kFirstWinCondition; i < winConditions.size(); ++i)
        out.Flag(winConditions[i]);
}

void WriteStateValue(ByteWriter& out, const std::array<bool, 4>& loseConditions) {
    for (bool condition : loseConditions)
        out.Flag(condition);
}

void ReadStateValue(ByteReader& in, bool& value, std::string_view what) {
    value = in.Flag(what);
}

void ReadStateValue(ByteReader& in, int16_t& value, std::string_view what) {
    value = in.Int16(what);
}

void ReadStateValue(ByteReader& in, PerPlayer<int16_t>& values, std::string_view what) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        values[p] = in.Int16(what);
}

void ReadStateValue(ByteReader& in, PerPlayer<bool>& values, std::string_view what) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        values[p] = in.Flag(what);
}

void ReadStateValue(ByteReader& in, PerPlayer<float>& values, std::string_view what) {
    for (int p = 1; p <= kMaxPlayers; ++p)
        values[p] = in.Float(what);
}

void ReadStateValue(ByteReader& in, std::array<bool, 3>& winConditions, std::string_view what) {
    for (size_t i = kFirstWinCondition; i < winConditions.size(); ++i)
        winConditions[i] = in.Flag(what);
}

void ReadStateValue(ByteReader& in, std::array<bool, 4>& loseConditions, std::string_view what) {
    for (bool& condition : loseConditions)
        condition = in.Flag(what);
}

} // namespace marovane
