#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace marovane {

// The new-game dialog's list of scenarios and its button for a new one. The selection, not the
// current row, names the chosen scenario: focus alone makes the first row current without
// selecting it, and nothing may look chosen that is not highlighted.
class ScenarioListPanel : public QWidget {
    Q_OBJECT

public:
    explicit ScenarioListPanel(QWidget* parent);

    QListWidget* List() const { return list_; }
    QPushButton* NewScenarioButton() const { return newScenario_; }
    // The selected scenario's name; empty when none is selected.
    QString SelectedName() const;
    // Lists the names afresh, with nothing selected.
    void SetNames(const std::vector<std::string>& names);
    // Selects the first scenario of that name, ignoring case: the whole name first, as the
    // scenario files are looked up (an old scenario may have a ".def" of its own), then without
    // a ".def" ending. False, and nothing changed, when there is none.
    bool Select(const QString& name);
    void ClearSelection();
    // The list asks for little more than its least width, so the dialog fits a small screen.
    QSize sizeHint() const override;

signals:
    // The player selected a scenario, or cleared the selection.
    void SelectionChanged();
    void PlayWanted();
    // The right mouse button on a scenario, which is selected first.
    void PopupWanted(const QPoint& global);

private:
    QListWidget* list_;
    QPushButton* newScenario_;
};

} // namespace marovane
