#pragma once

#include "engine/UnitSpecs.h"

namespace marovane {

// The picture number of a piece: (owner - 1) * 15 + type, 0..59. It also picks the piece's
// picture from a unit picture strip.
constexpr int PictureNumber(int owner, int type) {
    return (owner - 1) * kUnitTypes + type;
}

// What stands on a cell, read from its picture number (-1 when the cell shows nothing) and its
// strength code (hit points * 10 + moves left; a unit exists only while the code is above 0).
struct Piece {
    int Owner = 0; // 1..4; 0 when the cell shows no piece
    int Type = -1; // 0..14; -1 when the cell shows no piece
    int HitPoints = 0;
    int MovesLeft = 0;

    // The cell shows no piece.
    bool Empty() const { return Type < 0; }
    // A piece stands there with its strength (a type without hit points leaves only its picture
    // once it has used its moves).
    bool Alive() const { return !Empty() && HitPoints * 10 + MovesLeft > 0; }
    bool operator==(const Piece&) const = default;
};

// Without a strength code only the owner and the type are known: a picture tells them alone.
constexpr Piece DecodePiece(int picture, int code = 0) {
    Piece piece;
    if (picture >= 0) {
        piece.Owner = picture / kUnitTypes + 1;
        piece.Type = picture % kUnitTypes;
    }
    piece.HitPoints = code / 10;
    piece.MovesLeft = code % 10;
    return piece;
}

} // namespace marovane
