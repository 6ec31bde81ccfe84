#include "ui/Language.h"
#include "ui/GameMenus.h"
#include "ui/ModalAnswer.h"
#include "ui/QtSettingsStore.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace marovane {
namespace {

TEST(Language, TheStartLanguageIsTheChoiceThenTheSystemsThenEnglish) {
    ASSERT_TRUE(InstalledLanguages().contains("de"));
    const struct {
        const char* chosen;
        const char* system;
        const char* expected;
    } cases[] = {
        {"", "de", "de"},   // no choice: the system's language
        {"", "fr", "en"},   // a system language without a translation
        {"en", "de", "en"}, // English chosen on a German system
        {"de", "en", "de"}, // German chosen on an English system
        {"xx", "de", "de"}, // a choice no longer installed falls back to the system
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageToUse(c.chosen, c.system), c.expected) << c.chosen << "/" << c.system;
}

// The player picks Deutsch from Options > Language: he is told it waits for the next start,
// the window stays English until then, and the next start speaks German.
class LanguageMenuTest : public test::WindowFixture {
protected:
    void TearDown() override { InstallLanguage("en"); }
};

TEST_F(LanguageMenuTest, AChosenLanguageIsKeptAndSpokenFromTheNextStart) {
    QMenu* menu = window->menuBar()->findChild<QMenu*>("mnuOLanguage");
    ASSERT_NE(menu, nullptr);
    QAction* german = menu->findChild<QAction*>("mnuOLanguagede");
    ASSERT_NE(german, nullptr);
    EXPECT_EQ(german->text(), "Deutsch");
    EXPECT_TRUE(menu->findChild<QAction*>("mnuOLanguageSystem")->isChecked());

    test::ModalAnswer answer;
    german->trigger();
    QTest::qWait(50);
    ASSERT_EQ(answer.Messages.size(), 1u);
    EXPECT_EQ(answer.Messages[0], "The language changes the next time Marovane starts.");
    EXPECT_TRUE(german->isChecked());
    EXPECT_EQ(window->menuBar()->actions().front()->text(), "&Game");

    window.reset();
    EXPECT_EQ(InstallStartLanguage(
                  QString::fromStdString(QtSettingsStore().Read("Language").value_or(""))),
              "de");
    GameWindow next(QDir(MAROVANE_PROGRAM_DIR), specs, 7);
    EXPECT_EQ(next.menuBar()->actions().front()->text(), "&Spiel");
    EXPECT_TRUE(next.menuBar()->findChild<QAction*>("mnuOLanguagede")->isChecked());
}

} // namespace
} // namespace marovane
