#include "session/GameSession.h"

#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class AutosaveTest : public ::testing::Test {
protected:
    AutosaveTest() : session(specs, port, 5, dir.Path(), settings) {
        session.SetAutosaveFolder(folder);
    }

    void Start(int width = 10) {
        ASSERT_TRUE(
            session.StartNewGame(dir.Write("Kept", test::PlainDef(width, width)), test::Humans(2)));
    }
    Game& game() { return session.CurrentGame(); }

    UnitSpecs specs = test::TestSpecs();
    test::TempDir dir;
    fs::path folder = dir.Path() / "autosaves";
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

TEST_F(AutosaveTest, EveryHumanTurnIsKeptAndTheLastThreeStay) {
    Start();
    ASSERT_EQ(session.AutosaveFiles().size(), 1u) << "the first turn is kept as the game starts";
    std::vector<std::string> kept{EncodeSavedGame(game())};
    for (int turn = 2; turn <= 5; ++turn) {
        game().Money[1] = static_cast<int16_t>(turn); // tells the turns apart
        game().NextPlayer();
        kept.push_back(EncodeSavedGame(game()));
    }
    const std::vector<fs::path> files = session.AutosaveFiles();
    ASSERT_EQ(files.size(), 3u);
    for (size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(FileBytes(files[i]), kept[kept.size() - 1 - i]) << files[i];

    // A game played over the network is not kept.
    game().Role = NetworkRole::Host;
    game().NextPlayer();
    EXPECT_EQ(session.AutosaveFiles().front(), files.front());
    game().Role = NetworkRole::Local;

    // Resuming brings back the newest, as a game without a file of its own.
    game().Money[1] = 999;
    ASSERT_TRUE(session.ResumeLastGame());
    EXPECT_EQ(EncodeSavedGame(game()), kept.back());
    EXPECT_TRUE(game().SaveFile.empty());
    EXPECT_TRUE(port.Messages.empty());
}

TEST_F(AutosaveTest, ADamagedNewestIsPassedOverForTheOneBeforeWithAMessage) {
    Start();
    std::vector<std::string> kept{EncodeSavedGame(game())};
    for (int turn = 2; turn <= 3; ++turn) {
        game().NextPlayer();
        kept.push_back(EncodeSavedGame(game()));
    }
    Start(12); // another game, kept too, is running
    const fs::path newest = session.AutosaveFiles().front();
    std::string bytes = FileBytes(newest);
    bytes.resize(bytes.size() / 2);
    std::ofstream(newest, std::ios::binary | std::ios::trunc) << bytes;

    port.Messages.clear();
    ASSERT_TRUE(session.ResumeLastGame());
    EXPECT_EQ(EncodeSavedGame(game()), kept[2]);
    ASSERT_EQ(port.Messages.size(), 1u);
    EXPECT_NE(port.Messages[0].find(newest.filename().string()), std::string::npos);
    EXPECT_NE(port.Messages[0].find("damaged"), std::string::npos);

    // With every kept game damaged, the running game stays as it was.
    for (const fs::path& file : session.AutosaveFiles())
        std::ofstream(file, std::ios::binary | std::ios::trunc) << "MVG";
    const std::string running = EncodeSavedGame(game());
    port.Messages.clear();
    EXPECT_FALSE(session.ResumeLastGame());
    EXPECT_EQ(EncodeSavedGame(game()), running);
    EXPECT_EQ(port.Messages.size(), 4u) << "three passed over, then that none is left";
}

TEST_F(AutosaveTest, AProgramKilledWhileKeepingAGameResumesFromThePreviousOne) {
    const fs::path scenario = dir.Write("Killed", test::PlainDef(10, 10));
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(AUTOSAVE_CHILD, AUTOSAVE_CHILD, folder.c_str(), scenario.c_str(), "5",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // Read what the child says until it is writing game 5; give up after half a minute.
    std::string said;
    bool writing = false;
    for (int waited = 0; !writing && waited < 300;) {
        pollfd ready{out[0], POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0) {
            ++waited;
            continue;
        }
        char buffer[256];
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        said.append(buffer, static_cast<size_t>(got));
        writing = said.find("writing autosave-5.mvg") != std::string::npos;
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(out[0]);
    ASSERT_TRUE(writing) << "the child said: " << said;
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_NE(said.find("kept 4"), std::string::npos);

    // The half-done game is a temporary file beside the others, never one of them.
    bool leftover = false;
    for (const auto& entry : fs::directory_iterator(folder))
        leftover = leftover || entry.path().extension() == ".tmp";
    EXPECT_TRUE(leftover) << "the kill came while a game was being written";
    EXPECT_FALSE(fs::exists(folder / "autosave-5.mvg"));
    const std::vector<fs::path> files = session.AutosaveFiles();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].filename(), "autosave-4.mvg");

    ASSERT_TRUE(session.ResumeLastGame());
    EXPECT_TRUE(port.Messages.empty()) << port.Messages.front();
    EXPECT_EQ(game().Money[2], 4) << "the game kept before the killed write";
    EXPECT_TRUE(game().GameOn);
}

TEST_F(AutosaveTest, RecentFilesListTheLastFiveOpenedAndDropThoseGone) {
    Start();
    std::vector<fs::path> saved;
    for (int i = 0; i < 6; ++i) {
        saved.push_back(dir.Path() / ("game" + std::to_string(i) + ".mvg"));
        session.Save(saved.back());
    }
    session.Load(saved[2]); // opened again: to the top, once
    std::vector<fs::path> recent = session.RecentFiles();
    ASSERT_EQ(recent.size(), 5u);
    EXPECT_EQ(recent[0], saved[2]);
    EXPECT_EQ(recent[1], saved[5]);
    EXPECT_EQ(recent[4], saved[1]);

    fs::remove(saved[5]);
    recent = session.RecentFiles();
    ASSERT_EQ(recent.size(), 4u);
    EXPECT_EQ(recent[1], saved[4]);
    EXPECT_EQ(settings.Values["Recent File 5"], "") << "the gone file is forgotten";

    // A scenario started counts; a resumed autosave does not.
    Start();
    EXPECT_EQ(session.RecentFiles()[0], dir.Path() / "Kept.def");
    ASSERT_TRUE(session.ResumeLastGame());
    EXPECT_EQ(session.RecentFiles()[0], dir.Path() / "Kept.def");
}

} // namespace
} // namespace marovane
