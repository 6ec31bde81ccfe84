#include "shell/TutorialCommand.h"

#include "ui/LocalPath.h"

#include "ui/GameWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace marovane {

namespace {

const char* const kProductName = "Marovane";

} // namespace

TutorialCommand::TutorialCommand(GameWindow& window, const QDir& programDir)
    : QObject(&window), window_(window), programDir_(programDir) {
    pendingStart_.setSingleShot(true);
    pendingStart_.setInterval(50);
    connect(&pendingStart_, &QTimer::timeout, this, [this] {
        if (!window_.Session().StartPendingGame())
            Failed();
    });
}

void TutorialCommand::Start() {
    // The running game ends: the player may save it first, as for any other new game.
    if (!window_.Commands().MayLeaveRunningGame())
        return;
    const QString path = programDir_.filePath("Tutorial.def");
    if (!QFileInfo(path).isFile()) {
        Failed();
        return;
    }
    // The tutorial is played with the letter pictures, when the program has them.
    window_.LoadPictureSet("Alphabet");
    NewGameSetup setup;
    setup.Slots = {SlotKind::Human, SlotKind::Computer};
    setup.PictureSet = "Alphabet";
    switch (window_.Session().RequestNewGame(ToLocalPath(path), setup)) {
    case GameSession::StartResult::Started:
        break;
    case GameSession::StartResult::Deferred:
        pendingStart_.start();
        break;
    case GameSession::StartResult::Refused:
        Failed();
        break;
    }
}

void TutorialCommand::Failed() {
    QMessageBox::warning(&window_, kProductName, tr("Error loading tutorial."));
}

} // namespace marovane
