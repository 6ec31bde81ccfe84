#pragma once

#include "support/TestGame.h"
#include "ui/GameWindow.h"

#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace marovane::test {

// A game window over the built program folder, shown, with fresh settings and a temporary
// folder for the test's own files.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings("Marovane", "Marovane").clear();
        specs = LoadSpecs(std::filesystem::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
        window = std::make_unique<GameWindow>(QDir(MAROVANE_PROGRAM_DIR), specs, 7);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        game = &window->CurrentGame();
    }
    // Starts a scenario written to the temporary folder.
    bool Start(const GameDef& def, const NewGameSetup& setup) {
        return window->StartNewGame(QString::fromStdString(dir.Write("Window", def).string()),
                                    setup);
    }

    UnitSpecs specs;
    TempDir dir;
    std::unique_ptr<GameWindow> window;
    Game* game = nullptr;
};

} // namespace marovane::test
