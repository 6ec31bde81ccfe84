#pragma once

#include "FuzzCheck.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "support/TestGame.h"

#include <cstdlib>

namespace marovane::fuzz {

// The game every input meets: a plain 9 x 8 game of `players` humans, and its saved state, which
// is put back before each input so that inputs do not see each other's effects.
struct RunningGame {
    explicit RunningGame(int players) {
        if (!game.NewGame(folder.Write("Running", test::PlainDef(9, 8)), test::Humans(players)))
            std::abort();
        running = DecodeSavedGame(EncodeSavedGame(game));
    }
    // Puts the running game back as it was made.
    Game& Fresh() {
        RestoreSavedGame(running, game);
        return game;
    }

    test::TempDir folder;
    HeadlessPort port;
    Game game{ShippedSpecs(), port, 1};
    SavedGame running;
};

} // namespace marovane::fuzz
