#include "engine/Game.h"

#include "scenario/CastleOutline.h"

namespace marovane {

void Game::DrawCastle(int p) {
    if (IsVacant(p))
        return;
    for (const OutlineSegment& line : CastleOutline(KeepsInForce(), CastlesInForce())) {
        const GridPoint from = ToPlayerCorner(line.From, p, BoardWidth, BoardHeight);
        const GridPoint to = ToPlayerCorner(line.To, p, BoardWidth, BoardHeight);
        view_.DrawLine(from.X, from.Y, to.X, to.Y,
                       line.Role == OutlineRole::Castle ? PlayerColor[p] : colour::Black);
    }
}

} // namespace marovane
