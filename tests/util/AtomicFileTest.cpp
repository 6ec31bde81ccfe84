#include "util/AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace marovane {
namespace {

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "atomic-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Everything in the folder, so a left-over temporary file shows.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

TEST_F(AtomicFile, AReplacedFileKeepsItsPermissions) {
    const fs::path file = folder_ / "game.mvg";
    std::ofstream(file) << "old";
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    WriteFileAtomically(file, "new");
    struct stat status {};
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(Read(file), "new");
}

TEST_F(AtomicFile, ALinkIsWrittenThroughAndStaysALink) {
    fs::create_directory(folder_ / "real");
    const fs::path real = folder_ / "real" / "game.mvg";
    std::ofstream(real) << "old";
    // A relative link, and a link to it: both lead to the same file.
    fs::create_symlink("real/game.mvg", folder_ / "link.mvg");
    fs::create_symlink("link.mvg", folder_ / "chain.mvg");
    WriteFileAtomically(folder_ / "chain.mvg", "new");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "chain.mvg")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "link.mvg")));
    EXPECT_EQ(Read(real), "new");
    EXPECT_EQ(Names(), (std::vector<std::string>{"chain.mvg", "link.mvg", "real"}));

    // A link to a file that does not exist yet makes that file.
    fs::create_symlink("real/new.def", folder_ / "dangling.def");
    WriteFileAtomically(folder_ / "dangling.def", "made");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "dangling.def")));
    EXPECT_EQ(Read(folder_ / "real" / "new.def"), "made");
}

TEST_F(AtomicFile, AFolderThatCannotBeWrittenLeavesNothingAndSaysWhichFile) {
    const fs::path file = folder_ / "missing" / "game.mvg";
    try {
        WriteFileAtomically(file, "new");
        FAIL() << "a write into a missing folder must fail";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos);
    }
    EXPECT_TRUE(Names().empty());

    // A loop of links is refused rather than followed for ever.
    fs::create_symlink("b", folder_ / "a");
    fs::create_symlink("a", folder_ / "b");
    EXPECT_ANY_THROW(WriteFileAtomically(folder_ / "a", "new"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace marovane
