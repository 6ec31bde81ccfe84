// The game: the main window over the rules, with the desktop around it.
//
//   marovane [--data DIR] [--seed N] [--players Human,Computer,...] [GAME.mvg | SCENARIO.def]
//
// Naming a saved game loads it; naming a scenario selects it in the new-game dialog (or, with
// --players, starts it at once with those player slots).

#include "engine/UnitSpecs.h"
#include "shell/CommandLine.h"
#include "shell/DesktopShell.h"
#include "shell/FileTypes.h"
#include "shell/StartFile.h"
#include "ui/GameWindow.h"
#include "util/Error.h"
#include "util/ProgramFolder.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

using namespace marovane;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marovane");
    QApplication::setOrganizationName("Marovane");
    QApplication::setWindowIcon(QIcon(":/icons/marovane.png"));

    const CommandLine line = ParseCommandLine(QApplication::arguments().mid(1));
    const QDir programDir(
        line.DataDir.isEmpty()
            ? QFile::decodeName(
                  ProgramFolderFor(QFile::encodeName(QApplication::applicationDirPath()).data())
                      .c_str())
            : line.DataDir);
    UnitSpecs specs;
    try {
        specs = LoadSpecs(QFile::encodeName(programDir.filePath("specs.txt")).toStdString());
    } catch (const Error& error) {
        QMessageBox::critical(nullptr, "Marovane", QString::fromLatin1(error.what()));
        return 1;
    }
    const uint64_t seed =
        line.Seed.value_or(static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()));

    GameWindow window(programDir, specs, seed);
    DesktopShell shell(window, programDir);
    window.show();

    // The rest of the start runs once the window does, so its questions and the game's messages
    // have a window to belong to.
    QTimer::singleShot(0, &window, [&] {
        if (!line.Problem.isEmpty())
            QMessageBox::warning(&window, "Marovane", line.Problem);
        shell.ShowAboutAtStart();
        RegisterDocumentTypes(&window, programDir);
        std::optional<NewGameSetup> players;
        if (!line.Players.isEmpty()) {
            try {
                players = NewGameSetup{};
                players->Slots = ParseSlotKinds(line.Players.toStdString());
            } catch (const Error& error) {
                players.reset();
                QMessageBox::warning(&window, "Marovane", QString::fromLatin1(error.what()));
            }
        }
        OpenStartFile(window, line.File, window.Session().Scenarios().Writable(), players);
    });
    return app.exec();
}
