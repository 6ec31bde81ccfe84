#include "cli/StateJson.h"
#include "engine/GameStateFields.h"
#include "engine/HeadlessPort.h"
#include "net/BoardState.h"
#include "savegame/SavedGame.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <random>

namespace marovane {
namespace {

// Every format walks the one field table: a saved game, a board message and the printed state of
// a state with random values in every field they carry must give that state back, field for
// field.
class StateFieldTable : public ::testing::Test {
protected:
    // A four-player game on a 12 x 10 board, then a value of the seed's own in every field that
    // a format carries, each within what a game can hold.
    std::unique_ptr<Game> RandomGame(unsigned seed) {
        auto game = std::make_unique<Game>(specs, port, seed);
        EXPECT_TRUE(game->NewGame(dir.Write("Random", test::PlainDef(12, 10)), test::Humans(4)));
        std::mt19937 random(seed);
        auto number = [&](int low, int high) {
            return static_cast<int16_t>(std::uniform_int_distribution<int>(low, high)(random));
        };
        auto flag = [&] { return number(0, 1) == 1; };
        Game& g = *game;
        g.CurrentPlayer = number(1, 4);
        g.KilledThisTurn = number(0, 40);
        for (int p = 1; p <= kMaxPlayers; ++p) {
            const bool waiting = flag();
            g.KingX[p] = waiting ? number(1, 12) : 0;
            g.KingY[p] = waiting ? number(1, 10) : 0;
            g.QueenX[p] = flag() ? number(1, 12) : -1;
            g.QueenY[p] = g.QueenX[p] > 0 ? number(1, 10) : -1;
            g.Money[p] = number(0, 32767);
            g.PlayerColor[p] = static_cast<Rgb>(random() & 0xFFFFFF);
            g.PlayerResult[p] = number(0, 2);
            g.PlayerComp[p] = flag();
            g.PlayerBias[p] = -static_cast<float>(number(0, 1000)) / 1000.0f;
        }
        g.RoundFlag = flag() ? -1 : 0;
        g.HighOn = flag();
        g.HighX = g.HighOn ? number(1, 12) : 0;
        g.HighY = g.HighOn ? number(1, 10) : 0;
        g.FogOn = flag();
        g.Reward = number(-500, 500);
        g.MaxParty = number(0, 200);
        g.HideOpponents = flag();
        g.NoThinking = flag();
        g.TeamsMode = number(0, 4);
        g.WinCond = {false, flag(), flag()};
        g.LoseCond = {flag(), flag(), flag(), flag()};
        g.NextTurnEnabled = flag();
        return game;
    }

    UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    test::TempDir dir;
};

TEST_F(StateFieldTable, SavedGamesBoardMessagesAndThePrintedStateAgree) {
    for (unsigned seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        auto game = RandomGame(seed);

        // Saved and read back over another game: every saved field, and nothing else, comes back.
        const SavedGame saved = DecodeSavedGame(EncodeSavedGame(*game));
        Game loaded(specs, port, 99);
        loaded.TakeSavedState(saved, saved.Board);
        EXPECT_EQ(test::Snapshot(loaded, carried::SavedFile),
                  test::Snapshot(*game, carried::SavedFile));
        EXPECT_EQ(loaded.SaveFile, "") << "a field no file carries stays the game's own";

        // The printed state is the same for the game and for what its file gave back.
        EXPECT_EQ(GameStateToJson(loaded, {}), GameStateToJson(*game, {}));

        // A board message carries the board and the rows it names.
        const std::string body = net::BoardStateText(*game);
        const net::BoardState received = net::DecodeBoardState(body, 12, 10, 4);
        EXPECT_EQ(received.Player, game->CurrentPlayer);
        GameState sent;
        CopyCarriedFields(game->State(), sent, carried::BoardMessage);
        GameState taken;
        CopyCarriedFields(received, taken, carried::BoardMessage);
        EXPECT_EQ(taken, sent);
        EXPECT_EQ(received.Board, game->Board());
    }
}

} // namespace
} // namespace marovane
