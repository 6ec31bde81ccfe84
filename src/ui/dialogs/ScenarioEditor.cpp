#include "ui/dialogs/ScenarioEditor.h"
#include "ui/QtText.h"
#include "ui/Translated.h"

#include "engine/Game.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "scenario/ScenarioFiles.h"
#include "scenario/ScenarioName.h"
#include "ui/BoardWidget.h"
#include "ui/LocalPath.h"
#include "ui/Translated.h"
#include "ui/dialogs/FormationPreview.h"
#include "ui/dialogs/PlacementDialog.h"
#include "ui/dialogs/ScenarioNamePrompt.h"
#include "ui/dialogs/UnitPopup.h"
#include "util/Error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace marovane {

namespace {

// Scenario names travel as the scenario list has them (as file names); the texts inside a
// scenario are Latin-1.
std::string ToLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

void SetTextKeepingCursor(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

void ShowBox(QCheckBox* box, const EditorBox& state) {
    box->setChecked(state.Checked);
    box->setEnabled(state.Enabled);
}

} // namespace

ScenarioEditor::ScenarioEditor(const QDir& programDir, const ScenarioFolders& scenarios,
                               const UnitSpecs& specs, QWidget* parent)
    : QDialog(parent), programDir_(programDir), scenarios_(scenarios), specs_(specs) {
    setWindowTitle(tr("Custom Game"));
    setObjectName("frmCustom");
    Build();
    Connect();
    placement_ = new PlacementDialog(specs_, strip_, this);
    connect(placement_, &QDialog::finished, this, [this] {
        model_.PlacementEdited(placement_->Result());
        Show();
    });
}

ScenarioEditor::~ScenarioEditor() = default;

void ScenarioEditor::Connect() {
    // Every change goes to the model, and the model's answer is shown again, because one box's
    // rule may tick, untick or lock others.
    const auto then = [this](auto change) {
        return [this, change](auto&&... args) {
            if (showing_)
                return;
            change(args...);
            Show();
        };
    };
    connect(title_, &QLineEdit::textChanged, this,
            then([this](const QString& text) { model_.SetTitle(text.toStdString()); }));
    for (int i = 0; i < 2; ++i) {
        connect(boardSize_[static_cast<size_t>(i)], &QSpinBox::valueChanged, this,
                then([this, i](int value) { (i == 0 ? model_.Width : model_.Height) = value; }));
    }
    connect(party_, &QSpinBox::valueChanged, this,
            then([this](int value) { model_.PartySize = value; }));
    connect(cash_, &QLineEdit::textEdited, this,
            then([this](const QString& text) { model_.Treasury = ToLatin1(text); }));
    connect(reward_, &QLineEdit::textEdited, this,
            then([this](const QString& text) { model_.Reward = ToLatin1(text); }));
    for (int i = 0; i < 4; ++i) {
        connect(totals_[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetTotal(i, on); }));
        connect(humans_[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetHuman(i, on); }));
        connect(computers_[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetComputer(i, on); }));
    }
    for (int i = 0; i < 5; ++i)
        connect(teams_[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetTeams(i, on); }));
    for (int i = 0; i < 2; ++i)
        connect(wins_[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetWin(i, on); }));
    for (int i = 0; i < 3; ++i)
        connect(loses_[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetLose(i, on); }));
    connect(fog_, &QCheckBox::clicked, this, then([this](bool on) { model_.Fog = on; }));
    connect(castle_, &QCheckBox::clicked, this, then([this](bool on) { model_.Castle = on; }));
    connect(keep_, &QCheckBox::clicked, this, then([this](bool on) { model_.Keep = on; }));
    for (int i = 0; i < ScenarioEditorModel::kUnitKinds; ++i)
        connect(units_[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetUnit(i, on); }));
    connect(noUnits_, &QPushButton::clicked, this,
            then([this](bool) { model_.SetAllUnits(false); }));
    connect(allUnits_, &QPushButton::clicked, this,
            then([this](bool) { model_.SetAllUnits(true); }));
    for (int i = 0; i < 2; ++i) {
        const ExtraControls& extra = extras_[static_cast<size_t>(i)];
        connect(extra.Box, &QCheckBox::clicked, this,
                then([this, i](bool on) { model_.SetExtraTicked(i, on); }));
        connect(extra.Text, &QLineEdit::textEdited, this,
                then([this, i](const QString& text) { model_.SetExtraText(i, ToLatin1(text)); }));
        connect(extra.Type, QOverload<int>::of(&QComboBox::activated), this,
                then([this, i](int index) { model_.SetExtraType(i, index); }));
        connect(extra.Amount, &QLineEdit::textEdited, this,
                then([this, i](const QString& text) { model_.SetExtraAmount(i, ToLatin1(text)); }));
        connect(extra.Choice, QOverload<int>::of(&QComboBox::activated), this,
                then([this, i](int index) { model_.ChooseAmount(i, index); }));
    }
    connect(description_, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            model_.Description = ToLatin1(description_->toPlainText());
    });
    connect(formation_, &BoardWidget::CellMouseDown, this,
            [this](int button, int, int x, int y) { FormationPressed(button, x, y); });
    connect(advanced_, &QPushButton::clicked, this, &ScenarioEditor::DoAdvanced);
    connect(advancedBox_, &QCheckBox::clicked, this, [this](bool on) {
        model_.Advanced = on;
        if (on && model_.AdvancedNeedsEditor())
            DoAdvanced();
        else
            Show();
    });
    connect(save_, &QPushButton::clicked, this, &ScenarioEditor::Save);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(delete_, &QPushButton::clicked, this, &ScenarioEditor::Delete);
    connect(rename_, &QPushButton::clicked, this, &ScenarioEditor::Rename);
    connect(testPlay_, &QPushButton::clicked, this, &ScenarioEditor::TestPlay);
}

// ---- Opening --------------------------------------------------------------------------------

void ScenarioEditor::OpenNew(const QString& pictureSet) {
    model_ = ScenarioEditorModel();
    model_.SetTitle(ScenarioEditorModel::FreeTitle(
        [this](const std::string& title) { return scenarios_.Find(title).has_value(); }));
    Begin(pictureSet);
}

bool ScenarioEditor::OpenExisting(const QString& name, const QString& pictureSet) {
    try {
        const GameDef def = ReadDefFile(scenario_files::Existing(scenarios_, name.toStdString()));
        model_.Load(def, name.toStdString());
        changeable_ = scenarios_.Changeable(name.toStdString());
    } catch (const Error& error) {
        Fail(Translated(error.Message()));
        return false;
    }
    Begin(pictureSet);
    return true;
}

void ScenarioEditor::Begin(const QString& pictureSet) {
    resultName_.clear();
    testPlayed_ = false;
    strip_.Load(programDir_, pictureSet);
    Show();
    open();
    // A new scenario starts with its title, an existing one with its description.
    if (title_->isEnabled()) {
        title_->setFocus();
        title_->selectAll();
    } else {
        description_->setFocus();
        description_->selectAll();
    }
}

// ---- Showing the model ------------------------------------------------------------------------

void ScenarioEditor::Show() {
    showing_ = true;
    const ScenarioEditorModel& m = model_;
    SetTextKeepingCursor(title_, QString::fromStdString(m.Title()));
    title_->setEnabled(m.TitleEditable());
    badge_->setVisible(m.BuiltIn());
    save_->setEnabled(m.CanSave());
    // Scenarios that came with an installed program stay as they are, as on the list.
    delete_->setVisible(m.ShowsDelete() && changeable_);
    rename_->setVisible(m.ShowsRename() && changeable_);
    const int sizes[] = {m.Width, m.Height};
    for (size_t i = 0; i < 2; ++i)
        boardSize_[i]->setValue(sizes[i]);
    party_->setValue(m.PartySize);
    SetTextKeepingCursor(cash_, Latin1(m.Treasury));
    SetTextKeepingCursor(reward_, Latin1(m.Reward));
    reward_->setVisible(m.RewardShown());
    noReward_->setVisible(!m.RewardShown());
    for (int i = 0; i < 4; ++i) {
        ShowBox(totals_[static_cast<size_t>(i)], m.Total(i));
        ShowBox(humans_[static_cast<size_t>(i)], m.Human(i));
        ShowBox(computers_[static_cast<size_t>(i)], m.Computer(i));
    }
    for (int i = 0; i < 5; ++i)
        ShowBox(teams_[static_cast<size_t>(i)], m.Teams(i));
    for (int i = 0; i < 2; ++i)
        ShowBox(wins_[static_cast<size_t>(i)], m.Win(i));
    for (int i = 0; i < 3; ++i)
        ShowBox(loses_[static_cast<size_t>(i)], m.Lose(i));
    fog_->setChecked(m.Fog);
    castle_->setChecked(m.Castle);
    keep_->setChecked(m.Keep);
    for (int i = 0; i < ScenarioEditorModel::kUnitKinds; ++i)
        ShowBox(units_[static_cast<size_t>(i)], m.Unit(i));
    for (int i = 0; i < 2; ++i) {
        const ExtraControls& controls = extras_[static_cast<size_t>(i)];
        const ScenarioEditorModel::Extra& extra = m.ExtraOption(i);
        controls.Box->setChecked(extra.Ticked);
        for (QWidget* widget :
             std::initializer_list<QWidget*>{controls.Text, controls.Type, controls.Amount})
            widget->setEnabled(extra.Ticked);
        controls.Label->setEnabled(extra.Ticked); // greyed while the option is off
        SetTextKeepingCursor(controls.Text, Latin1(extra.Text));
        controls.Type->setCurrentIndex(extra.Type >= 0 && extra.Type <= 12 ? extra.Type : -1);
        SetTextKeepingCursor(controls.Amount, Latin1(extra.Amount));
        const auto choices = ScenarioEditorModel::AmountChoices(extra.Type);
        controls.Choice->clear();
        for (const std::string& caption : choices)
            controls.Choice->addItem(Translated(Tx("Editor", caption.c_str())));
        controls.Choice->setCurrentIndex(m.AmountChoice(i));
        controls.Choice->setVisible(!choices.empty());
        controls.Choice->setEnabled(extra.Ticked);
        // A pure toggle needs no amount.
        const bool pureToggle =
            extra.Type == 7 || extra.Type == 8 || extra.Type == 9 || extra.Type == 12;
        controls.Amount->setEnabled(extra.Ticked && !pureToggle && choices.empty());
    }
    if (description_->toPlainText() != Latin1(m.Description))
        description_->setPlainText(Latin1(m.Description));
    advancedBox_->setChecked(m.Advanced);
    ShowFormation();
    showing_ = false;
}

void ScenarioEditor::ShowFormation() {
    marovane::ShowFormation(
        *formation_, [this](int x, int y) { return model_.Formation(x, y); }, model_.Keep,
        model_.Castle, strip_, specs_);
}

// ---- The formation and the advanced placements --------------------------------------------------

void ScenarioEditor::FormationPressed(int button, int x, int y) {
    if (button != 2)
        return;
    formation_->Highlight(x, y, QColor(Qt::white));
    const int value = model_.Formation(x, y);
    std::vector<UnitPopupEntry> entries(kUnitTypes + 1);
    entries[0] = {true, value == 0};
    for (int t = 0; t < kUnitTypes; ++t) {
        entries[static_cast<size_t>(t + 1)] = {
            model_.FormationOffers(t, specs_.UnitName[t], specs_.UnitCost[t]), value == t + 1};
    }
    const int chosen =
        ShowUnitPopup(this, specs_, entries,
                      formation_->mapToGlobal(formation_->CellRect(x, y).center().toPoint()));
    if (chosen >= 0)
        ChooseFormationCell(x, y, chosen);
    formation_->HighlightOff();
}

void ScenarioEditor::ChooseFormationCell(int x, int y, int entry) {
    model_.SetFormation(x, y, entry);
    ShowFormation();
}

void ScenarioEditor::DoAdvanced() {
    placement_->Open(model_.BoardDef(), model_.LargestTotal(), model_.Placement());
}

// ---- Files ----------------------------------------------------------------------------------

void ScenarioEditor::Fail(const QString& message) {
    QMessageBox::warning(this, windowTitle(), message);
}

void ScenarioEditor::Save() {
    const Text problem = model_.SaveProblem(
        [this](const std::string& title) { return scenarios_.Find(title).has_value(); });
    if (problem != Text()) {
        Fail(Translated(problem));
        return;
    }
    const std::string name = model_.SaveName();
    // A scenario read from the player's folder is written back to its own file, whatever the
    // case of its name and extension there.
    const auto own = model_.Existing() && changeable_ ? scenarios_.Find(name) : std::nullopt;
    try {
        const GameDef def = model_.ToDef();
        WriteDefFile(own ? *own : scenarios_.Writable() / (name + ".def"), def);
    } catch (const Error& error) {
        // The editor stays open with everything the author entered.
        Fail(Translated(error.Message()));
        return;
    }
    resultName_ = QString::fromStdString(name);
    formation_->ClearLines();
    accept();
}

void ScenarioEditor::Delete() {
    const QString question = Translated(scenario_files::DeleteQuestion(scenarios_, model_.Title()));
    if (QMessageBox::question(this, tr("Confirm Delete"), question,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        scenario_files::Delete(scenarios_, model_.Title());
    } catch (const Error& error) {
        Fail(Translated(error.Message()));
        return;
    }
    resultName_.clear();
    reject();
}

void ScenarioEditor::Rename() {
    const QString name = QString::fromStdString(model_.Title());
    const auto answer = AskNewScenarioName(this, name);
    if (!answer)
        return;
    try {
        const std::string renamed =
            scenario_files::Rename(scenarios_, model_.Title(), answer->toStdString());
        model_.Renamed(renamed);
        resultName_ = QString::fromStdString(renamed);
    } catch (const Error& error) {
        Fail(Translated(error.Message()));
        return;
    }
    Show();
}

void ScenarioEditor::TestPlay() {
    GameDef def;
    try {
        def = model_.ToDef();
    } catch (const Error& error) {
        Fail(Translated(error.Message()));
        return;
    }
    // The game is made from a file, as every game is; this one lies outside the scenario
    // folders, named by the title so the game shows it.
    const ScenarioNameCheck title = CheckScenarioName(model_.Title());
    const std::string name = title.Accepted() ? title.Name : std::string("Test Play");
    testFolder_ = std::make_unique<QTemporaryDir>();
    const QString path = testFolder_->filePath(QString::fromStdString(name) + ".def");
    try {
        if (!testFolder_->isValid())
            throw Error(Tx("ScenarioEditor", "No temporary folder can be made for the test game."));
        WriteDefFile(ToLocalPath(path), def);
    } catch (const Error& error) {
        Fail(Translated(error.Message()));
        return;
    }
    testPlayed_ = true;
    resultName_.clear();
    hide();
    setResult(QDialog::Rejected);
    emit TestPlayWanted(path, def);
}

void ScenarioEditor::Resume() {
    testPlayed_ = false;
    Show();
    open();
}

} // namespace marovane
