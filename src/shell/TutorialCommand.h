#pragma once

#include <QDir>
#include <QObject>
#include <QTimer>

namespace marovane {

class GameWindow;

// Help > Tutorial: after asking whether to end a game in progress, starts the tutorial scenario
// of the program folder with the letter pictures. The window opens the tutorial's help once the
// game has started.
class TutorialCommand : public QObject {
    Q_OBJECT

public:
    TutorialCommand(GameWindow& window, const QDir& programDir);

    void Start();

private:
    void Failed();

    GameWindow& window_;
    QDir programDir_;
    // A running game stops first; the tutorial starts once its work has unwound.
    QTimer pendingStart_;
};

} // namespace marovane
