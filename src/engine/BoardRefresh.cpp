#include "engine/Game.h"

#include <algorithm>

namespace marovane {

void Game::MarkPartyArea(int p) {
    const uint8_t bit = static_cast<uint8_t>(1u << p);
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            const Piece piece = PieceAt(x, y);
            if (piece.Owner != p || piece.Type == unit_type::Wall)
                continue;
            for (int i = x - 1; i <= x + 1; ++i) {
                for (int j = y - 1; j <= y + 1; ++j) {
                    if (OnBoard(i, j))
                        BoardMark(i, j) |= bit;
                }
            }
        }
    }
}

void Game::ReleaseCaptives() {
    // A captive King or Queen joins its owner once one of his units has come next to it (the
    // cell is marked as explored by him) and nothing stands on the cell. A player who is out
    // has nobody left to join: his captives stay where they wait.
    for (int p = 1; p <= NumPlayers; ++p) {
        if (PlayerOut[p])
            continue;
        const uint8_t bit = static_cast<uint8_t>(1u << p);
        auto release = [&](int16_t& cx, int16_t& cy, int type) {
            if (cx < 1 || !OnBoard(cx, cy))
                return;
            if ((BoardMark(cx, cy) & bit) && PicNum(cx, cy) == -1) {
                PlaceUnit(cx, cy, type, p);
                Publish(game_event::Freed{p, type, Cell{cx, cy}});
                cx = cy = -1;
            }
        };
        release(KingX[p], KingY[p], unit_type::King);
        release(QueenX[p], QueenY[p], unit_type::Queen);
    }
}

std::vector<uint8_t> Game::SightOf(int p) const {
    const int w = BoardWidth, h = BoardHeight;
    // One byte per cell: 2r + 1 for an own unit that sees r cells around it, 1 for a cell that
    // is seen in any case. After the spread only bit 0 (seen) is left.
    std::vector<uint8_t> sight(static_cast<size_t>(w) * h, 0);
    auto at = [&](int x, int y) -> uint8_t& {
        return sight[static_cast<size_t>(y - 1) * w + (x - 1)];
    };
    const bool player = p >= 1 && p <= NumPlayers;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            const Piece piece = PieceAt(x, y);
            if (!piece.Alive())
                continue;
            const int type = piece.Type;
            if (player && piece.Owner == p) {
                int r = std::max<int>(specs_.UnitRange[type], specs_.Moves(type));
                int byte = std::max(0, std::min(2 * r + 1, 255));
                // Sight is cut to 3 cells, or 4 from the height of a castle wall.
                if (byte >= 8)
                    byte = InCastle(x, y) == castle_cell::Wall ? 8 : 6;
                at(x, y) = static_cast<uint8_t>(byte);
            } else if (type == unit_type::King || type == unit_type::Queen) {
                at(x, y) = 1; // royals are always in view
            }
        }
    }
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            const int r = at(x, y) / 2;
            if (r > 0) {
                for (int i = std::max(1, x - r); i <= std::min(w, x + r); ++i) {
                    for (int j = std::max(1, y - r); j <= std::min(h, y + r); ++j)
                        at(i, j) |= 1;
                }
            }
            at(x, y) &= 1;
        }
    }
    if (player) {
        // The player's own castle and keep are always in view.
        const int n = 4 - 2 * (CastlesInForce() ? 0 : 1) - 2 * (KeepsInForce() ? 0 : 1);
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                int x = GetX(i, p), y = GetY(j, p);
                if (OnBoard(x, y))
                    at(x, y) = 1;
            }
        }
        // So are the cells he explored this turn, and those a fight gave away to him since.
        for (int x = 1; x <= w; ++x) {
            for (int y = 1; y <= h; ++y)
                at(x, y) |= Seen(x, y, p) != 0;
        }
    }
    return sight;
}

void Game::ComputeSight() {
    visible_ = SightOf(CurrentPlayer);
}

void Game::Update() {
    ReleaseCaptives();
    if (FogOn)
        ComputeSight();
    else
        std::fill(visible_.begin(), visible_.end(), 1);
    view_.BoardRefreshed();
}

void Game::Highlight(int x, int y, Rgb colour) {
    if (HighOn)
        HighlightOff();
    HighX = static_cast<int16_t>(x);
    HighY = static_cast<int16_t>(y);
    if (OnBoard(x, y) && Visible(x, y)) {
        HighOn = true;
        view_.Highlight(x, y, colour);
    }
}

void Game::HighlightOff() {
    view_.HighlightOff();
    HighX = HighY = 0;
    HighOn = false;
}

void Game::Pause(double seconds) {
    if (view_.BoardVisible() && !NoThinking)
        scheduler_.Wait(seconds);
}

} // namespace marovane
