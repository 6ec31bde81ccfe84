#include "ui/dialogs/ScenarioNamePrompt.h"

#include "scenario/ScenarioName.h"
#include "ui/Translated.h"

#include <QCoreApplication>
#include <QInputDialog>

namespace marovane {

std::optional<QString> AskNewScenarioName(QWidget* parent, const QString& name) {
    const QString prompt =
        QCoreApplication::translate("ScenarioNamePrompt", "Please enter the new name for '%1':")
            .arg(name);
    QString hint;
    QString answer = name;
    while (true) {
        bool ok = false;
        answer = QInputDialog::getText(
            parent, QCoreApplication::translate("ScenarioNamePrompt", "Rename Scenario"),
            hint + prompt, QLineEdit::Normal, answer, &ok);
        if (!ok || answer.trimmed().isEmpty())
            return std::nullopt;
        // The same rule as the editor's title, so a renamed scenario can be saved again.
        const ScenarioNameCheck check = CheckScenarioName(answer.toStdString());
        if (check.Accepted())
            return QString::fromStdString(check.Name);
        hint = "(" + Translated(check.Problem) + ")\n\n";
    }
}

} // namespace marovane
