// The scenario record: any 2060 bytes are a record, which written back gives the same bytes and
// read from a file is the same. A new game from any file either starts with a sound board
// that can be saved, or is refused and leaves the game that was running exactly as it was.
//
// Bytes past the record are not read by the game; here the first of them chooses the number of
// players (1..4), the option boxes ticked and the teams; the second, when there is one, who
// plays each slot (a human, the computer, an immobile player, or nobody); the third whether the
// first player resigns and whether another loses, so that every kind of vacant slot is met.

#include "FuzzCheck.h"
#include "RunningGame.h"
#include "engine/BoardCheck.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace fs = std::filesystem;
using namespace marovane;

namespace {

fuzz::RunningGame& TheTable() {
    static fuzz::RunningGame table(2);
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::RunningGame& table = TheTable();
    Game& game = table.Fresh();
    game.Rng().Seed(1);
    table.port.Messages.clear();

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const fs::path file = table.folder.WriteBytes("Fuzzed.def", bytes);
    if (size >= kGameDefSize) {
        const GameDef def = FromBytes(std::span(data, kGameDefSize));
        const auto written = ToBytes(def);
        fuzz::Require(std::memcmp(written.data(), data, kGameDefSize) == 0,
                      "a record written back gives the same bytes");
        fuzz::Require(ReadDefFile(file) == def, "a record read from its file is the same");
    } else {
        bool refused = false;
        try {
            ReadDefFile(file);
        } catch (const Error&) {
            refused = true;
        }
        fuzz::Require(refused, "a short file is refused");
    }

    NewGameSetup setup = test::Humans(2);
    if (size > kGameDefSize) {
        const uint8_t choice = data[kGameDefSize];
        setup = test::Humans(choice % 4 + 1);
        setup.OptionTicked = {(choice & 4) != 0, (choice & 8) != 0};
        setup.TeamsMode = (choice >> 4) % 5;
    }
    if (size > kGameDefSize + 1) {
        static constexpr SlotKind kKinds[] = {SlotKind::Human, SlotKind::Computer,
                                              SlotKind::Immobile, SlotKind::None};
        const uint8_t kinds = data[kGameDefSize + 1];
        for (size_t slot = 0; slot < setup.Slots.size(); ++slot)
            setup.Slots[slot] = kKinds[(kinds >> (2 * slot)) & 3];
    }
    const test::Snapshot before(game);
    if (!game.NewGame(file, setup)) {
        fuzz::Require(test::Snapshot(game) == before, "a refused scenario leaves the game alone");
        fuzz::Require(!table.port.Messages.empty(), "a refused scenario is explained");
        return 0;
    }
    if (size > kGameDefSize + 2) {
        const uint8_t ending = data[kGameDefSize + 2];
        if (ending & 1)
            game.Resign();
        if (ending & 2) {
            game.LoseCond[1] = true;
            game.Lose((ending >> 2) % game.NumPlayers + 1, -1);
        }
    }
    const std::string problem = BoardProblem(game).English();
    fuzz::Require(problem.empty(), "a new game's board holds together: " + problem);
    try {
        CheckSavedGame(EncodeSavedGame(game), game.Specs());
    } catch (const Error& error) {
        fuzz::Require(false, std::string("a new game cannot be saved and loaded: ") + error.what());
    }
    return 0;
}
