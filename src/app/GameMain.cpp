// The game: the main window over the rules.
//
//   marovane [--data DIR] [--seed N] [GAME.mvg | SCENARIO.def [--players Human,Computer,...]]
//
// Naming a saved game loads it; naming a scenario starts a new game of it at once with the given
// player slots (a human and the computer when none are given).

#include "engine/UnitSpecs.h"
#include "ui/GameWindow.h"
#include "util/Error.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

using namespace marovane;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Marovane");
    QApplication::setOrganizationName("Marovane");

    QCommandLineParser parser;
    parser.addOption({"data", "Read the data files from DIR.", "DIR"});
    parser.addOption({"seed", "Seed the random numbers with N.", "N"});
    parser.addOption({"players", "Player slots of the named scenario.", "LIST"});
    parser.addPositionalArgument("file", "A saved game to load, or a scenario to start.");
    parser.process(app);

    const QDir programDir(parser.isSet("data") ? parser.value("data")
                                               : QApplication::applicationDirPath());
    UnitSpecs specs;
    try {
        specs = LoadSpecs(programDir.filePath("specs.txt").toStdString());
    } catch (const Error& error) {
        QMessageBox::critical(nullptr, "Marovane", QString::fromLatin1(error.what()));
        return 1;
    }
    const uint64_t seed = parser.isSet("seed")
                              ? parser.value("seed").toULongLong()
                              : static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch());

    GameWindow window(programDir, specs, seed);
    window.show();

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        NewGameSetup setup;
        setup.Slots = {SlotKind::Human, SlotKind::Computer};
        if (parser.isSet("players")) {
            try {
                setup.Slots = ParseSlotKinds(parser.value("players").toStdString());
            } catch (const Error& error) {
                QMessageBox::warning(&window, "Marovane", QString::fromLatin1(error.what()));
            }
        }
        // Opened once the window runs, so the game's messages have a window to belong to.
        const QString file = files.first();
        QTimer::singleShot(0, &window, [&window, file, setup] { window.OpenFile(file, setup); });
    }
    return app.exec();
}
