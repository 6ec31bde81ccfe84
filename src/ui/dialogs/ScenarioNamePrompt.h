#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace marovane {

// Asks for a scenario's new name, as the scenario list and the editor both rename: the old name
// to start from, and again with the rule when the name holds a character that no scenario name
// may (CheckScenarioName). The name as it is stored, trimmed; nothing when the player cancels or
// leaves the name empty.
std::optional<QString> AskNewScenarioName(QWidget* parent, const QString& name);

} // namespace marovane
