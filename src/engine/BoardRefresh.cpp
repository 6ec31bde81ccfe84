#include "engine/Game.h"

namespace marovane {

void Game::MarkPartyArea(int p) {
    const uint8_t bit = static_cast<uint8_t>(1u << p);
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            int picture = PicNum(x, y);
            if (picture < 0 || picture / kUnitTypes + 1 != p ||
                picture % kUnitTypes == unit_type::Wall)
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
    // cell is marked as explored by him) and nothing stands on the cell.
    for (int p = 1; p <= NumPlayers; ++p) {
        const uint8_t bit = static_cast<uint8_t>(1u << p);
        auto release = [&](int16_t& cx, int16_t& cy, int type) {
            if (cx < 1 || !OnBoard(cx, cy))
                return;
            if ((BoardMark(cx, cy) & bit) && PicNum(cx, cy) == -1) {
                PlaceUnit(cx, cy, type, p);
                cx = cy = -1;
            }
        };
        release(KingX[p], KingY[p], unit_type::King);
        release(QueenX[p], QueenY[p], unit_type::Queen);
    }
}

void Game::Update() {
    ReleaseCaptives();
}

} // namespace marovane
