#include "engine/Game.h"

namespace marovane {

void Game::NextPlayer() {
    if (!GameOn)
        return;
    if (CurrentPlayer > 0) {
        // End of the turn: every unit gets its full moves back and the player's battle
        // memory is forgotten.
        KilledThisTurn = 0;
        for (int x = 1; x <= BoardWidth; ++x) {
            for (int y = 1; y <= BoardHeight; ++y) {
                if (PicNum(x, y) >= 0) {
                    int type = PicNum(x, y) % kUnitTypes;
                    BoardUnit(x, y) =
                        static_cast<int16_t>((BoardUnit(x, y) / 10) * 10 + specs_.Moves(type));
                }
                Seen(x, y, CurrentPlayer) = 0;
            }
        }
    }
    // The next player still in the game; after the last slot the round starts again.
    for (int tries = 0; tries < NumPlayers; ++tries) {
        if (CurrentPlayer == NumPlayers)
            RoundFlag = 0;
        CurrentPlayer = static_cast<int16_t>(CurrentPlayer % NumPlayers + 1);
        if (!PlayerOut[CurrentPlayer])
            break;
    }
    NextUnitIndex = 0;
    HighX = HighY = 0;
    HighOn = false;
    port_.HighlightOff();
    const bool hidden = PlayedRemotely(CurrentPlayer) || HideOpponents;
    port_.SetBoardVisible(!hidden ||
                          (!PlayerComp[CurrentPlayer] && !PlayedRemotely(CurrentPlayer)));
    port_.TurnStarted();
}

} // namespace marovane
