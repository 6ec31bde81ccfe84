#include "shell/StartFile.h"

#include "ui/LocalPath.h"

#include "shell/CommandLine.h"
#include "ui/GameWindow.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QFile>
#include <QMessageBox>

namespace fs = std::filesystem;

namespace marovane {

namespace {

const char* const kProductName = "Marovane";

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

// The scenario's file in the scenario folder, copied there when it lies elsewhere; nothing
// (after a message) when it cannot be found or copied.
std::optional<fs::path> BringIntoFolder(GameWindow& window, const QString& name,
                                        const fs::path& folder) {
    const fs::path given = ToLocalPath(name);
    std::error_code error;
    if (!fs::is_regular_file(given, error)) {
        // A bare name is looked up among the scenarios the game already has.
        if (auto known = window.Session().FindScenarioFile(given.string()))
            return known;
        QMessageBox::information(&window, kProductName, "Invalid File: " + name);
        return std::nullopt;
    }
    const fs::path source = fs::absolute(given, error);
    if (SameFolder(source.parent_path(), folder))
        return source;
    const fs::path target = folder / source.filename();
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error) {
        QMessageBox::warning(&window, kProductName,
                             "The scenario " + name + " could not be copied into " +
                                 FromLocalPath(folder) + ": " +
                                 QString::fromStdString(error.message()) + ".");
        return std::nullopt;
    }
    return target;
}

} // namespace

bool OpenStartFile(GameWindow& window, const QString& name, const fs::path& scenarioFolder,
                   const std::optional<NewGameSetup>& players) {
    switch (KindOfStartFile(name)) {
    case StartFileKind::None:
        return false;
    case StartFileKind::SavedGame:
        return window.LoadFrom(name);
    case StartFileKind::Invalid:
        QMessageBox::information(&window, kProductName, "Invalid File: " + name);
        return false;
    case StartFileKind::Scenario:
        break;
    }
    const auto scenario = BringIntoFolder(window, name, scenarioFolder);
    if (!scenario)
        return false;
    if (players)
        return window.StartNewGame(FromLocalPath(*scenario), *players);
    GameSetupDialog& setup = *window.SetupDialog();
    setup.RefreshList();
    if (!setup.SelectScenario(FromLocalPath(scenario->filename()))) {
        QMessageBox::information(&window, kProductName, "Invalid File: " + name);
        return false;
    }
    window.NewGameCommand();
    return true;
}

} // namespace marovane
