// A program that plays a hot-seat game turn after turn, keeping it at every turn, until it is
// killed. The test that starts it kills it while it writes one of those games.
//
//   autosave_child FOLDER SCENARIO N
//
// After each kept game it prints "kept K", where K is also player 2's money in that game. When
// the file of game N is complete but not yet in place, it prints "writing N" and waits.

#include "engine/HeadlessPort.h"
#include "session/GameSession.h"
#include "support/TestGame.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

std::string blockedName;

} // namespace

// Every file the program writes comes into place through rename (the standard library's
// filesystem calls it). This one stops before the game to be killed in is put in place.
extern "C" int rename(const char* from, const char* to) {
    if (!blockedName.empty() && std::filesystem::path(to).filename() == blockedName) {
        std::cout << "writing " << blockedName << std::endl;
        for (;;)
            pause();
    }
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

int main(int argc, char** argv) {
    using namespace marovane;
    if (argc != 4)
        return 2;
    const int blocked = std::atoi(argv[3]);
    blockedName = "autosave-" + std::to_string(blocked) + ".mvg";
    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    MemorySettings settings;
    GameSession session(specs, port, 1, std::filesystem::path(argv[2]).parent_path(), settings);
    session.SetAutosaveFolder(argv[1]);
    Game& game = session.CurrentGame();
    // The first turn is kept as the game starts, with player 2's money set afterwards; each
    // later turn is kept with the number it has.
    if (!session.StartNewGame(argv[2], test::Humans(2)))
        return 3;
    std::cout << "kept 1" << std::endl;
    for (int k = 2; k < 30000; ++k) {
        game.Money[2] = static_cast<int16_t>(k);
        game.NextPlayer();
        std::cout << "kept " << k << std::endl;
    }
    return 0;
}
