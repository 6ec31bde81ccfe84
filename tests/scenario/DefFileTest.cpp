#include "scenario/DefFile.h"

#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace marovane {
namespace {

TEST(DefFiles, WriteThenReadGivesTheSameRecord) {
    test::TempDir dir;
    GameDef def = test::PlainDef(12, 9);
    fs::path path = dir.Write("Round Trip", def);
    EXPECT_EQ(fs::file_size(path), kGameDefSize);
    EXPECT_EQ(ReadDefFile(path), def);
    // Writing again replaces the file and leaves no temporary file behind.
    def.Treasury = 5;
    WriteDefFile(path, def);
    EXPECT_EQ(ReadDefFile(path).Treasury, 5);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(DefFiles, MissingShortAndLongFiles) {
    test::TempDir dir;
    EXPECT_THROW(ReadDefFile(dir.Path() / "Nowhere.def"), Error);
    EXPECT_THROW(ReadDefFile(dir.Path()), Error) << "a folder is no scenario";
    try {
        ReadDefFile(dir.WriteBytes("Short.def", std::string(100, 'x')));
        FAIL();
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("holds only 100 of the 2060 bytes of a scenario."),
                  std::string::npos);
    }
    auto bytes = ToBytes(test::PlainDef(9, 9));
    std::string longer(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    longer += "trailing bytes are never read";
    EXPECT_EQ(ReadDefFile(dir.WriteBytes("Long.def", longer)).Width, 9);
}

TEST(DefFiles, WritingIntoAMissingFolderFailsWithAMessage) {
    test::TempDir dir;
    EXPECT_THROW(WriteDefFile(dir.Path() / "no" / "such" / "X.def", test::PlainDef(9, 9)), Error);
}

TEST(DefFiles, ListingAndLookupIgnoreCase) {
    test::TempDir dir;
    dir.Write("beta", test::PlainDef(9, 9));
    dir.Write("Alpha", test::PlainDef(9, 9));
    dir.WriteBytes("Gamma.DEF", std::string(kGameDefSize, '\0'));
    dir.WriteBytes("notes.txt", "not a scenario");
    fs::create_directory(dir.Path() / "Folder.def");
    EXPECT_EQ(ListScenarios(dir.Path()), (std::vector<std::string>{"Alpha", "beta", "Gamma"}));

    EXPECT_EQ(FindScenario(dir.Path(), "ALPHA")->filename(), "Alpha.def");
    EXPECT_EQ(FindScenario(dir.Path(), "alpha.DEF")->filename(), "Alpha.def");
    EXPECT_EQ(FindScenario(dir.Path(), "gamma")->filename(), "Gamma.DEF");
    EXPECT_FALSE(FindScenario(dir.Path(), "Delta"));
    EXPECT_FALSE(FindScenario(dir.Path(), "Folder"));
    // A file named "Old.def.def" is the scenario "Old.def".
    dir.WriteBytes("Old.def.def", std::string(kGameDefSize, '\0'));
    EXPECT_EQ(FindScenario(dir.Path(), "old.DEF")->filename(), "Old.def.def");
    EXPECT_EQ(FindScenario(dir.Path(), "Old.def.def")->filename(), "Old.def.def");
    EXPECT_TRUE(ListScenarios(dir.Path() / "missing").empty());
}

TEST(DefFiles, ScenarioNamesDropTheExtension) {
    EXPECT_EQ(ScenarioNameOf("/a/b/Castle Siege.def"), "Castle Siege");
    EXPECT_EQ(ScenarioNameOf("Tutorial.DEF"), "Tutorial");
}

} // namespace
} // namespace marovane
