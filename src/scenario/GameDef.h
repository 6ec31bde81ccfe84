#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace marovane {

class ByteReader;
class ByteWriter;

// A scenario: everything a new game needs besides the unit table. On disk it is exactly
// kGameDefSize bytes, little-endian 16-bit integers and Latin-1 text padded with blanks; saved
// games embed the same bytes.
struct GameDef {
    static constexpr size_t kOptionTextSize = 50;
    static constexpr size_t kDescriptionSize = 1000;
    static constexpr size_t kPlacementSize = 902;

    int16_t Width = 0;
    int16_t Height = 0;
    int16_t Treasury = 0;
    int16_t Reward = 0;
    int16_t PartySize = 0;
    int16_t Options = 0;
    // Bits 0-3: games of 1-4 players allowed; bits 4-8: team arrangement 0-4 forbidden.
    int16_t PlayerLimits = 0;
    // Bit i: player i+1 may be human; bit 4+i: player i+1 may be the computer.
    int16_t PlayerKinds = 0;
    // The text fields hold their stored bytes, always of the full field size (an all-zero record
    // holds NULs). Use SetText and TrimmedText to work with them.
    std::array<std::string, 2> OptionText{std::string(kOptionTextSize, '\0'),
                                          std::string(kOptionTextSize, '\0')};
    std::array<int16_t, 2> OptionType{};
    std::array<int16_t, 2> OptionAmount{};
    std::string Description = std::string(kDescriptionSize, '\0');
    // StartPos[x - 1][y - 1]: 0 for an empty cell, k for a unit of type k - 1.
    std::array<std::array<int16_t, 4>, 4> StartPos{};
    int16_t UnitsAllowed = 0;
    std::string Placement = std::string(kPlacementSize, '\0');

    bool operator==(const GameDef&) const = default;
};

inline constexpr size_t kGameDefSize = 2060;

// Stores text into a fixed field: cut to the field size, padded on the right with blanks.
void SetText(std::string& field, std::string_view text);
// The text of a fixed field without its padding.
std::string TrimmedText(const std::string& field);

// The record's kGameDefSize bytes, in this order: Width, Height, Treasury, Reward, PartySize,
// Options, PlayerLimits, PlayerKinds (16-bit each), OptionText 1 and 2 (50 bytes each),
// OptionType 1 and 2, OptionAmount 1 and 2 (16-bit each), Description (1000 bytes), StartPos
// (16 x 16-bit, x fastest), UnitsAllowed (16-bit), Placement (902 bytes).
void WriteGameDef(ByteWriter& out, const GameDef& def);
// Reads one record; refuses, naming "the scenario record", when fewer than kGameDefSize bytes are
// left. Any content is accepted: the rules check the values when a game starts.
GameDef ReadGameDef(ByteReader& in);

std::array<uint8_t, kGameDefSize> ToBytes(const GameDef& def);
// Reads the first kGameDefSize bytes; throws marovane::Error when fewer are given.
GameDef FromBytes(std::span<const uint8_t> bytes);

} // namespace marovane
