#include "shell/AboutBox.h"

#include "session/Settings.h"
#include "shell/ShellFixture.h"
#include "ui/ModalAnswer.h"
#include "ui/QtSettingsStore.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace marovane {
namespace {

TEST(AboutBox, NamesTheVersionOfTheBuildAndThePlatformItRunsOn) {
    MemorySettings store;
    PlayerSettings settings(store);
    AboutBox about(settings);
    EXPECT_EQ(about.windowTitle(), "About Marovane v " + AboutBox::Version());
    EXPECT_TRUE(AboutBox::Version().contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
    EXPECT_EQ(about.findChild<QLabel*>("lblMainTitle")->text(), "Marovane");
    EXPECT_EQ(about.StartupBox()->text(), "Always show this screen on startup");
    EXPECT_EQ(about.OkButton()->text(), "&OK");
#ifdef Q_OS_LINUX
    EXPECT_TRUE(about.PlatformLabel()->text().startsWith(
        "A Turn-Based Strategy War Game for Linux desktops ("));
#endif
    EXPECT_FALSE(about.PlatformLabel()->text().contains("Windows 32-bit"));
    // The credits are shown: the authors, and the font the pictures' letters are set in.
    EXPECT_TRUE(about.CreditsLabel()->isVisibleTo(&about));
    EXPECT_TRUE(about.CreditsLabel()->text().contains("Marovane developers"));
    EXPECT_TRUE(about.CreditsLabel()->text().contains("DejaVu Sans"));
}

TEST(AboutBox, OkAndTheCloseBoxBothStoreTheStartUpChoice) {
    MemorySettings store;
    PlayerSettings settings(store);
    {
        AboutBox about(settings);
        EXPECT_TRUE(about.StartupBox()->isChecked()) << "shown at start until switched off";
        about.show();
        about.StartupBox()->click();
        QTest::mouseClick(about.OkButton(), Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
    }
    EXPECT_EQ(store.Values["Show About"], "False");
    {
        AboutBox about(settings);
        EXPECT_FALSE(about.StartupBox()->isChecked());
        about.show();
        about.StartupBox()->click();
        about.close();
    }
    EXPECT_EQ(store.Values["Show About"], "True");
}

class AboutAtStartTest : public test::ShellFixture {};

TEST_F(AboutAtStartTest, TheBoxShowsAtStartUntilSwitchedOffInTheDesktopsSettings) {
    MakeWindow();
    int shown = 0;
    test::ModalAnswer answer([&](QWidget* modal) {
        if (auto* about = qobject_cast<AboutBox*>(modal)) {
            ++shown;
            about->StartupBox()->setChecked(false);
            about->OkButton()->click();
        }
    });
    shell->ShowAboutAtStart();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(QSettings("Marovane", "Marovane").value("Options/Show About").toString(), "False");
    shell->ShowAboutAtStart();
    EXPECT_EQ(shown, 1) << "switched off";
    window->Action("mnuHAbout")->trigger();
    EXPECT_EQ(shown, 2) << "Help > About always shows it";
}

TEST(QtSettings, SettingsAreWrittenToTheDesktopsStoreAndReadBack) {
    QSettings("Marovane", "Marovane").clear();
    QtSettingsStore store;
    PlayerSettings settings(store);
    settings.SetLastHost("castle.example");
    settings.SetViewOption(view_option::HideOpponents, true);
    const QSettings stored("Marovane", "Marovane");
    EXPECT_EQ(stored.value("Options/LastHost").toString(), "castle.example");
    EXPECT_EQ(stored.value("Options/&Hide Opponents Turn").toString(), "True");
    QtSettingsStore again;
    EXPECT_EQ(PlayerSettings(again).LastHost(), "castle.example");
    EXPECT_TRUE(PlayerSettings(again).ViewOption(view_option::HideOpponents));
}

} // namespace
} // namespace marovane
