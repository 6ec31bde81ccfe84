#include "cli/Cli.h"
#include "shell/ShellFixture.h"
#include "ui/Language.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QPushButton>

#include <sstream>

namespace marovane {
namespace {

namespace fs = std::filesystem;

class GermanMessagesTest : public test::ShellFixture {
protected:
    void TearDown() override {
        InstallLanguage("en");
        ShellFixture::TearDown();
    }
};

// A damaged scenario in the new-game dialog: the player reads the refusal in German with the
// file and the byte counts in their places, while the command-line tool, run at the same time
// on the same file, keeps its English message.
TEST_F(GermanMessagesTest, AScenarioRefusalIsGermanInTheWindowAndEnglishInTheTool) {
    const fs::path broken = folder.WriteBytes("Broken.def", std::string(100, '\x01'));
    ASSERT_EQ(InstallLanguage("de"), "de");
    MakeWindow();
    GameSetupDialog& setup = *window->SetupDialog();
    setup.RefreshList();
    test::ModalAnswer answer;
    ASSERT_TRUE(setup.SelectScenario("Broken"));
    EXPECT_FALSE(setup.BeginButton()->isEnabled());
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "Die Szenariodatei „" + QString::fromStdString(broken.string()) +
                                      "“ ist beschädigt: Sie enthält nur 100 der 2060 Bytes "
                                      "eines Szenarios.");

    std::ostringstream out, err;
    std::istringstream in;
    EXPECT_EQ(RunCli({"def", "show", broken.string()}, folder.Path(), out, err, in), 1);
    EXPECT_NE(err.str().find("The scenario file \"" + broken.string() +
                             "\" is damaged: it holds only 100 of the 2060 bytes of a scenario."),
              std::string::npos)
        << err.str();
}

} // namespace
} // namespace marovane
