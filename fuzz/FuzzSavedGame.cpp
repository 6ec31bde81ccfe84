// The saved game: loading any bytes either replaces the running game by a sound one, or is
// refused with "Invalid save file." and leaves the game exactly as it was. A game that was
// loaded saves again to the bytes it was loaded from (but for the layout guard, which is always
// written as False), and those load again to the same game.

#include "FuzzCheck.h"
#include "RunningGame.h"
#include "engine/BoardCheck.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace marovane;

namespace {

// The layout guard sits before the last seventeen 16-bit values of a saved game.
constexpr size_t kGuardFromEnd = 36;

fuzz::RunningGame& TheTable() {
    static fuzz::RunningGame table(3);
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::RunningGame& table = TheTable();
    Game& game = table.Fresh();

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const test::Snapshot before(game);
    try {
        // As LoadGame does after reading the file: everything is checked before the game changes.
        RestoreSavedGame(CheckSavedGame(bytes, game.Specs()), game);
    } catch (const Error& error) {
        fuzz::Require(std::string_view(error.what()).starts_with(kInvalidSaveFile),
                      "a refusal says the file is invalid");
        fuzz::Require(test::Snapshot(game) == before, "a refused file leaves the game alone");
        return 0;
    }
    fuzz::Require(BoardProblem(game).English().empty(), "a loaded board holds together");
    std::string saved;
    try {
        saved = EncodeSavedGame(game);
    } catch (const Error& error) {
        fuzz::Require(false, std::string("a loaded game cannot be saved: ") + error.what());
    }
    fuzz::Require(saved.size() <= size, "a loaded game saves no longer than it was read");
    std::string expected = bytes.substr(0, saved.size());
    expected[saved.size() - kGuardFromEnd] = 0;
    expected[saved.size() - kGuardFromEnd + 1] = 0;
    fuzz::Require(saved == expected, "a loaded game saves to the bytes it came from");
    const test::Snapshot loaded(game);
    RestoreSavedGame(CheckSavedGame(saved, game.Specs()), game);
    fuzz::Require(test::Snapshot(game) == loaded, "a saved game loads again the same");
    return 0;
}
