#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

namespace marovane::art {

// A mouse pointer picture, 32 x 32 with an alpha channel, and the pixel that does the
// pointing.
struct Pointer {
    QString Name;
    QImage Image;
    QPoint HotSpot;
};

// The pointers that say what a click on the board would do: Run (move), Attack (close
// combat), Arrow (shoot), Rock (catapult), Magic (heal), Oil (pour from a wall), Repair.
std::vector<Pointer> MakePointers();

} // namespace marovane::art
