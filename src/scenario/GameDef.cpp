#include "scenario/GameDef.h"

#include "util/Bytes.h"
#include "util/Error.h"
#include "util/Latin1.h"

#include <algorithm>

namespace marovane {

void SetText(std::string& field, std::string_view text) {
    size_t size = field.size();
    field.assign(text.substr(0, size));
    field.resize(size, ' ');
}

std::string TrimmedText(const std::string& field) {
    return std::string(TrimRight(field));
}

void WriteGameDef(ByteWriter& out, const GameDef& def) {
    out.Int16(def.Width);
    out.Int16(def.Height);
    out.Int16(def.Treasury);
    out.Int16(def.Reward);
    out.Int16(def.PartySize);
    out.Int16(def.Options);
    out.Int16(def.PlayerLimits);
    out.Int16(def.PlayerKinds);
    for (const std::string& text : def.OptionText)
        out.Text(text, GameDef::kOptionTextSize);
    for (int16_t type : def.OptionType)
        out.Int16(type);
    for (int16_t amount : def.OptionAmount)
        out.Int16(amount);
    out.Text(def.Description, GameDef::kDescriptionSize);
    // The formation is stored with the first index varying fastest: (1,1), (2,1), (3,1), ...
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            out.Int16(def.StartPos[x][y]);
    }
    out.Int16(def.UnitsAllowed);
    out.Text(def.Placement, GameDef::kPlacementSize);
}

GameDef ReadGameDef(ByteReader& in) {
    // The record is all there or not read at all, so its items need no names of their own.
    constexpr std::string_view what = "the scenario record";
    in.Require(kGameDefSize, what);
    GameDef def;
    def.Width = in.Int16(what);
    def.Height = in.Int16(what);
    def.Treasury = in.Int16(what);
    def.Reward = in.Int16(what);
    def.PartySize = in.Int16(what);
    def.Options = in.Int16(what);
    def.PlayerLimits = in.Int16(what);
    def.PlayerKinds = in.Int16(what);
    for (std::string& text : def.OptionText)
        text = in.Text(GameDef::kOptionTextSize, what);
    for (int16_t& type : def.OptionType)
        type = in.Int16(what);
    for (int16_t& amount : def.OptionAmount)
        amount = in.Int16(what);
    def.Description = in.Text(GameDef::kDescriptionSize, what);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            def.StartPos[x][y] = in.Int16(what);
    }
    def.UnitsAllowed = in.Int16(what);
    def.Placement = in.Text(GameDef::kPlacementSize, what);
    return def;
}

std::array<uint8_t, kGameDefSize> ToBytes(const GameDef& def) {
    ByteWriter out;
    WriteGameDef(out, def);
    std::array<uint8_t, kGameDefSize> bytes{};
    std::copy_n(out.Data().begin(), bytes.size(), bytes.begin());
    return bytes;
}

GameDef FromBytes(std::span<const uint8_t> bytes) {
    if (bytes.size() < kGameDefSize) {
        throw Error(Tx("ScenarioFile", "The scenario holds only %1 of its %2 bytes.")
                        .Arg(bytes.size())
                        .Arg(kGameDefSize));
    }
    ByteReader in(bytes);
    return ReadGameDef(in);
}

} // namespace marovane
