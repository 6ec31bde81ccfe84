#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace marovane::art {

// The sizes in pixels the icons are drawn at for the desktop's icon theme, besides the scalable
// one.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The program's icon and the icons of its two document types.
enum class IconKind { Program, Scenario, SavedGame };

// The freedesktop name of an icon: "marovane", "application-x-marovane-scenario",
// "application-x-marovane-savegame".
QString IconName(IconKind kind);
// The short name used in the resource file: "marovane", "scenario", "savegame".
QString IconResourceName(IconKind kind);

// Drawn as vectors at every size, so small icons stay sharp instead of being shrunk.
QImage MakeIcon(IconKind kind, int size);
// The same drawing as a scalable (SVG) icon.
QByteArray MakeScalableIcon(IconKind kind);

} // namespace marovane::art
