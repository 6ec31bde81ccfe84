#include "engine/Game.h"

#include "scenario/Options.h"

namespace marovane {

void Game::SetLine(double x1, double y1, double x2, double y2, Rgb colour, int p) {
    // Corner coordinates mirror like cells but without the +1: a player's frame starts at his
    // own corner of the board.
    if (p == 2 || p == 4) {
        x1 = BoardWidth - x1;
        x2 = BoardWidth - x2;
    }
    if (p == 2 || p == 3) {
        y1 = BoardHeight - y1;
        y2 = BoardHeight - y2;
    }
    view_.DrawLine(x1, y1, x2, y2, colour);
}

void Game::DrawCastle(int p) {
    if (IsVacant(p))
        return;
    constexpr Rgb kBlack = 0x000000;
    const bool keeps = OptionSet(option_bit::NoKeep, Def.Options);
    const bool castles = OptionSet(option_bit::Castle, Def.Options);
    if (keeps) {
        SetLine(1, 1, 1, 0, kBlack, p);
        SetLine(1, 1, 0, 1, kBlack, p);
    }
    if (castles) {
        // The outer walls, the two wall stubs beside the gate, and the inner walls.
        const Rgb colour = PlayerColor[p];
        SetLine(0, 0, 3, 0, colour, p);
        SetLine(0, 0, 0, 3, colour, p);
        SetLine(3, 2.2, 3, 0, colour, p);
        SetLine(2.2, 3, 0, 3, colour, p);
        SetLine(2, 1.5, 2, 0, colour, p);
        SetLine(1.5, 2, 0, 2, colour, p);
    } else if (keeps) {
        SetLine(0, 0, 1, 0, kBlack, p);
        SetLine(0, 0, 0, 1, kBlack, p);
    }
}

} // namespace marovane
