#pragma once

#include "engine/UnitSpecs.h"
#include "shell/DesktopShell.h"
#include "support/TestGame.h"
#include "ui/GameWindow.h"

#include <QDir>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace marovane::test {

// A program folder of its own (the built data files, help pages and icons, without the
// programs), so a test may add, copy or remove files, and a window over it with the desktop
// shell around it.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings("Marovane", "Marovane").clear();
        namespace fs = std::filesystem;
        const fs::path built = MAROVANE_PROGRAM_DIR;
        for (const auto& entry : fs::directory_iterator(built)) {
            const std::string extension = entry.path().extension().string();
            if (entry.is_directory())
                fs::copy(entry.path(), folder.Path() / entry.path().filename(),
                         fs::copy_options::recursive);
            else if (extension == ".txt" || extension == ".bmp" || extension == ".jpg" ||
                     (extension == ".def" && Shipped(entry.path())))
                fs::copy_file(entry.path(), folder.Path() / entry.path().filename());
        }
        specs = LoadSpecs(folder.Path() / "specs.txt");
    }
    // Only the scenarios the game ships: tests running beside this one (a network guest, say)
    // add and remove scenarios of their own in the built program folder.
    static bool Shipped(const std::filesystem::path& scenario) {
        return std::filesystem::exists(std::filesystem::path(MAROVANE_SOURCE_DIR) /
                                       "data/scenarios" / (scenario.stem().string() + ".json"));
    }
    void TearDown() override {
        shell.reset();
        window.reset();
    }

    QDir ProgramDir() const { return QDir(QString::fromStdString(folder.Path().string())); }
    void MakeWindow() {
        shell.reset();
        window = std::make_unique<GameWindow>(ProgramDir(), specs, 5);
        shell = std::make_unique<DesktopShell>(*window, ProgramDir());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QString InFolder(const char* name) const {
        return QString::fromStdString((folder.Path() / name).string());
    }

    TempDir folder;
    UnitSpecs specs;
    std::unique_ptr<GameWindow> window;
    std::unique_ptr<DesktopShell> shell;
};

} // namespace marovane::test
