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

// The desktop's files live in a temporary data folder, never the player's own.
class RegistrationTest : public ::testing::Test {
protected:
    RegistrationTest()
        : registry(QDir(QString::fromStdString(data.Path().string())),
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
        fs::create_directories(data.Path() / "mime/packages");
        QFile file(QString::fromStdString((data.Path() / "mime/packages/linker.xml").string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString("<?xml version=\"1.0\"?>\n<mime-info "
                           "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                           "<mime-type type=\"text/x-module-definition\"><glob pattern=\"*.def\" "
                           "weight=\"%1\"/></mime-type>\n</mime-info>\n")
                       .arg(weight)
                       .toUtf8());
    }

    test::TempDir data;
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
    const QString defaults = Text(data.Path() / "applications/mimeapps.list");
    EXPECT_TRUE(defaults.contains("application/x-marovane-scenario=marovane-scenario.desktop;\n"));
    EXPECT_TRUE(defaults.contains("application/x-marovane-savegame=marovane-savegame.desktop;\n"));
    for (const char* size : {"256x256", "48x48", "32x32"}) {
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
    fs::create_directories(data.Path() / "applications");
    {
        QFile list(QString::fromStdString((data.Path() / "applications/mimeapps.list").string()));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("[Added Associations]\ntext/plain=editor.desktop;\n\n"
                   "[Default Applications]\nimage/png=viewer.desktop;\n");
    }
    StartGame();
    const QString defaults = Text(data.Path() / "applications/mimeapps.list");
    EXPECT_TRUE(defaults.startsWith("[Added Associations]\ntext/plain=editor.desktop;\n"));
    EXPECT_TRUE(defaults.contains("[Default Applications]\nimage/png=viewer.desktop;\n"
                                  "application/x-marovane-scenario=marovane-scenario.desktop;\n"));
}

} // namespace
} // namespace marovane
