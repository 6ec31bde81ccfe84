#include "session/ScenarioImport.h"

#include "scenario/DefFile.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// An installed program with a tutorial in its read-only folder, and a player who opens
// scenario files from a folder of his own.
class ScenarioImportTest : public ::testing::Test {
protected:
    ScenarioImportTest() { WriteDefFile(program / "Tutorial.def", test::PlainDef(10, 10)); }

    std::vector<std::string> FilesIn(const fs::path& folder) const {
        std::vector<std::string> names;
        if (fs::exists(folder))
            names = ListScenarios(folder);
        return names;
    }

    test::TempDir root;
    test::TempDir downloads;
    fs::path program = root.Path();
    fs::path player = root.Path() / "player";
    ScenarioFolders installed{program, player, false};
};

TEST_F(ScenarioImportTest, ASameNamedScenarioGetsAFreeNameAndNothingIsReplaced) {
    const fs::path other = downloads.Write("Tutorial", test::PlainDef(12, 12));
    const ImportedScenario first = ImportScenario(installed, other);
    EXPECT_TRUE(first.Copied);
    EXPECT_EQ(first.Path, player / "Tutorial (2).def");
    EXPECT_EQ(ReadDefFile(program / "Tutorial.def"), test::PlainDef(10, 10)) << "untouched";
    EXPECT_EQ(installed.List(), (std::vector<std::string>{"Tutorial", "Tutorial (2)"}));

    // The same file again is the copy already there; a third tutorial takes the next name.
    EXPECT_FALSE(ImportScenario(installed, other).Copied);
    EXPECT_EQ(ImportScenario(installed, other).Path, first.Path);
    const fs::path third = downloads.Write("tutorial", test::PlainDef(14, 14));
    EXPECT_EQ(ImportScenario(installed, third).Path.filename(), "tutorial (3).def");
    // A scenario identical to a shipped one is that one.
    const fs::path same = downloads.Write("Tutorial", test::PlainDef(10, 10));
    EXPECT_EQ(ImportScenario(installed, same).Path, program / "Tutorial.def");
    EXPECT_EQ(FilesIn(player), (std::vector<std::string>{"Tutorial (2)", "tutorial (3)"}));
}

TEST_F(ScenarioImportTest, AFileInAScenarioFolderStaysWhereItIs) {
    const ImportedScenario shipped = ImportScenario(installed, program / "Tutorial.def");
    EXPECT_FALSE(shipped.Copied);
    EXPECT_EQ(shipped.Path, program / "Tutorial.def");
    EXPECT_TRUE(FilesIn(player).empty());
}

TEST_F(ScenarioImportTest, ADamagedOrUnplayableOrBadlyNamedFileIsRefusedBeforeAnyCopy) {
    GameDef tiny = test::PlainDef(10, 10);
    tiny.Width = 2;
    GameDef badFormation = test::PlainDef(10, 10);
    badFormation.StartPos[0][0] = 40;
    const std::vector<fs::path> refused = {
        downloads.WriteBytes("Short.def", std::string(100, 'x')), downloads.Write("Tiny", tiny),
        downloads.Write("Formation", badFormation),
        downloads.Write("Old.def", test::PlainDef(10, 10)), // "Old.def.def"
    };
    for (const fs::path& file : refused)
        EXPECT_THROW(ImportScenario(installed, file), Error) << file;
    EXPECT_TRUE(FilesIn(player).empty());
    EXPECT_EQ(FilesIn(program), (std::vector<std::string>{"Tutorial"}));
}

} // namespace
} // namespace marovane
