#pragma once

#include <QString>

#include <string>

namespace marovane {

// A unit type's name as the window shows it. The names of the shipped unit table are shown in
// the player's language; a name from a table someone changed is shown as it stands (Latin-1).
// The unit table itself, the files and the network keep the English names.
QString UnitNameShown(const std::string& name);

} // namespace marovane
