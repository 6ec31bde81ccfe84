#include "ui/dialogs/ScenarioNamePrompt.h"

#include "scenario/ScenarioFiles.h"

#include <QInputDialog>

namespace marovane {

std::optional<QString> AskNewScenarioName(QWidget* parent, const QString& name) {
    const QString prompt = "Please enter the new name for '" + name + "':";
    QString hint;
    QString answer = name;
    while (true) {
        bool ok = false;
        answer = QInputDialog::getText(parent, "Rename Scenario", hint + prompt, QLineEdit::Normal,
                                       answer, &ok);
        if (!ok || answer.isEmpty())
            return std::nullopt;
        if (scenario_files::ValidName(answer.toStdString()))
            return answer;
        hint = "(Names cannot contain < > ? . / \\ : * )\n\n";
    }
}

} // namespace marovane
