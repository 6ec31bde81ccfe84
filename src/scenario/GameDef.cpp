#include "scenario/GameDef.h"

#include "util/Error.h"
#include "util/Latin1.h"

#include <algorithm>

namespace marovane {

namespace {

void PutInt16(uint8_t* at, int16_t value) {
    auto bits = static_cast<uint16_t>(value);
    at[0] = static_cast<uint8_t>(bits & 0xFF);
    at[1] = static_cast<uint8_t>(bits >> 8);
}

int16_t GetInt16(const uint8_t* at) {
    return static_cast<int16_t>(static_cast<uint16_t>(at[0] | (at[1] << 8)));
}

void PutText(uint8_t* at, const std::string& field, size_t size) {
    for (size_t i = 0; i < size; ++i)
        at[i] = i < field.size() ? static_cast<uint8_t>(field[i]) : ' ';
}

std::string GetText(const uint8_t* at, size_t size) {
    return std::string(reinterpret_cast<const char*>(at), size);
}

} // namespace

void SetText(std::string& field, std::string_view text) {
    size_t size = field.size();
    field.assign(text.substr(0, size));
    field.resize(size, ' ');
}

std::string TrimmedText(const std::string& field) {
    return std::string(TrimRight(field));
}

std::array<uint8_t, kGameDefSize> ToBytes(const GameDef& def) {
    namespace at = def_offset;
    std::array<uint8_t, kGameDefSize> bytes{};
    uint8_t* b = bytes.data();
    PutInt16(b + at::Width, def.Width);
    PutInt16(b + at::Height, def.Height);
    PutInt16(b + at::Treasury, def.Treasury);
    PutInt16(b + at::Reward, def.Reward);
    PutInt16(b + at::PartySize, def.PartySize);
    PutInt16(b + at::Options, def.Options);
    PutInt16(b + at::PlayerLimits, def.PlayerLimits);
    PutInt16(b + at::PlayerKinds, def.PlayerKinds);
    PutText(b + at::OptionText1, def.OptionText[0], GameDef::kOptionTextSize);
    PutText(b + at::OptionText2, def.OptionText[1], GameDef::kOptionTextSize);
    PutInt16(b + at::OptionType1, def.OptionType[0]);
    PutInt16(b + at::OptionType2, def.OptionType[1]);
    PutInt16(b + at::OptionAmount1, def.OptionAmount[0]);
    PutInt16(b + at::OptionAmount2, def.OptionAmount[1]);
    PutText(b + at::Description, def.Description, GameDef::kDescriptionSize);
    // The formation is stored with the first index varying fastest: (1,1), (2,1), (3,1), ...
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            PutInt16(b + at::StartPos + 2 * (y * 4 + x), def.StartPos[x][y]);
    }
    PutInt16(b + at::UnitsAllowed, def.UnitsAllowed);
    PutText(b + at::Placement, def.Placement, GameDef::kPlacementSize);
    return bytes;
}

GameDef FromBytes(std::span<const uint8_t> bytes) {
    namespace at = def_offset;
    if (bytes.size() < kGameDefSize) {
        throw Error("The scenario holds only " + std::to_string(bytes.size()) + " of its " +
                    std::to_string(kGameDefSize) + " bytes.");
    }
    const uint8_t* b = bytes.data();
    GameDef def;
    def.Width = GetInt16(b + at::Width);
    def.Height = GetInt16(b + at::Height);
    def.Treasury = GetInt16(b + at::Treasury);
    def.Reward = GetInt16(b + at::Reward);
    def.PartySize = GetInt16(b + at::PartySize);
    def.Options = GetInt16(b + at::Options);
    def.PlayerLimits = GetInt16(b + at::PlayerLimits);
    def.PlayerKinds = GetInt16(b + at::PlayerKinds);
    def.OptionText[0] = GetText(b + at::OptionText1, GameDef::kOptionTextSize);
    def.OptionText[1] = GetText(b + at::OptionText2, GameDef::kOptionTextSize);
    def.OptionType[0] = GetInt16(b + at::OptionType1);
    def.OptionType[1] = GetInt16(b + at::OptionType2);
    def.OptionAmount[0] = GetInt16(b + at::OptionAmount1);
    def.OptionAmount[1] = GetInt16(b + at::OptionAmount2);
    def.Description = GetText(b + at::Description, GameDef::kDescriptionSize);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            def.StartPos[x][y] = GetInt16(b + at::StartPos + 2 * (y * 4 + x));
    }
    def.UnitsAllowed = GetInt16(b + at::UnitsAllowed);
    def.Placement = GetText(b + at::Placement, GameDef::kPlacementSize);
    return def;
}

} // namespace marovane
