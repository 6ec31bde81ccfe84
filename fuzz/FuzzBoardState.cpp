// The board a network game hands over: a body that does not fit the game or names an impossible
// board is refused and leaves the game exactly as it was; one that is taken makes a sound board
// that, sent again, gives the same bytes.
//
// The first input byte says whether the board may be for any player (the final board of a game);
// the rest is the message body. With FUZZ_WRITE_SEEDS=FOLDER the target writes seed inputs there.

#include "FuzzCheck.h"
#include "RunningGame.h"
#include "engine/BoardCheck.h"
#include "engine/HeadlessPort.h"
#include "net/BoardState.h"
#include "savegame/SavedGame.h"
#include "support/TestGame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

using namespace marovane;

namespace {

fuzz::RunningGame& TheTable() {
    static fuzz::RunningGame table(3);
    return table;
}

void WriteSeed(const std::filesystem::path& folder, const std::string& name,
               const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* seeds = std::getenv("FUZZ_WRITE_SEEDS");
    if (!seeds)
        return 0;
    Game& game = TheTable().game;
    WriteSeed(seeds, "start", '\0' + net::BoardStateText(game));
    game.Money[2] = 700;
    game.KingX[3] = -1;
    game.KingY[3] = -1;
    WriteSeed(seeds, "final", '\1' + net::BoardStateText(game));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    fuzz::RunningGame& table = TheTable();
    Game& game = table.Fresh();
    const bool anyPlayer = data[0] & 1;
    const std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);

    const test::Snapshot before(game);
    std::string problem;
    if (!net::ApplyBoardState(game, body, &problem, anyPlayer)) {
        fuzz::Require(!problem.empty(), "a refused board is explained");
        fuzz::Require(test::Snapshot(game) == before, "a refused board leaves the game alone");
        return 0;
    }
    fuzz::Require(BoardProblem(game).English().empty(), "a board that was taken holds together");
    const std::string sent = net::BoardStateText(game);
    fuzz::Require(sent.substr(1) == body.substr(1), "a board that was taken is sent the same");
    return 0;
}
