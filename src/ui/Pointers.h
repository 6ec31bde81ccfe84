#pragma once

#include "engine/Game.h"

#include <QCursor>
#include <QHash>
#include <QString>

namespace marovane {

// The board's mouse pointers: our own pictures from the program's resources, with the hot spots
// listed beside them, and the system's pointers for the rest.
class Pointers {
public:
    Pointers();

    // The pointer that names what a click would do.
    QCursor For(ClickAction action) const;
    // A custom pointer by name (Run, Attack, Arrow, Rock, Magic, Oil, Repair); the system's
    // arrow when the picture is missing.
    QCursor Named(const QString& name) const;

private:
    QHash<QString, QCursor> cursors_;
};

} // namespace marovane
