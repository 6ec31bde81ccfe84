#pragma once

class QDir;
class QWidget;

namespace marovane {

// Registers the game's two document types with the desktop at start, scenarios (".def") first,
// then saved games (".mvg"): written when missing, and after a Yes/No question over `parent`
// when another program (or another copy of this one) has them. The icons come from the program
// folder's "icons".
void RegisterDocumentTypes(QWidget* parent, const QDir& programDir);

} // namespace marovane
