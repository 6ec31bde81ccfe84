#pragma once

namespace marovane {

// Every player has the same fifteen unit types, 0..14. Scenarios name them in formations and
// placements, the rules in every piece on the board.
inline constexpr int kUnitTypes = 15;
// Pictures count the types of player 1, then those of player 2, and so on: 60 for four players.
inline constexpr int kUnitPictures = 4 * kUnitTypes;

// Unit types with fixed roles in the rules, whatever the unit table names them.
namespace unit_type {
inline constexpr int Peasant = 0;  // repairs his own team's wall pieces
inline constexpr int Priest = 1;   // heals team-mates
inline constexpr int Catapult = 2; // shoots out of a castle
inline constexpr int FirstFighter = 3;
inline constexpr int FirstCavalry = 9;
inline constexpr int LastFighter = 11;
inline constexpr int King = 12;
inline constexpr int Queen = 13;
inline constexpr int Wall = 14;
} // namespace unit_type

constexpr bool ValidUnitType(int type) {
    return type >= 0 && type < kUnitTypes;
}

// The picture number of a piece: (owner - 1) * 15 + type, 0..59. It also picks the piece's
// picture from a unit picture strip.
constexpr int PictureNumber(int owner, int type) {
    return (owner - 1) * kUnitTypes + type;
}
constexpr int PictureOwner(int picture) {
    return picture / kUnitTypes + 1;
}
constexpr int PictureType(int picture) {
    return picture % kUnitTypes;
}

} // namespace marovane
