// The unit table: any text is either read as fifteen records or refused with marovane::Error.
// A table that was read, written back as text, reads again as the same table.

#include "FuzzCheck.h"
#include "engine/UnitSpecs.h"
#include "util/Error.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace marovane;

namespace {

// A name as the reader takes it back: quoted unless it holds a quote, which only an unquoted
// name can (and then it holds no comma, line end or outer blank).
std::string NameItem(const std::string& name) {
    if (name.find('"') != std::string::npos)
        return name;
    return '"' + name + '"';
}

std::string WriteSpecs(const UnitSpecs& specs) {
    std::string text;
    for (int t = 0; t < kUnitTypes; ++t) {
        const long packed = specs.UnitMaxDamage[t] * 100000L + specs.UnitMinDamage[t] * 10000L +
                            specs.UnitRange[t] * 1000L + specs.UnitCloseBonus[t] * 100L +
                            specs.UnitWallBonus[t] * 10L + specs.UnitWallPenalty[t];
        text += NameItem(specs.UnitName[t]) + ", " + std::to_string(specs.UnitStrength[t]) + ", " +
                std::to_string(specs.UnitCost[t]) + ", " + std::to_string(packed) + "\n";
    }
    return text;
}

bool SameTable(const UnitSpecs& a, const UnitSpecs& b) {
    return a.UnitName == b.UnitName && a.UnitStrength == b.UnitStrength &&
           a.UnitCost == b.UnitCost && a.UnitMaxDamage == b.UnitMaxDamage &&
           a.UnitMinDamage == b.UnitMinDamage && a.UnitRange == b.UnitRange &&
           a.UnitCloseBonus == b.UnitCloseBonus && a.UnitWallBonus == b.UnitWallBonus &&
           a.UnitWallPenalty == b.UnitWallPenalty;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    UnitSpecs specs;
    try {
        specs = ParseSpecs(text, "specs.txt");
    } catch (const Error& error) {
        const std::string_view why = error.what();
        fuzz::Require(why.starts_with("specs.txt, line ") &&
                          why.find(", record ") != std::string_view::npos,
                      "a refusal names the file, the line and the record");
        return 0;
    }
    for (int t = 0; t < kUnitTypes; ++t) {
        fuzz::Require(specs.UnitMinDamage[t] >= 0 && specs.UnitRange[t] >= 0 &&
                          specs.UnitMaxDamage[t] >= 0 && specs.UnitStrength[t] >= 0,
                      "statistics and strengths are never negative");
    }
    const std::string written = WriteSpecs(specs);
    UnitSpecs again;
    try {
        again = ParseSpecs(written, "specs.txt");
    } catch (const Error& error) {
        fuzz::Require(false, std::string("the table written back is refused: ") + error.what());
    }
    fuzz::Require(SameTable(specs, again), "the table written back reads the same");
    return 0;
}
