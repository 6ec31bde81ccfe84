#include "support/TestGame.h"
#include "ui/BoardInput.h"
#include "ui/GameWindow.h"
#include "ui/KeepDialog.h"
#include "ui/Language.h"
#include "ui/Shoot.h"
#include "ui/Translated.h"
#include "ui/UnitNames.h"
#include "ui/UnitPanel.h"
#include "ui/WindowFixture.h"
#include "ui/dialogs/GameSetupDialog.h"
#include "ui/dialogs/ScenarioEditor.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace marovane {
namespace {

// The window made while German is installed, as a German player starts the game.
class GermanWindowTest : public test::WindowFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(InstallLanguage("de"), "de");
        WindowFixture::SetUp();
    }
    void TearDown() override {
        window.reset();
        InstallLanguage("en");
    }
};

TEST_F(GermanWindowTest, ShowsTheGameInGermanWithItsValuesInPlace) {
    ASSERT_TRUE(Start(test::PlainDef(8, 8), test::Humans(2)));
    EXPECT_TRUE(window->windowTitle().endsWith(" - Spieler 1"))
        << window->windowTitle().toStdString();
    EXPECT_TRUE(window->RoundLabel()->text().endsWith(" - Spieler 1 am Zug"))
        << window->RoundLabel()->text().toStdString();
    EXPECT_EQ(window->NextTurnButton()->text(), "&Nächster Zug");
    // A caption that is also a settings key is shown translated.
    EXPECT_EQ(window->Action("mnuOCheck4")->text(), "&Lebensbalken");

    // The unit under the pointer by its German name, a name of a changed table as it stands.
    bool shown = false;
    for (int x = 1; x <= 8 && !shown; ++x) {
        for (int y = 1; y <= 8 && !shown; ++y) {
            const Piece piece = game->PieceAt(x, y);
            if (piece.Empty() || piece.Type != 0)
                continue;
            window->ShowUnitPanel(0, x, y);
            EXPECT_EQ(window->PointerPanel()->NameText(), "Bauer");
            shown = true;
        }
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(UnitNameShown("Dragon Rider"), "Dragon Rider");
    EXPECT_EQ(window->Keep()->UnitButton(14)->toolTip(), "Mauer kaufen");

    AttackPreview preview;
    preview.Damage = {3, 5};
    preview.Counter = AttackPreview::Span{2, 2};
    EXPECT_EQ(BoardInput::PreviewLines(preview, false), "Schaden 3-5\nGegenschlag 2");
    // Switched back, the same texts are English again, word for word.
    InstallLanguage("en");
    EXPECT_EQ(BoardInput::PreviewLines(preview, false), "Damage 3-5\nStrikes back 2");
    EXPECT_EQ(UnitNameShown("Heavy Cavalry"), "Heavy Cavalry");
    InstallLanguage("de");

    // With MAROVANE_SHOTS set, the German windows are saved to be looked at.
    test::Shoot(window.get(), "de-main");
    window->Keep()->show();
    test::Shoot(window->Keep(), "de-keep");
    window->Keep()->hide();
    window->SetupDialog()->Open();
    test::Shoot(window->SetupDialog(), "de-newgame-empty");
    ASSERT_TRUE(window->SetupDialog()->SelectScenario("Castle Siege"));
    test::Shoot(window->SetupDialog(), "de-newgame");
    window->SetupDialog()->Editor()->OpenNew("People");
    test::Shoot(window->SetupDialog()->Editor(), "de-editor");
    window->SetupDialog()->Editor()->reject();
    window->SetupDialog()->reject();
}

} // namespace
} // namespace marovane

namespace marovane {
namespace {

// A host's announcements reach a guest in English; the guest reads them in its own language,
// values and team names in place. Anything else a peer sends is shown as it stands.
TEST(PeerTextShown, AHostsAnnouncementsReadInTheGuestsLanguage) {
    ASSERT_EQ(InstallLanguage("de"), "de");
    const struct {
        const char* english;
        const char* shown;
    } cases[] = {
        {"Player 2 wins!", "Spieler 2 gewinnt!"},
        {"The Left Players have conquered all!", "Die linken Spieler haben alles erobert!"},
        {"Player 3's castle has been taken over!", "Die Burg von Spieler 3 wurde eingenommen!"},
        {"Player 4 has left the game, and will be played by the computer.",
         "Spieler 4 hat das Spiel verlassen und wird vom Computer gespielt."},
        {"No player can move or buy any more. The game is over.",
         "Kein Spieler kann mehr ziehen oder kaufen. Das Spiel ist vorbei."},
        {"Player %1 wins! Or not", "Player %1 wins! Or not"},
        {"gg wp", "gg wp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PeerTextShown(c.english).toStdString(), c.shown) << c.english;
    InstallLanguage("en");
    EXPECT_EQ(PeerTextShown("The Left Players have conquered all!").toStdString(),
              "The Left Players have conquered all!");
}

} // namespace
} // namespace marovane
