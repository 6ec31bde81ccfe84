#pragma once

#include <QWidget>

class QLabel;
class QTextEdit;

namespace marovane {

class BoardWidget;
class PictureStrip;
class SetupModel;
struct UnitSpecs;

// The details of the scenario chosen in the new-game dialog: its badge when it comes with the
// game, the description, board size, party and money, whether units are placed in advance, and
// two previews: the party's formation in its castle, and the unit types the scenario allows.
class ScenarioDetailsPanel : public QWidget {
    Q_OBJECT

public:
    explicit ScenarioDetailsPanel(QWidget* parent);

    // The texts of the chosen scenario, or only "Select a scenario" when there is none.
    void Show(const SetupModel& model);
    // The previews, in a picture set.
    void ShowPictures(const SetupModel& model, const PictureStrip& strip, const UnitSpecs& specs);

    QLabel* SizeLabel() const { return size_; }
    QLabel* Badge() const { return badge_; }
    BoardWidget* StartPreview() const { return startPreview_; }
    BoardWidget* UnitsPreview() const { return unitsPreview_; }

private:
    QLabel* noGame_;
    QLabel* badge_;
    QTextEdit* description_;
    QLabel* size_;
    QLabel* party_;
    QLabel* cash_;
    QLabel* advanced_;
    BoardWidget* startPreview_;
    BoardWidget* unitsPreview_;
};

} // namespace marovane
