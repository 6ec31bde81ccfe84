#pragma once

#include "engine/UnitSpecs.h"
#include "scenario/ScenarioEditorModel.h"
#include "scenario/ScenarioFolders.h"
#include "ui/PictureStrip.h"

#include <QDialog>
#include <QDir>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTemporaryDir;

namespace marovane {

class BoardWidget;
class PlacementDialog;

// "Custom Game": the editor of one scenario. Every rule of the scenario has a box here; the rules
// that tie the boxes together live in ScenarioEditorModel, which this window shows and which it
// tells about every click. "Save and Close" writes the scenario file named by the title.
class ScenarioEditor : public QDialog {
    Q_OBJECT

public:
    ScenarioEditor(const QDir& programDir, const ScenarioFolders& scenarios, const UnitSpecs& specs,
                   QWidget* parent = nullptr);
    ~ScenarioEditor() override;

    // Shows the editor without waiting, on a new scenario with every rule at its default, or on
    // a scenario of the list. The pictures are those of the named set. `finished` tells when it
    // closes; OpenExisting answers false, with a message, when the scenario cannot be read.
    void OpenNew(const QString& pictureSet);
    bool OpenExisting(const QString& name, const QString& pictureSet);
    // The scenario's name once the editor closed: the one saved or renamed, empty when it was
    // deleted or nothing was written.
    const QString& ResultName() const { return resultName_; }

    // ---- For the new-game dialog and the tests --------------------------------------------------
    const ScenarioEditorModel& Model() const { return model_; }
    QLineEdit* TitleBox() const { return title_; }
    QSpinBox* BoardSize(int i) const { return boardSize_[static_cast<size_t>(i)]; }
    QSpinBox* PartyBar() const { return party_; }
    QLineEdit* CashBox() const { return cash_; }
    QLineEdit* RewardBox() const { return reward_; }
    QCheckBox* TotalBox(int i) const { return totals_[static_cast<size_t>(i)]; }
    QCheckBox* TeamsBox(int i) const { return teams_[static_cast<size_t>(i)]; }
    QCheckBox* HumanBox(int p) const { return humans_[static_cast<size_t>(p)]; }
    QCheckBox* ComputerBox(int p) const { return computers_[static_cast<size_t>(p)]; }
    QCheckBox* WinBox(int i) const { return wins_[static_cast<size_t>(i)]; }
    QCheckBox* LoseBox(int i) const { return loses_[static_cast<size_t>(i)]; }
    QCheckBox* FogBox() const { return fog_; }
    QCheckBox* CastleBox() const { return castle_; }
    QCheckBox* KeepBox() const { return keep_; }
    QCheckBox* UnitBox(int i) const { return units_[static_cast<size_t>(i)]; }
    QCheckBox* ExtraBox(int i) const { return extras_[static_cast<size_t>(i)].Box; }
    QLineEdit* ExtraText(int i) const { return extras_[static_cast<size_t>(i)].Text; }
    QComboBox* ExtraType(int i) const { return extras_[static_cast<size_t>(i)].Type; }
    QLineEdit* ExtraAmount(int i) const { return extras_[static_cast<size_t>(i)].Amount; }
    QComboBox* ExtraChoice(int i) const { return extras_[static_cast<size_t>(i)].Choice; }
    QPlainTextEdit* DescriptionBox() const { return description_; }
    BoardWidget* Formation() const { return formation_; }
    QPushButton* AdvancedButton() const { return advanced_; }
    QCheckBox* AdvancedBox() const { return advancedBox_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* RenameButton() const { return rename_; }
    QPushButton* TestPlayButton() const { return testPlay_; }
    QLabel* Badge() const { return badge_; }
    QLabel* NoRewardLabel() const { return noReward_; }
    PlacementDialog* Placement() const { return placement_; }
    // What choosing entry e of a formation cell's pop-up does (0 empties, t + 1 puts type t).
    void ChooseFormationCell(int x, int y, int entry);
    void Save();
    void DoAdvanced();
    // Whether the editor closed for a Test Play and holds the author's unsaved work: Resume
    // shows it again as it was.
    bool TestPlayed() const { return testPlayed_; }
    void Resume();

signals:
    // "Test Play": a game against the computer of the scenario as the boxes describe it, from
    // a file outside the scenario folders; nothing is saved.
    void TestPlayWanted(const QString& path, const GameDef& def);

private:
    struct ExtraControls {
        QCheckBox* Box = nullptr;
        QLabel* Label = nullptr;
        QLineEdit* Text = nullptr;
        QComboBox* Type = nullptr;
        QLineEdit* Amount = nullptr;
        QComboBox* Choice = nullptr;
    };

    void Build();
    void Connect();
    void Begin(const QString& pictureSet);
    // Shows the model in every control; their signals are held back meanwhile.
    void Show();
    void ShowFormation();
    void FormationPressed(int button, int x, int y);
    void Delete();
    void Rename();
    void TestPlay();
    void Fail(const QString& message);

    QDir programDir_;
    const ScenarioFolders& scenarios_;
    const UnitSpecs& specs_;
    ScenarioEditorModel model_;
    PictureStrip strip_;
    QString resultName_;
    bool showing_ = false;
    bool changeable_ = false;
    bool testPlayed_ = false;
    // The file of the last Test Play; it lives as long as the editor.
    std::unique_ptr<QTemporaryDir> testFolder_;

    QLineEdit* title_ = nullptr;
    QLabel* badge_ = nullptr;
    std::array<QSpinBox*, 2> boardSize_{};
    QSpinBox* party_ = nullptr;
    QLineEdit* cash_ = nullptr;
    QLineEdit* reward_ = nullptr;
    QLabel* noReward_ = nullptr;
    std::array<QCheckBox*, 4> totals_{};
    std::array<QCheckBox*, 5> teams_{};
    std::array<QCheckBox*, 4> humans_{};
    std::array<QCheckBox*, 4> computers_{};
    std::array<QCheckBox*, 2> wins_{};
    std::array<QCheckBox*, 3> loses_{};
    QCheckBox* fog_ = nullptr;
    QCheckBox* castle_ = nullptr;
    QCheckBox* keep_ = nullptr;
    std::array<QCheckBox*, ScenarioEditorModel::kUnitKinds> units_{};
    QPushButton* noUnits_ = nullptr;
    QPushButton* allUnits_ = nullptr;
    std::array<ExtraControls, 2> extras_{};
    QPlainTextEdit* description_ = nullptr;
    BoardWidget* formation_ = nullptr;
    QPushButton* advanced_ = nullptr;
    QCheckBox* advancedBox_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* testPlay_ = nullptr;
    PlacementDialog* placement_ = nullptr;
};

} // namespace marovane
