// A saved game and a scenario are written over an older file, and the writing program dies at
// every point of the write. The older file is intact until the new one is complete; afterwards
// the new one is there whole. No point leaves a mixture under the file's name.

#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace marovane {
namespace {

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs the child to write `kind` over `target`, dying at `point`; answers its wait status.
int RunChild(const std::string& kind, const fs::path& target, const std::string& point) {
    const pid_t child = fork();
    if (child == 0) {
        execl(INTERRUPTED_WRITE_CHILD, INTERRUPTED_WRITE_CHILD, kind.c_str(), target.c_str(),
              point.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

bool IsTemporary(const std::string& name) {
    return name.starts_with(".") && name.ends_with(".tmp");
}

// The names in the folder that are not hidden temporary files or the child's own scenario.
std::vector<std::string> VisibleFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!IsTemporary(name) && name != "source")
            names.push_back(name);
    }
    return names;
}

bool HasTemporary(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (IsTemporary(entry.path().filename().string()))
            return true;
    }
    return false;
}

struct Case {
    std::string Kind;
    std::string FileName;
    std::string OldContent;
};

void KillAtEveryPoint(const Case& c) {
    test::TempDir reference;
    // 0 also says that the file was synced before the rename and the folder after it.
    ASSERT_EQ(RunChild(c.Kind, reference.Path() / c.FileName, "none"), 0);
    const std::string newContent = FileBytes(reference.Path() / c.FileName);
    ASSERT_GT(newContent.size(), 100u);
    ASSERT_NE(newContent, c.OldContent);

    const size_t size = newContent.size();
    std::vector<std::string> points = {"open",   "created", "written", "synced",
                                       "closed", "rename",  "renamed"};
    for (size_t n : {size_t{1}, size_t{100}, size / 2, size - 1})
        points.push_back("bytes:" + std::to_string(n));
    for (const std::string& point : points) {
        SCOPED_TRACE(c.Kind + " killed at " + point);
        test::TempDir folder;
        const fs::path target = folder.Path() / c.FileName;
        std::ofstream(target, std::ios::binary) << c.OldContent;

        const int status = RunChild(c.Kind, target, point);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
        EXPECT_EQ(VisibleFiles(folder.Path()), std::vector<std::string>{c.FileName});
        EXPECT_EQ(HasTemporary(folder.Path()), point != "open" && point != "renamed")
            << "the child died while the temporary file was there";
        const std::string now = FileBytes(target);
        if (point == "renamed")
            EXPECT_TRUE(now == newContent) << "the new file is in place whole";
        else
            EXPECT_TRUE(now == c.OldContent) << "the old file is intact";

        // The next write in the same folder goes through, whatever was left behind.
        ASSERT_EQ(RunChild(c.Kind, target, "none"), 0);
        EXPECT_TRUE(FileBytes(target) == newContent);
    }
}

TEST(InterruptedWrite, ASavedGameIsEitherTheOldOrTheNewNeverAMixture) {
    const UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game(specs, port, 1);
    test::TempDir dir;
    ASSERT_TRUE(game.NewGame(dir.Write("Old", test::PlainDef(10, 10)), test::Humans(2)));
    const std::string old = EncodeSavedGame(game);
    KillAtEveryPoint({"save", "game.mvg", old});

    // The old game that survived is still a game the program loads.
    test::TempDir folder;
    const fs::path target = folder.Path() / "game.mvg";
    std::ofstream(target, std::ios::binary) << old;
    ASSERT_TRUE(WIFSIGNALED(RunChild("save", target, "bytes:100")));
    EXPECT_EQ(ReadSavedGame(target, specs).Board, game.Board());
}

TEST(InterruptedWrite, AFailedCloseIsReportedAndLeavesTheOldFile) {
    test::TempDir folder;
    const fs::path target = folder.Path() / "Battle.def";
    std::ofstream(target, std::ios::binary) << "old";
    const int status = RunChild("scenario", target, "close-fails");
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 16) << "15: the write reported success";
    EXPECT_EQ(FileBytes(target), "old");
    EXPECT_FALSE(HasTemporary(folder.Path()));
}

TEST(InterruptedWrite, AScenarioIsEitherTheOldOrTheNewNeverAMixture) {
    GameDef old = test::PlainDef(8, 8);
    SetText(old.Description, "The old content of the scenario.");
    const auto bytes = ToBytes(old);
    KillAtEveryPoint({"scenario", "Battle.def", std::string(bytes.begin(), bytes.end())});

    // The folder lists the one scenario and reads the old one, whatever the killed write left.
    test::TempDir folder;
    WriteDefFile(folder.Path() / "Battle.def", old);
    ASSERT_TRUE(WIFSIGNALED(RunChild("scenario", folder.Path() / "Battle.def", "closed")));
    EXPECT_EQ(ListScenarios(folder.Path()), std::vector<std::string>{"Battle"});
    EXPECT_EQ(ReadDefFile(folder.Path() / "Battle.def"), old);
}

} // namespace
} // namespace marovane
