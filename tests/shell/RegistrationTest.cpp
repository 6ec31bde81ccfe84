#include "shell/FreedesktopRegistry.h"

#include "support/TestGame.h"

#include <QFile>

#include <gtest/gtest.h>

namespace marovane {
namespace {

namespace fs = std::filesystem;

QString Text(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteText(const fs::path& path, const QString& text) {
    fs::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

QDir Dir(const fs::path& path) {
    return QDir(QString::fromStdString(path.string()));
}

// The desktop's files live in temporary data and configuration folders, never the player's
// own; `system` stands for the machine's data folder of XDG_DATA_DIRS.
class RegistrationTest : public ::testing::Test {
protected:
    RegistrationTest()
        : registry(DesktopFolders{Dir(data.Path()), {Dir(system.Path())}, Dir(config.Path()), {}},
                   QDir(QString(MAROVANE_PROGRAM_DIR) + "/icons"),
                   [this](const QDir&) { ++refreshes; }) {}

    // One start of the game: both types, scenarios first, every question answered `yes`.
    std::vector<Registration> StartGame(bool yes = true) {
        std::vector<Registration> results;
        for (const DocumentType& type : {scenario, saved}) {
            results.push_back(RegisterFileType(registry, type, [&](const QString& question) {
                questions.push_back(question);
                return yes;
            }));
        }
        return results;
    }
    // Another program that opens ".def" files, as its MIME package and desktop entry say.
    void AnotherOwnerOfDef(int weight) {
        WriteText(data.Path() / "mime/packages/linker.xml",
                  QString("<?xml version=\"1.0\"?>\n<mime-info "
                          "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "<mime-type type=\"text/x-module-definition\"><glob pattern=\"*.def\" "
                          "weight=\"%1\"/></mime-type>\n</mime-info>\n")
                      .arg(weight));
    }

    test::TempDir data;
    test::TempDir system;
    test::TempDir config;
    FreedesktopRegistry registry;
    int refreshes = 0;
    const DocumentType scenario = FreedesktopRegistry::ScenarioType("/opt/Marovane Game/marovane");
    const DocumentType saved = FreedesktopRegistry::SavedGameType("/opt/Marovane Game/marovane");
    std::vector<QString> questions;
};

TEST_F(RegistrationTest, TheFirstStartRegistersBothTypesWithoutAsking) {
    EXPECT_EQ(StartGame(), (std::vector{Registration::Written, Registration::Written}));
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(refreshes, 2);

    const QString package = Text(data.Path() / "mime/packages/application-x-marovane-scenario.xml");
    EXPECT_TRUE(package.contains("type=\"application/x-marovane-scenario\""));
    EXPECT_TRUE(package.contains("<comment>Marovane Game Definition File</comment>"));
    EXPECT_TRUE(package.contains("<glob pattern=\"*.def\""));
    const QString entry = Text(data.Path() / "applications/marovane-savegame.desktop");
    EXPECT_TRUE(entry.contains("Exec=\"/opt/Marovane Game/marovane\" %f\n"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-marovane-savegame;\n"));
    const QString defaults = Text(config.Path() / "mimeapps.list");
    EXPECT_TRUE(defaults.contains("application/x-marovane-scenario=marovane-scenario.desktop;\n"));
    EXPECT_FALSE(fs::exists(data.Path() / "applications/mimeapps.list")) << "the deprecated place";
    EXPECT_TRUE(defaults.contains("application/x-marovane-savegame=marovane-savegame.desktop;\n"));
    EXPECT_TRUE(fs::exists(data.Path() /
                           "icons/hicolor/scalable/mimetypes/application-x-marovane-scenario.svg"));
    for (const char* size : {"256x256", "48x48", "16x16"}) {
        EXPECT_TRUE(fs::exists(data.Path() / "icons/hicolor" / size /
                               "mimetypes/application-x-marovane-scenario.png"))
            << size;
        EXPECT_TRUE(fs::exists(data.Path() / "icons/hicolor" / size / "apps/marovane.png"));
    }
}

TEST_F(RegistrationTest, ASecondStartAsksNothingAndWritesNothing) {
    StartGame();
    EXPECT_EQ(StartGame(), (std::vector{Registration::AlreadyOurs, Registration::AlreadyOurs}));
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(refreshes, 2);
}

TEST_F(RegistrationTest, AnotherOwnerIsAskedAboutAndYesTakesTheTypeOver) {
    AnotherOwnerOfDef(90);
    EXPECT_EQ(StartGame(true), (std::vector{Registration::Written, Registration::Written}));
    ASSERT_EQ(questions.size(), 1u) << "saved games had no owner";
    EXPECT_EQ(questions[0],
              "It appears that Marovane is not the default application for Marovane Game "
              "Definition File (.def).  Would you like to make it the default application now?");
    EXPECT_EQ(registry.TypeOfExtension(".def"), "application/x-marovane-scenario");
    questions.clear();
    EXPECT_EQ(StartGame(), (std::vector{Registration::AlreadyOurs, Registration::AlreadyOurs}));
    EXPECT_TRUE(questions.empty());
}

TEST_F(RegistrationTest, NoLeavesTheOtherOwnerAndAsksAgainNextTime) {
    AnotherOwnerOfDef(50);
    EXPECT_EQ(StartGame(false), (std::vector{Registration::Declined, Registration::Written}));
    EXPECT_EQ(registry.TypeOfExtension(".def"), "text/x-module-definition");
    EXPECT_FALSE(fs::exists(data.Path() / "mime/packages/application-x-marovane-scenario.xml"));
    questions.clear();
    EXPECT_EQ(StartGame(false), (std::vector{Registration::Declined, Registration::AlreadyOurs}));
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(RegistrationTest, TheProgramMovedOrAnIconLostCountsAsRegisteredDifferently) {
    StartGame();
    const DocumentType moved = FreedesktopRegistry::ScenarioType("/usr/games/marovane");
    int asked = 0;
    EXPECT_EQ(RegisterFileType(registry, moved, [&](const QString&) { return ++asked, true; }),
              Registration::Written);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(registry.OpenCommand(moved.TypeKey), "\"/usr/games/marovane\" %f");

    fs::remove(data.Path() / "icons/hicolor/48x48/mimetypes/application-x-marovane-savegame.png");
    EXPECT_EQ(RegisterFileType(registry, saved, [&](const QString&) { return ++asked, false; }),
              Registration::Declined);
    EXPECT_EQ(asked, 2);
}

TEST_F(RegistrationTest, OtherDefaultApplicationsOfThePlayerAreKept) {
    WriteText(config.Path() / "mimeapps.list",
              "[Added Associations]\ntext/plain=editor.desktop;\n\n"
              "[Default Applications]\nimage/png=viewer.desktop;\n");
    StartGame();
    const QString defaults = Text(config.Path() / "mimeapps.list");
    EXPECT_TRUE(defaults.startsWith("[Added Associations]\ntext/plain=editor.desktop;\n"));
    EXPECT_TRUE(defaults.contains("[Default Applications]\nimage/png=viewer.desktop;\n"
                                  "application/x-marovane-scenario=marovane-scenario.desktop;\n"));
}

// What the machine holds for every user: its MIME database as update-mime-database compiles it,
// its desktop entries, and its default applications.
TEST_F(RegistrationTest, AMachineWideOwnerIsSeenAndTheUsersDefaultsAreRead) {
    WriteText(system.Path() / "mime/globs2",
              "# generated\n50:text/x-module-definition:*.def\n50:text/plain:*.txt\n");
    EXPECT_EQ(registry.TypeOfExtension(".def"), "text/x-module-definition");
    EXPECT_EQ(StartGame(false), (std::vector{Registration::Declined, Registration::Written}));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].contains("(.def)"));

    // Taken over, our type outweighs the machine's in the merged database.
    questions.clear();
    EXPECT_EQ(StartGame(true), (std::vector{Registration::Written, Registration::AlreadyOurs}));
    EXPECT_EQ(registry.TypeOfExtension(".def"), "application/x-marovane-scenario");

    // A default application the player chose elsewhere, in ~/.config/mimeapps.list, for a type
    // whose entry only the machine has, is another program's: the game asks again.
    WriteText(system.Path() / "applications/linker.desktop",
              "[Desktop Entry]\nType=Application\nName=Linker\nExec=/usr/bin/ld %f\n");
    WriteText(config.Path() / "mimeapps.list",
              "[Default Applications]\napplication/x-marovane-scenario=linker.desktop;\n"
              "application/x-marovane-savegame=marovane-savegame.desktop;\n");
    EXPECT_EQ(registry.OpenCommand(scenario.TypeKey), "\"/usr/bin/ld\" %f");
    questions.clear();
    EXPECT_EQ(StartGame(false), (std::vector{Registration::Declined, Registration::AlreadyOurs}));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_FALSE(fs::exists(data.Path() / "applications/mimeapps.list"));
}

// The game's own package registers both types for the whole machine, with an entry that starts
// "marovane" from the path: the installed game finds them its own and asks nothing.
TEST_F(RegistrationTest, TheMachinesRegistrationByTheGamesPackageIsOurs) {
    test::TempDir games;
    const fs::path program = games.Path() / "marovane";
    WriteText(program, "#!/bin/sh\n");
    fs::permissions(program, fs::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", games.Path().string().c_str());
    const DocumentType installed[] = {
        FreedesktopRegistry::ScenarioType(QString::fromStdString(program.string())),
        FreedesktopRegistry::SavedGameType(QString::fromStdString(program.string()))};

    fs::create_directories(system.Path() / "mime/packages");
    fs::create_directories(system.Path() / "applications");
    fs::copy_file(fs::path(MAROVANE_SOURCE_DIR) / "data/desktop/marovane.xml",
                  system.Path() / "mime/packages/marovane.xml");
    fs::copy_file(fs::path(MAROVANE_SOURCE_DIR) / "data/desktop/marovane.desktop",
                  system.Path() / "applications/marovane.desktop");
    WriteText(system.Path() / "applications/mimeinfo.cache",
              "[MIME Cache]\napplication/x-marovane-scenario=marovane.desktop;\n"
              "application/x-marovane-savegame=marovane.desktop;\n");
    for (const DocumentType& type : installed) {
        fs::create_directories(system.Path() / "icons/hicolor/48x48/mimetypes");
        fs::copy_file(fs::path(MAROVANE_PROGRAM_DIR) / "icons/hicolor/48x48/mimetypes" /
                          (type.Icon + ".png").toStdString(),
                      system.Path() / "icons/hicolor/48x48/mimetypes" /
                          (type.Icon + ".png").toStdString());
        EXPECT_EQ(RegisterFileType(registry, type, [&](const QString&) { return true; }),
                  Registration::AlreadyOurs)
            << type.Extension.toStdString();
    }
    qputenv("PATH", path);
    EXPECT_FALSE(fs::exists(data.Path() / "mime")) << "nothing written for the user";
    EXPECT_FALSE(fs::exists(config.Path() / "mimeapps.list"));
}

// The same lookup from the environment's variables, as the game makes it at start.
TEST(DesktopFoldersTest, ComeFromTheXdgVariables) {
    test::TempDir home;
    const char* const names[] = {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME"};
    const std::string values[] = {(home.Path() / "data").string(),
                                  (home.Path() / "one").string() +
                                      ":relative:" + (home.Path() / "two").string(),
                                  (home.Path() / "config").string()};
    QByteArray saved[3];
    for (int i = 0; i < 3; ++i) {
        saved[i] = qgetenv(names[i]);
        qputenv(names[i], values[i].c_str());
    }
    const DesktopFolders folders = DesktopFolders::FromEnvironment();
    for (int i = 0; i < 3; ++i)
        saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    ASSERT_EQ(folders.DataDirs.size(), 2) << "a relative path is no base folder";
    EXPECT_EQ(folders.DataDirs[1], Dir(home.Path() / "two"));
    EXPECT_EQ(folders.ConfigHome, Dir(home.Path() / "config"));

    WriteText(home.Path() / "two/mime/packages/linker.xml",
              "<mime-info><mime-type type=\"text/x-module-definition\">"
              "<glob pattern=\"*.DEF\"/></mime-type></mime-info>");
    const FreedesktopRegistry registry(folders, QDir());
    EXPECT_EQ(registry.TypeOfExtension(".def"), "text/x-module-definition");
}

} // namespace
} // namespace marovane
