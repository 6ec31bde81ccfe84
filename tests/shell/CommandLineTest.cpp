#include "shell/CommandLine.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

struct LineCase {
    const char* Name;
    QStringList Words;
    QString File;
    StartFileKind Kind;
};

void PrintTo(const LineCase& line, std::ostream* out) {
    *out << line.Name;
}

class CommandLineRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineRule, NamesTheFileAndItsKind) {
    const LineCase& line = GetParam();
    const CommandLine parsed = ParseCommandLine(line.Words);
    EXPECT_EQ(parsed.File, line.File);
    EXPECT_EQ(KindOfStartFile(parsed.File), line.Kind);
    EXPECT_TRUE(parsed.Problem.isEmpty()) << parsed.Problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Starts, CommandLineRule,
    ::testing::Values(
        LineCase{"nothing", {}, "", StartFileKind::None},
        LineCase{"quoted path with a space",
                 {"\"/home/ann/My Maps/Long Siege.def\""},
                 "/home/ann/My Maps/Long Siege.def",
                 StartFileKind::Scenario},
        LineCase{"switch before a saved game",
                 {"-x", "saved.mvg"},
                 "saved.mvg",
                 StartFileKind::SavedGame},
        LineCase{
            "upper-case MVG", {"/saves/GAME.MVG"}, "/saves/GAME.MVG", StartFileKind::SavedGame},
        LineCase{"mixed-case def", {"maps/Border.Def"}, "maps/Border.Def", StartFileKind::Scenario},
        LineCase{"text file", {"notes.txt"}, "notes.txt", StartFileKind::Invalid},
        LineCase{"switches with values are not the file",
                 {"--data", "/opt/game", "--seed", "12", "--players", "Human,Computer", "a.def"},
                 "a.def",
                 StartFileKind::Scenario},
        LineCase{"only the first file counts",
                 {"one.mvg", "two.def"},
                 "one.mvg",
                 StartFileKind::SavedGame}),
    [](const auto& info) {
        std::string name = info.param.Name;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(CommandLine, SwitchesKeepTheirValuesGivenEitherWay) {
    const CommandLine line =
        ParseCommandLine({"--data=/opt/game", "--seed", "42", "--players=Human,Computer"});
    EXPECT_EQ(line.DataDir, "/opt/game");
    ASSERT_TRUE(line.Seed.has_value());
    EXPECT_EQ(*line.Seed, 42u);
    EXPECT_EQ(line.Players, "Human,Computer");
    EXPECT_TRUE(line.File.isEmpty());
}

TEST(CommandLine, AMissingOrUnreadableValueIsNamed) {
    EXPECT_EQ(ParseCommandLine({"--data"}).Problem, "The switch --data needs a value.");
    const CommandLine seed = ParseCommandLine({"--seed", "soon", "game.mvg"});
    EXPECT_EQ(seed.Problem, "The seed must be a whole number, not \"soon\".");
    EXPECT_FALSE(seed.Seed.has_value());
    EXPECT_EQ(seed.File, "game.mvg") << "the file still opens";
}

} // namespace
} // namespace marovane
