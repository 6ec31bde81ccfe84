#include "ui/dialogs/ScenarioEditor.h"

#include "engine/Game.h"
#include "scenario/CastleOutline.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "scenario/ScenarioFiles.h"
#include "ui/BoardWidget.h"
#include "ui/dialogs/PlacementDialog.h"
#include "ui/dialogs/ScenarioNamePrompt.h"
#include "ui/dialogs/UnitPopup.h"
#include "util/Error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

namespace marovane {

namespace {

// The title box takes only characters a scenario's file name may hold.
class TitleValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            if (ScenarioEditorModel::TitleCharRefused(c.unicode()))
                return Invalid;
        }
        return Acceptable;
    }
};

// Scenario names travel as the scenario list has them (as file names); the texts inside a
// scenario are Latin-1.
QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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

// The editor's scroll bars count up towards their top end, as a value would on a gauge.
QScrollBar* CountingBar(QWidget* parent, int minimum, int maximum, const char* name) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setInvertedAppearance(true);
    bar->setInvertedControls(false);
    bar->setFixedHeight(52);
    return bar;
}

} // namespace

ScenarioEditor::ScenarioEditor(const QDir& programDir, const ScenarioFolders& scenarios,
                               const UnitSpecs& specs, QWidget* parent)
    : QDialog(parent), programDir_(programDir), scenarios_(scenarios), specs_(specs) {
    setWindowTitle("Custom Game");
    setObjectName("frmCustom");
    Build();
    Connect();
}

void ScenarioEditor::Build() {
    auto* layout = new QVBoxLayout(this);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel("&Title:", this));
    title_ = new QLineEdit(this);
    title_->setObjectName("txtTitle");
    title_->setValidator(new TitleValidator(title_));
    title_->setMaxLength(120);
    qobject_cast<QLabel*>(titleRow->itemAt(0)->widget())->setBuddy(title_);
    titleRow->addWidget(title_, 1);
    badge_ = new QLabel(this);
    badge_->setPixmap(QPixmap(":/icons/marovane-48.png")
                          .scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    badge_->setToolTip("A scenario that comes with Marovane");
    titleRow->addWidget(badge_);
    layout->addLayout(titleRow);

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    // ---- Left: board, money and players ----
    auto* left = new QVBoxLayout;
    auto* boardGroup = new QGroupBox("Board", this);
    auto* boardGrid = new QGridLayout(boardGroup);
    const char* sizeNames[] = {"Width", "Height"};
    for (int i = 0; i < 2; ++i) {
        boardSize_[static_cast<size_t>(i)] = CountingBar(
            boardGroup, ScenarioEditorModel::kMinBoardSide, ScenarioEditorModel::kMaxBoardSide,
            i == 0 ? "vsbBoardSize0" : "vsbBoardSize1");
        boardSizeLabel_[static_cast<size_t>(i)] = new QLabel(boardGroup);
        boardGrid->addWidget(new QLabel(sizeNames[i], boardGroup), 0, i * 2, 1, 2);
        boardGrid->addWidget(boardSize_[static_cast<size_t>(i)], 1, i * 2);
        boardGrid->addWidget(boardSizeLabel_[static_cast<size_t>(i)], 1, i * 2 + 1);
    }
    party_ = CountingBar(boardGroup, ScenarioEditorModel::kMinParty, ScenarioEditorModel::kMaxParty,
                         "vsbParty");
    partyLabel_ = new QLabel(boardGroup);
    boardGrid->addWidget(new QLabel("Party", boardGroup), 0, 4, 1, 2);
    boardGrid->addWidget(party_, 1, 4);
    boardGrid->addWidget(partyLabel_, 1, 5);
    left->addWidget(boardGroup);

    auto* moneyGroup = new QGroupBox("Money", this);
    auto* moneyGrid = new QGridLayout(moneyGroup);
    cash_ = new QLineEdit(moneyGroup);
    cash_->setObjectName("txtCash");
    reward_ = new QLineEdit(moneyGroup);
    reward_->setObjectName("txtRescue");
    noReward_ = new QLabel("None", moneyGroup);
    noReward_->setObjectName("lblNoRescue");
    moneyGrid->addWidget(new QLabel("Treasury:", moneyGroup), 0, 0);
    moneyGrid->addWidget(cash_, 0, 1);
    moneyGrid->addWidget(new QLabel("Rescue reward:", moneyGroup), 1, 0);
    moneyGrid->addWidget(reward_, 1, 1);
    moneyGrid->addWidget(noReward_, 1, 1);
    left->addWidget(moneyGroup);

    auto* playersGroup = new QGroupBox("Players", this);
    auto* playersGrid = new QGridLayout(playersGroup);
    playersGrid->addWidget(new QLabel("Total Players:", playersGroup), 0, 0);
    for (int i = 0; i < 4; ++i) {
        totals_[static_cast<size_t>(i)] = new QCheckBox(QString::number(i + 1), playersGroup);
        totals_[static_cast<size_t>(i)]->setObjectName("chkTotal" + QString::number(i));
        playersGrid->addWidget(totals_[static_cast<size_t>(i)], 0, i + 1);
        playersGrid->addWidget(new QLabel("Player " + QString::number(i + 1), playersGroup), i + 1,
                               0);
        humans_[static_cast<size_t>(i)] = new QCheckBox("Human", playersGroup);
        humans_[static_cast<size_t>(i)]->setObjectName("chkHuman" + QString::number(i));
        computers_[static_cast<size_t>(i)] = new QCheckBox("Computer", playersGroup);
        computers_[static_cast<size_t>(i)]->setObjectName("chkComp" + QString::number(i));
        playersGrid->addWidget(humans_[static_cast<size_t>(i)], i + 1, 1, 1, 2);
        playersGrid->addWidget(computers_[static_cast<size_t>(i)], i + 1, 3, 1, 2);
    }
    left->addWidget(playersGroup);

    auto* teamsGroup = new QGroupBox("Teams", this);
    auto* teamsGrid = new QGridLayout(teamsGroup);
    const char* teamNames[] = {"Free for All", "Human / CPU", "Left / Right", "Top / Bottom",
                               "Diagonals"};
    for (int i = 0; i < 5; ++i) {
        teams_[static_cast<size_t>(i)] = new QCheckBox(teamNames[i], teamsGroup);
        teams_[static_cast<size_t>(i)]->setObjectName("chkTeams" + QString::number(i));
        teamsGrid->addWidget(teams_[static_cast<size_t>(i)], i / 2, i % 2);
    }
    left->addWidget(teamsGroup);
    left->addStretch();
    columns->addLayout(left);

    // ---- Middle: conditions, board options, units ----
    auto* middle = new QVBoxLayout;
    auto* winGroup = new QGroupBox("Win", this);
    auto* winBox = new QVBoxLayout(winGroup);
    const char* winNames[] = {"Conquest", "Royalty"};
    for (int i = 0; i < 2; ++i) {
        wins_[static_cast<size_t>(i)] = new QCheckBox(winNames[i], winGroup);
        wins_[static_cast<size_t>(i)]->setObjectName("chkWin" + QString::number(i + 1));
        winBox->addWidget(wins_[static_cast<size_t>(i)]);
    }
    auto* loseGroup = new QGroupBox("Lose", this);
    auto* loseBox = new QVBoxLayout(loseGroup);
    const char* loseNames[] = {"Conquest", "Royalty", "Keep"};
    for (int i = 0; i < 3; ++i) {
        loses_[static_cast<size_t>(i)] = new QCheckBox(loseNames[i], loseGroup);
        loses_[static_cast<size_t>(i)]->setObjectName("chkLose" + QString::number(i + 1));
        loseBox->addWidget(loses_[static_cast<size_t>(i)]);
    }
    auto* conditions = new QHBoxLayout;
    conditions->addWidget(winGroup);
    conditions->addWidget(loseGroup);
    middle->addLayout(conditions);

    auto* optionsGroup = new QGroupBox("Options", this);
    auto* optionsBox = new QVBoxLayout(optionsGroup);
    fog_ = new QCheckBox("Fog of War", optionsGroup);
    fog_->setObjectName("chkFog");
    castle_ = new QCheckBox("Use Castle", optionsGroup);
    castle_->setObjectName("chkCastle");
    keep_ = new QCheckBox("Use Keep", optionsGroup);
    keep_->setObjectName("chkKeep");
    for (QCheckBox* box : {fog_, castle_, keep_})
        optionsBox->addWidget(box);
    middle->addWidget(optionsGroup);

    auto* unitsGroup = new QGroupBox("Units", this);
    auto* unitsGrid = new QGridLayout(unitsGroup);
    const char* unitNames[] = {"Peasant", "Priest",      "Catapult",     "Cavalry",     "Infantry",
                               "Archer",  "Light Armor", "Medium Armor", "Heavy Armor", "Royalty"};
    for (int i = 0; i < ScenarioEditorModel::kUnitKinds; ++i) {
        units_[static_cast<size_t>(i)] = new QCheckBox(unitNames[i], unitsGroup);
        units_[static_cast<size_t>(i)]->setObjectName("chkUnits" + QString::number(i));
    }
    // Peasant, Priest, Catapult, Royalty on the left; the classes and their armours beside.
    const int leftColumn[] = {0, 1, 2, 9};
    for (int row = 0; row < 4; ++row)
        unitsGrid->addWidget(units_[static_cast<size_t>(leftColumn[row])], row, 0);
    for (int k = 0; k < 3; ++k) {
        unitsGrid->addWidget(units_[static_cast<size_t>(3 + k)], k, 1);
        unitsGrid->addWidget(units_[static_cast<size_t>(6 + k)], k, 2);
    }
    noUnits_ = new QPushButton("&None", unitsGroup);
    allUnits_ = new QPushButton("&All", unitsGroup);
    unitsGrid->addWidget(noUnits_, 3, 1);
    unitsGrid->addWidget(allUnits_, 3, 2);
    middle->addWidget(unitsGroup);
    middle->addStretch();
    columns->addLayout(middle);

    // ---- Right: formation, advanced placements, extra options ----
    auto* right = new QVBoxLayout;
    auto* formationGroup = new QGroupBox("Starting Formation", this);
    auto* formationBox = new QVBoxLayout(formationGroup);
    formation_ = new BoardWidget(formationGroup);
    formation_->setObjectName("brdStart");
    formation_->SetSize(4, 4);
    formation_->SetBackColor(QColor(90, 120, 60));
    formation_->SetCellWidth(static_cast<int>(36 * formation_->Geometry().Tpp()));
    formation_->SetCellHeight(static_cast<int>(36 * formation_->Geometry().Tpp()));
    formation_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    formation_->setToolTip("Right-click a cell to choose its unit");
    formationBox->addWidget(formation_, 0, Qt::AlignHCenter);
    advanced_ = new QPushButton("   &Advanced", formationGroup);
    advanced_->setObjectName("cmdAdvanced");
    advanced_->setToolTip("Place units of every player anywhere on the board");
    // The box sits inside the button and moves with it when pressed.
    advancedBox_ = new QCheckBox(advanced_);
    advancedBox_->setObjectName("chkAdvanced");
    auto* inside = new QHBoxLayout(advanced_);
    inside->setContentsMargins(8, 0, 0, 0);
    inside->addWidget(advancedBox_, 0, Qt::AlignVCenter);
    inside->addStretch();
    advanced_->setMinimumHeight(advancedBox_->sizeHint().height() + 10);
    formationBox->addWidget(advanced_);
    right->addWidget(formationGroup);

    for (int i = 0; i < 2; ++i) {
        ExtraControls& extra = extras_[static_cast<size_t>(i)];
        auto* group = new QWidget(this);
        auto* grid = new QGridLayout(group);
        grid->setContentsMargins(0, 4, 0, 4);
        extra.Box = new QCheckBox(group);
        extra.Box->setObjectName("chkOption" + QString::number(i));
        extra.Label = new QLabel("Extra Option " + QString::number(i + 1), group);
        extra.Text = new QLineEdit(group);
        extra.Text->setObjectName("txtOptDesc" + QString::number(i));
        extra.Text->setMaxLength(static_cast<int>(GameDef::kOptionTextSize));
        extra.Type = new QComboBox(group);
        extra.Type->setObjectName("cboOptionType" + QString::number(i));
        for (int code = 0; code <= 12; ++code)
            extra.Type->addItem(OptionTypeCaption(code));
        extra.Amount = new QLineEdit(group);
        extra.Amount->setObjectName("txtInc" + QString::number(i));
        extra.Amount->setMaximumWidth(70);
        extra.Choice = new QComboBox(group);
        extra.Choice->setObjectName("cboExtra" + QString::number(i));
        grid->addWidget(extra.Box, 0, 0);
        grid->addWidget(extra.Label, 0, 1);
        grid->addWidget(extra.Text, 0, 2, 1, 2);
        grid->addWidget(extra.Type, 1, 1, 1, 2);
        grid->addWidget(extra.Amount, 1, 3);
        grid->addWidget(extra.Choice, 2, 1, 1, 3);
        right->addWidget(group);
    }
    right->addStretch();
    columns->addLayout(right);

    layout->addWidget(new QLabel("Description:", this));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName("txtDesc");
    description_->setFixedHeight(70);
    layout->addWidget(description_);

    auto* buttons = new QHBoxLayout;
    save_ = new QPushButton("&Save and Close", this);
    save_->setObjectName("cmdSave");
    close_ = new QPushButton("&Close", this);
    delete_ = new QPushButton("&Delete", this);
    delete_->setObjectName("cmdDelete");
    rename_ = new QPushButton("&Rename", this);
    rename_->setObjectName("cmdRename");
    buttons->addWidget(delete_);
    buttons->addWidget(rename_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);
    save_->setDefault(true);
}

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
        connect(boardSize_[static_cast<size_t>(i)], &QScrollBar::valueChanged, this,
                then([this, i](int value) { (i == 0 ? model_.Width : model_.Height) = value; }));
    }
    connect(party_, &QScrollBar::valueChanged, this,
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
        const auto file = scenarios_.Find(name.toStdString());
        if (!file)
            throw Error("The scenario '" + name.toStdString() + "' no longer exists.");
        const GameDef def = ReadDefFile(*file);
        model_.Load(def, name.toStdString());
        changeable_ = scenarios_.Changeable(name.toStdString());
    } catch (const Error& error) {
        Fail(Latin1(error.what()));
        return false;
    }
    Begin(pictureSet);
    return true;
}

void ScenarioEditor::Begin(const QString& pictureSet) {
    resultName_.clear();
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
    for (size_t i = 0; i < 2; ++i) {
        boardSize_[i]->setValue(sizes[i]);
        boardSizeLabel_[i]->setText(QString::number(sizes[i]));
    }
    party_->setValue(m.PartySize);
    partyLabel_->setText(QString::number(m.PartySize));
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
            controls.Choice->addItem(Latin1(caption));
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
    formation_->ClearLines();
    const QColor castleColour(static_cast<QRgb>(kStandardPlayerColors[1]));
    for (const OutlineSegment& line : CastleOutline(model_.Keep, model_.Castle)) {
        formation_->DrawLine(line.From.X, line.From.Y, line.To.X, line.To.Y,
                             line.Role == OutlineRole::Castle ? castleColour : QColor(Qt::black));
    }
    for (int x = 1; x <= 4; ++x) {
        for (int y = 1; y <= 4; ++y) {
            const int value = model_.Formation(x, y);
            const bool unit = value >= 1 && value <= kUnitTypes;
            formation_->SetCellPicture(x, y, unit ? strip_.Picture(value - 1) : QPixmap());
            formation_->SetCellToolTip(x, y, unit ? Latin1(specs_.UnitName[value - 1]) : QString());
        }
    }
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
    if (!placement_) {
        placement_ = new PlacementDialog(specs_, strip_, this);
        connect(placement_, &QDialog::finished, this, [this] {
            model_.PlacementEdited(placement_->Result());
            Show();
        });
    }
    placement_->Open(model_.BoardDef(), model_.LargestTotal(), model_.PlacementToEdit());
}

// ---- Files ----------------------------------------------------------------------------------

void ScenarioEditor::Fail(const QString& message) {
    QMessageBox::warning(this, windowTitle(), message);
}

void ScenarioEditor::Save() {
    const std::string problem = model_.SaveProblem(
        [this](const std::string& title) { return scenarios_.Find(title).has_value(); });
    if (!problem.empty()) {
        Fail(QString::fromStdString(problem));
        return;
    }
    try {
        const GameDef def = model_.ToDef();
        WriteDefFile(scenarios_.Writable() / (model_.Title() + ".def"), def);
    } catch (const Error& error) {
        // The editor stays open with everything the author entered.
        Fail(Latin1(error.what()));
        return;
    }
    resultName_ = QString::fromStdString(model_.Title());
    formation_->ClearLines();
    accept();
}

void ScenarioEditor::Delete() {
    const QString name = QString::fromStdString(model_.Title());
    if (QMessageBox::question(this, "Confirm Delete",
                              "Are you sure you want to delete '" + name + "'?",
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        scenario_files::Delete(scenarios_, model_.Title());
    } catch (const Error& error) {
        Fail(Latin1(error.what()));
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
        scenario_files::Rename(scenarios_, model_.Title(), answer->toStdString());
    } catch (const Error& error) {
        Fail(Latin1(error.what()));
        return;
    }
    model_.Renamed(answer->toStdString());
    resultName_ = *answer;
    Show();
}

} // namespace marovane
