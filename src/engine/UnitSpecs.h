#pragma once

#include "scenario/UnitTypes.h"
#include "util/Text.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace marovane {

// The table of the fifteen unit types, loaded once at start-up and shared read-only.
struct UnitSpecs {
    std::array<std::string, kUnitTypes> UnitName;
    // Full-strength code: hit points * 10 + moves per turn.
    std::array<int16_t, kUnitTypes> UnitStrength{};
    // Price in the keep; a type costing less than 1 cannot be bought.
    std::array<int16_t, kUnitTypes> UnitCost{};
    std::array<int16_t, kUnitTypes> UnitMaxDamage{};
    std::array<int16_t, kUnitTypes> UnitMinDamage{};
    std::array<int16_t, kUnitTypes> UnitRange{};
    std::array<int16_t, kUnitTypes> UnitCloseBonus{};
    std::array<int16_t, kUnitTypes> UnitWallBonus{};
    std::array<int16_t, kUnitTypes> UnitWallPenalty{};

    int Moves(int type) const { return UnitStrength[type] % 10; }
    int HitPoints(int type) const { return UnitStrength[type] / 10; }
};

// A unit type's name to show: the names of the shipped table are translated under "Units"; any
// other name comes from a table of someone's own and is shown as it stands. The table itself,
// the files and the network keep the English names.
Text UnitNameText(const std::string& name);
Text UnitNameText(const UnitSpecs& specs, int type);

// Reads "specs.txt": for each type 0..14 a name, a strength code, a cost and the six statistic
// digits packed into one number (the excess of a longer number stays with the maximum damage).
// Items are separated by commas or line ends; names may be quoted; blanks around numbers are
// ignored; nothing after the fifteenth record is read. Throws marovane::Error naming the file,
// the record and the fault.
UnitSpecs LoadSpecs(const std::filesystem::path& file);

// The same from text already read; fileName only names the source in messages.
UnitSpecs ParseSpecs(std::string_view text, const std::string& fileName);

} // namespace marovane
