#pragma once

#include "scenario/GameDef.h"
#include "util/Text.h"

#include <cstdint>
#include <string>

namespace marovane {

// Bits of a scenario's Options word.
namespace option_bit {
inline constexpr int LoseKeep = 0;     // defeat when the castle is taken
inline constexpr int LoseRoyalty = 1;  // defeat when King and Queen are lost
inline constexpr int LoseConquest = 2; // defeat when conquered
inline constexpr int WinConquest = 4;
inline constexpr int WinRoyalty = 5;
inline constexpr int Fog = 6;
inline constexpr int Castle = 7;
inline constexpr int Royalty = 8; // captive Kings and Queens; mirrors UnitsAllowed bit 9
inline constexpr int NoKeep = 9;  // the only inverted bit: set means keeps are NOT used
inline constexpr int Advanced = 10;
inline constexpr int BuiltIn = 13;
inline constexpr int Tutorial = 14;
} // namespace option_bit

// Bits of a scenario's UnitsAllowed word, one per family.
namespace unit_bit {
inline constexpr int Peasant = 0;
inline constexpr int Priest = 1;
inline constexpr int Catapult = 2;
inline constexpr int Cavalry = 3;
inline constexpr int Infantry = 4;
inline constexpr int Archer = 5;
inline constexpr int LightArmor = 6;
inline constexpr int MediumArmor = 7;
inline constexpr int HeavyArmor = 8;
inline constexpr int Royalty = 9;
} // namespace unit_bit

// Whether the option is in force. Bit 9 answers the opposite, as a set bit means "no keeps".
bool OptionSet(int bit, int16_t mask);

int16_t ToggleBit(int16_t mask, int bit);

// Whether type t may be bought or placed: every family bit that concerns it must be set. The wall
// piece is never allowed.
bool UnitAllowed(int type, int16_t mask);

// Whether the scenario allows team arrangement `mode` (0 Free for All .. 4 Diagonals).
bool TeamsAllowedBy(const GameDef& def, int mode);

// Whether the scenario lets the computer take over player p's slot from a human: both kinds
// must be allowed there.
bool ComputerMayTakeOver(const GameDef& def, int p);

// The captions of the effect codes of a scenario's extra options, 0..12.
// The English caption is also the word the scenario source format uses for the code.
const char* OptionTypeCaption(int type);
// The caption as the player reads it.
Text OptionTypeCaptionText(int type);

// Applies extra option n (1 or 2) of the definition, or undoes it when chosen is false. Throws
// marovane::Error and leaves the definition unchanged when a value would leave the 16-bit range.
void ApplyOption(int n, GameDef& def, bool chosen);

// Money as shown to the player: "200" followed by the currency sign (Latin-1 byte 164).
std::string FormatMoney(int amount);

// The larger of the two; b when they are equal.
inline int16_t Max(int16_t a, int16_t b) {
    return a > b ? a : b;
}

// a + b, or a marovane::Error naming what would overflow when the sum leaves the 16-bit range.
int16_t CheckedAdd(int16_t a, int b, const Text& what);
int16_t CheckedAdd(int16_t a, int b, const std::string& what);

} // namespace marovane
