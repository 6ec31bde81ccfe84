#pragma once

#include "scenario/UnitTypes.h"

namespace marovane {

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
        piece.Owner = PictureOwner(picture);
        piece.Type = PictureType(picture);
    }
    piece.HitPoints = code / 10;
    piece.MovesLeft = code % 10;
    return piece;
}

} // namespace marovane
