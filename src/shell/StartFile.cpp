#include "shell/StartFile.h"

#include "ui/LocalPath.h"

#include "session/ScenarioImport.h"
#include "shell/CommandLine.h"
#include "ui/GameWindow.h"
#include "ui/Translated.h"
#include "ui/dialogs/GameSetupDialog.h"
#include "util/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>

namespace fs = std::filesystem;

namespace marovane {

namespace {

const char* const kProductName = "Marovane";

QString InvalidFile(const QString& name) {
    return QCoreApplication::translate("StartFile", "Invalid File: %1").arg(name);
}

// The scenario's file among the game's scenarios, brought there when it lies elsewhere; nothing
// (after a message) when it cannot be found, is damaged, or cannot be copied.
std::optional<fs::path> BringIntoFolder(GameWindow& window, const QString& name) {
    const fs::path given = ToLocalPath(name);
    std::error_code error;
    if (!fs::is_regular_file(given, error)) {
        // A bare name is looked up among the scenarios the game already has.
        if (auto known = window.Session().FindScenarioFile(given.string()))
            return known;
        QMessageBox::information(&window, kProductName, InvalidFile(name));
        return std::nullopt;
    }
    try {
        return ImportScenario(window.Session().Scenarios(), fs::absolute(given, error)).Path;
    } catch (const Error& refusal) {
        QMessageBox::warning(
            &window, kProductName,
            QCoreApplication::translate("StartFile", "The scenario %1 was not opened.\n\n%2")
                .arg(name, Translated(refusal.Message())));
        return std::nullopt;
    }
}

} // namespace

bool OpenStartFile(GameWindow& window, const QString& name,
                   const std::optional<NewGameSetup>& players) {
    switch (KindOfStartFile(name)) {
    case StartFileKind::None:
        return false;
    case StartFileKind::SavedGame:
        return window.LoadFrom(name);
    case StartFileKind::Invalid:
        QMessageBox::information(&window, kProductName, InvalidFile(name));
        return false;
    case StartFileKind::Scenario:
        break;
    }
    const auto scenario = BringIntoFolder(window, name);
    if (!scenario)
        return false;
    if (players)
        return window.StartNewGame(FromLocalPath(*scenario), *players);
    GameSetupDialog& setup = *window.SetupDialog();
    setup.RefreshList();
    if (!setup.SelectScenario(FromLocalPath(scenario->filename()))) {
        QMessageBox::information(&window, kProductName, InvalidFile(name));
        return false;
    }
    window.NewGameCommand();
    return true;
}

} // namespace marovane
