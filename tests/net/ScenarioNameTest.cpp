#include "scenario/ScenarioName.h"
#include "net/GuestLobby.h"
#include "scenario/DefFile.h"
#include "scenario/ScenarioEditorModel.h"
#include "scenario/ScenarioFiles.h"
#include "session/ScenarioImport.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

// One name given four ways: typed as a new scenario's title, typed into Rename, as the name of a
// file opened from elsewhere, and sent as the host's name with a scenario the guest keeps. Title,
// Rename and the copy must agree, and whatever name a scenario ends up with must be found again
// and saved again by the editor.
struct NameCase {
    const char* Given;
    const char* Stored;   // what title and rename store, or nullptr when both refuse
    const char* Received; // the name the guest keeps the host's scenario under
};

const NameCase kNames[] = {
    {"Siege of the North", "Siege of the North", "Game on Siege of the North"},
    {"  Border Run\t", "Border Run", "Game on   Border Run"},
    {"Ωmega Ünï", "Ωmega Ünï", "Game on mega n"},
    {"v1.2 (final)", "v1.2 (final)", "Game on v12 final"},
    {"Foo.def", nullptr, "Game on Foodef"},
    {"Foo.DeF  ", nullptr, "Game on FooDeF"},
    {"a/b", nullptr, "Game on ab"},
    {"a|b", nullptr, "Game on ab"},
    {"say \"hi\"", nullptr, "Game on say hi"},
    {"tab\there", nullptr, "Game on tabhere"},
    {"   ", nullptr, "Game on host"},
    {"123456789012345678901234567890123456789012345678901234567890x", nullptr,
     "Game on 1234567890123456789012345678901234567890123456789012"},
};

class ScenarioNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ScenarioNames, TitleRenameAndReceivedFileFollowOneRule) {
    const NameCase& c = GetParam();
    test::TempDir dir;
    dir.Write("Source", test::PlainDef(10, 10));
    const auto noneTaken = [](const std::string&) { return false; };

    // The editor's title.
    ScenarioEditorModel editor;
    editor.SetTitle(c.Given);
    const std::string titleProblem = editor.SaveProblem(noneTaken).English();

    // Rename.
    std::string renamed;
    std::string renameProblem;
    try {
        renamed = scenario_files::Rename(dir.Path(), "Source", c.Given);
    } catch (const Error& error) {
        renameProblem = error.what();
    }

    // A file of that name opened from another folder (a name no file can carry is left out).
    std::string copied;
    std::string copyProblem;
    const std::string fileName = std::string(c.Given) + ".def";
    if (fileName.find('/') == std::string::npos) {
        test::TempDir elsewhere, program, player;
        WriteDefFile(elsewhere.Path() / fileName, test::PlainDef(10, 10));
        try {
            copied = ScenarioNameOf(
                ImportScenario({program.Path(), player.Path(), false}, elsewhere.Path() / fileName)
                    .Path);
        } catch (const Error& error) {
            copyProblem = error.what();
        }
        if (c.Stored)
            EXPECT_EQ(copied, c.Stored);
        else
            EXPECT_EQ(copyProblem, titleProblem) << "the same rule, the same words";
    }

    if (c.Stored) {
        EXPECT_EQ(titleProblem, "");
        EXPECT_EQ(editor.SaveName(), c.Stored);
        EXPECT_EQ(renamed, c.Stored);
        EXPECT_EQ(FindScenario(dir.Path(), c.Stored),
                  dir.Path() / (std::string(c.Stored) + ".def"));
    } else {
        EXPECT_NE(titleProblem, "");
        EXPECT_EQ(renameProblem, titleProblem) << "the same rule, the same words";
        EXPECT_EQ(ListScenarios(dir.Path()), std::vector<std::string>{"Source"});
    }

    // The scenario a guest keeps has a name the rule accepts as it is.
    const std::string received = net::KeptScenarioName(c.Given);
    EXPECT_EQ(received, c.Received);
    const ScenarioNameCheck check = CheckScenarioName(received);
    EXPECT_TRUE(check.Accepted()) << check.Problem.English();
    EXPECT_EQ(check.Name, received);

    // Every scenario that exists is saved again under its own name.
    for (const std::string& name : {std::string(c.Stored ? c.Stored : "Source"), received}) {
        ScenarioEditorModel existing;
        existing.Load(test::PlainDef(10, 10), name);
        EXPECT_EQ(existing.SaveProblem([](const std::string&) { return true; }).English(), "")
            << name;
        EXPECT_EQ(existing.SaveName(), name);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ScenarioNames, ::testing::ValuesIn(kNames));

} // namespace
} // namespace marovane
