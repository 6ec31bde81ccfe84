#include "engine/StandardLayout.h"

#include "engine/UnitSpecs.h"
#include "scenario/Options.h"

#include <optional>

namespace marovane {

std::vector<LaidPiece> StandardLayout(const GameDef& def, int width, int height, int players) {
    if (width < 1 || height < 1)
        return {};
    // The board as it fills up; a later piece on a cell replaces an earlier one.
    std::vector<std::optional<LaidPiece>> board(static_cast<size_t>(width) *
                                                static_cast<size_t>(height));
    auto put = [&](Cell own, int type, int player) {
        const Cell at = ToPlayerCorner(own, player, width, height);
        if (at.X < 1 || at.Y < 1 || at.X > width || at.Y > height)
            return;
        board[static_cast<size_t>(at.X - 1) * static_cast<size_t>(height) +
              static_cast<size_t>(at.Y - 1)] = LaidPiece{at, type, player};
    };
    // The last slot first, so player 1's formation is the one that stays where they overlap.
    for (int p = players; p >= 1; --p) {
        for (int x = 1; x <= kHomeCornerSize; ++x) {
            for (int y = 1; y <= kHomeCornerSize; ++y) {
                const int value =
                    def.StartPos[static_cast<size_t>(x - 1)][static_cast<size_t>(y - 1)];
                if (value >= 1 && value <= kUnitTypes)
                    put({x, y}, value - 1, p);
            }
        }
    }
    if (OptionSet(option_bit::Tutorial, def.Options) && players >= 2) {
        // The tutorial gives player 2 three more units at his gate and in front of it (types 6,
        // 9 and 3: light archer, cavalry and infantry), so the first lesson has something to
        // fight. A game without player 2 gets none: nobody could own them.
        put({3, 3}, 6, 2);
        put({3, 4}, 9, 2);
        put({4, 3}, 3, 2);
    }
    std::vector<LaidPiece> pieces;
    for (const auto& piece : board) {
        if (piece)
            pieces.push_back(*piece);
    }
    return pieces;
}

} // namespace marovane
