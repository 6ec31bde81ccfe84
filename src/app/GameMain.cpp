// The game: the main window over the rules, with the desktop around it.
//
//   marovane [--data DIR] [--seed N] [--players Human,Computer,...] [GAME.mvg | SCENARIO.def]
//   marovane --help | --version
//
// Naming a saved game loads it; naming a scenario selects it in the new-game dialog (or, with
// --players, starts it at once with those player slots).

#include "engine/UnitSpecs.h"
#include "shell/CommandLine.h"
#include "shell/DesktopShell.h"
#include "shell/FileTypes.h"
#include "shell/StartFile.h"
#include "ui/GameWindow.h"
#include "ui/Language.h"
#include "ui/QtSettingsStore.h"
#include "util/Error.h"
#include "util/ProgramFolder.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

using namespace marovane;

int main(int argc, char** argv) {
    // --help and --version answer before the window system is asked for, so they work without
    // a display.
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    switch (InfoRequestOf(words)) {
    case InfoRequest::Help:
        std::fputs(GameUsage().toLocal8Bit().constData(), stdout);
        return 0;
    case InfoRequest::Version:
        std::fputs(GameVersionLine().toLocal8Bit().constData(), stdout);
        return 0;
    case InfoRequest::None:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Marovane");
    QApplication::setOrganizationName("Marovane");
    QApplication::setWindowIcon(QIcon(":/icons/marovane.png"));
    {
        // The language is settled before the first text is made; a choice made in the menu
        // therefore waits for the next start.
        QtSettingsStore store;
        const PlayerSettings settings(store);
        InstallStartLanguage(QString::fromStdString(settings.Language()));
    }

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
        OpenStartFile(window, line.File, players);
    });
    return app.exec();
}
