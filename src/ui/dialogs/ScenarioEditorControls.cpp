#include "ui/dialogs/ScenarioEditor.h"

#include "scenario/Options.h"
#include "scenario/ScenarioName.h"
#include "ui/BoardWidget.h"
#include "ui/Translated.h"
#include "ui/dialogs/FormationPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValidator>

#include <string_view>

// The scenario editor's controls and their layout.

namespace marovane {

namespace {

// The title box takes only characters a scenario's file name may hold.
class TitleValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (char32_t c : input.toUcs4()) {
            if (ScenarioNameCharRefused(c))
                return Invalid;
        }
        return Acceptable;
    }
};

// The editor's numbers: the up arrow raises the number, as the mouse wheel does.
QSpinBox* NumberBox(QWidget* parent, int minimum, int maximum, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    return box;
}

} // namespace

void ScenarioEditor::Build() {
    auto* layout = new QVBoxLayout(this);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel(tr("&Title:"), this));
    title_ = new QLineEdit(this);
    title_->setObjectName("txtTitle");
    title_->setValidator(new TitleValidator(title_));
    title_->setMaxLength(static_cast<int>(kMaxScenarioNameLength));
    qobject_cast<QLabel*>(titleRow->itemAt(0)->widget())->setBuddy(title_);
    titleRow->addWidget(title_, 1);
    badge_ = new QLabel(this);
    badge_->setPixmap(QPixmap(":/icons/marovane-48.png")
                          .scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    badge_->setToolTip(tr("A scenario that comes with Marovane"));
    titleRow->addWidget(badge_);
    layout->addLayout(titleRow);

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    // ---- Left: board, money and players ----
    auto* left = new QVBoxLayout;
    auto* boardGroup = new QGroupBox(tr("Board"), this);
    auto* boardGrid = new QGridLayout(boardGroup);
    const char* sizeNames[] = {QT_TR_NOOP("Width"), QT_TR_NOOP("Height")};
    for (int i = 0; i < 2; ++i) {
        boardSize_[static_cast<size_t>(i)] = NumberBox(
            boardGroup, ScenarioEditorModel::kMinBoardSide, ScenarioEditorModel::kMaxBoardSide,
            i == 0 ? "vsbBoardSize0" : "vsbBoardSize1");
        boardGrid->addWidget(new QLabel(tr(sizeNames[i]), boardGroup), 0, i);
        boardGrid->addWidget(boardSize_[static_cast<size_t>(i)], 1, i);
    }
    party_ = NumberBox(boardGroup, ScenarioEditorModel::kMinParty, ScenarioEditorModel::kMaxParty,
                       "vsbParty");
    boardGrid->addWidget(new QLabel(tr("Party"), boardGroup), 0, 2);
    boardGrid->addWidget(party_, 1, 2);
    left->addWidget(boardGroup);

    auto* moneyGroup = new QGroupBox(tr("Money"), this);
    auto* moneyGrid = new QGridLayout(moneyGroup);
    cash_ = new QLineEdit(moneyGroup);
    cash_->setObjectName("txtCash");
    reward_ = new QLineEdit(moneyGroup);
    reward_->setObjectName("txtRescue");
    noReward_ = new QLabel(tr("None"), moneyGroup);
    noReward_->setObjectName("lblNoRescue");
    moneyGrid->addWidget(new QLabel(tr("Treasury:"), moneyGroup), 0, 0);
    moneyGrid->addWidget(cash_, 0, 1);
    moneyGrid->addWidget(new QLabel(tr("Rescue reward:"), moneyGroup), 1, 0);
    moneyGrid->addWidget(reward_, 1, 1);
    moneyGrid->addWidget(noReward_, 1, 1);
    left->addWidget(moneyGroup);

    auto* playersGroup = new QGroupBox(tr("Players"), this);
    auto* playersGrid = new QGridLayout(playersGroup);
    playersGrid->addWidget(new QLabel(tr("Total Players:"), playersGroup), 0, 0);
    for (int i = 0; i < 4; ++i) {
        totals_[static_cast<size_t>(i)] = new QCheckBox(QString::number(i + 1), playersGroup);
        totals_[static_cast<size_t>(i)]->setObjectName("chkTotal" + QString::number(i));
        playersGrid->addWidget(totals_[static_cast<size_t>(i)], 0, i + 1);
        playersGrid->addWidget(new QLabel(tr("Player %1").arg(i + 1), playersGroup), i + 1, 0);
        humans_[static_cast<size_t>(i)] = new QCheckBox(tr("Human"), playersGroup);
        humans_[static_cast<size_t>(i)]->setObjectName("chkHuman" + QString::number(i));
        computers_[static_cast<size_t>(i)] = new QCheckBox(tr("Computer"), playersGroup);
        computers_[static_cast<size_t>(i)]->setObjectName("chkComp" + QString::number(i));
        playersGrid->addWidget(humans_[static_cast<size_t>(i)], i + 1, 1, 1, 2);
        playersGrid->addWidget(computers_[static_cast<size_t>(i)], i + 1, 3, 1, 2);
    }
    left->addWidget(playersGroup);

    auto* teamsGroup = new QGroupBox(tr("Teams"), this);
    auto* teamsGrid = new QGridLayout(teamsGroup);
    const char* teamNames[] = {QT_TR_NOOP("Free for All"), QT_TR_NOOP("Human / CPU"),
                               QT_TR_NOOP("Left / Right"), QT_TR_NOOP("Top / Bottom"),
                               QT_TR_NOOP("Diagonals")};
    for (int i = 0; i < 5; ++i) {
        teams_[static_cast<size_t>(i)] = new QCheckBox(tr(teamNames[i]), teamsGroup);
        teams_[static_cast<size_t>(i)]->setObjectName("chkTeams" + QString::number(i));
        teamsGrid->addWidget(teams_[static_cast<size_t>(i)], i / 2, i % 2);
    }
    left->addWidget(teamsGroup);
    left->addStretch();
    columns->addLayout(left);

    // ---- Middle: conditions, board options, units ----
    auto* middle = new QVBoxLayout;
    auto* winGroup = new QGroupBox(tr("Win"), this);
    auto* winBox = new QVBoxLayout(winGroup);
    const char* winNames[] = {QT_TR_NOOP("Conquest"), QT_TR_NOOP("Royalty")};
    for (int i = 0; i < 2; ++i) {
        wins_[static_cast<size_t>(i)] = new QCheckBox(tr(winNames[i]), winGroup);
        wins_[static_cast<size_t>(i)]->setObjectName("chkWin" + QString::number(i + 1));
        winBox->addWidget(wins_[static_cast<size_t>(i)]);
    }
    auto* loseGroup = new QGroupBox(tr("Lose"), this);
    auto* loseBox = new QVBoxLayout(loseGroup);
    const char* loseNames[] = {QT_TR_NOOP("Conquest"), QT_TR_NOOP("Royalty"), QT_TR_NOOP("Keep")};
    for (int i = 0; i < 3; ++i) {
        loses_[static_cast<size_t>(i)] = new QCheckBox(tr(loseNames[i]), loseGroup);
        loses_[static_cast<size_t>(i)]->setObjectName("chkLose" + QString::number(i + 1));
        loseBox->addWidget(loses_[static_cast<size_t>(i)]);
    }
    auto* conditions = new QHBoxLayout;
    conditions->addWidget(winGroup);
    conditions->addWidget(loseGroup);
    middle->addLayout(conditions);

    auto* optionsGroup = new QGroupBox(tr("Options"), this);
    auto* optionsBox = new QVBoxLayout(optionsGroup);
    fog_ = new QCheckBox(tr("Fog of War"), optionsGroup);
    fog_->setObjectName("chkFog");
    castle_ = new QCheckBox(tr("Use Castle"), optionsGroup);
    castle_->setObjectName("chkCastle");
    keep_ = new QCheckBox(tr("Use Keep"), optionsGroup);
    keep_->setObjectName("chkKeep");
    for (QCheckBox* box : {fog_, castle_, keep_})
        optionsBox->addWidget(box);
    middle->addWidget(optionsGroup);

    auto* unitsGroup = new QGroupBox(tr("Units"), this);
    auto* unitsGrid = new QGridLayout(unitsGroup);
    // The same words name the choices of an extra option that toggles a unit kind.
    const char* unitNames[] = {QT_TR_NOOP("Peasant"),     QT_TR_NOOP("Priest"),
                               QT_TR_NOOP("Catapult"),    QT_TR_NOOP("Cavalry"),
                               QT_TR_NOOP("Infantry"),    QT_TR_NOOP("Archer"),
                               QT_TR_NOOP("Light Armor"), QT_TR_NOOP("Medium Armor"),
                               QT_TR_NOOP("Heavy Armor"), QT_TR_NOOP("Royalty")};
    for (int i = 0; i < ScenarioEditorModel::kUnitKinds; ++i) {
        units_[static_cast<size_t>(i)] = new QCheckBox(tr(unitNames[i]), unitsGroup);
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
    noUnits_ = new QPushButton(tr("&None"), unitsGroup);
    allUnits_ = new QPushButton(tr("&All"), unitsGroup);
    unitsGrid->addWidget(noUnits_, 3, 1);
    unitsGrid->addWidget(allUnits_, 3, 2);
    middle->addWidget(unitsGroup);
    middle->addStretch();
    columns->addLayout(middle);

    // ---- Right: formation, advanced placements, extra options ----
    auto* right = new QVBoxLayout;
    auto* formationGroup = new QGroupBox(tr("Starting Formation"), this);
    auto* formationBox = new QVBoxLayout(formationGroup);
    formation_ = NewFormationBoard(formationGroup, 36);
    formation_->setObjectName("brdStart");
    formation_->setToolTip(tr("Right-click a cell to choose its unit"));
    formationBox->addWidget(formation_, 0, Qt::AlignHCenter);
    advanced_ = new QPushButton(QString("   ") + tr("&Advanced"), formationGroup);
    advanced_->setObjectName("cmdAdvanced");
    advanced_->setToolTip(tr("Place units of every player anywhere on the board"));
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
        extra.Label = new QLabel(tr("Extra Option %1").arg(i + 1), group);
        extra.Text = new QLineEdit(group);
        extra.Text->setObjectName("txtOptDesc" + QString::number(i));
        extra.Text->setMaxLength(static_cast<int>(GameDef::kOptionTextSize));
        extra.Type = new QComboBox(group);
        extra.Type->setObjectName("cboOptionType" + QString::number(i));
        for (int code = 0; code <= 12; ++code)
            extra.Type->addItem(Translated(OptionTypeCaptionText(code)));
        extra.Amount = new QLineEdit(group);
        extra.Amount->setObjectName("txtInc" + QString::number(i));
        extra.Amount->setMaximumWidth(70);
        extra.Choice = new QComboBox(group);
        extra.Choice->setObjectName("cboExtra" + QString::number(i));
        // The caption box shows all of its characters.
        extra.Text->setMinimumWidth(
            extra.Text->fontMetrics().horizontalAdvance(QString(extra.Text->maxLength(), 'n')) +
            12);
        grid->addWidget(extra.Box, 0, 0);
        grid->addWidget(extra.Label, 0, 1);
        grid->addWidget(extra.Text, 1, 1, 1, 3);
        grid->addWidget(extra.Type, 2, 1, 1, 2);
        grid->addWidget(extra.Amount, 2, 3);
        grid->addWidget(extra.Choice, 3, 1, 1, 3);
        right->addWidget(group);
    }
    right->addStretch();
    columns->addLayout(right);

    layout->addWidget(new QLabel(tr("Description:"), this));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName("txtDesc");
    description_->setFixedHeight(70);
    layout->addWidget(description_);

    auto* buttons = new QHBoxLayout;
    save_ = new QPushButton(tr("&Save and Close"), this);
    save_->setObjectName("cmdSave");
    close_ = new QPushButton(tr("&Close"), this);
    delete_ = new QPushButton(tr("&Delete"), this);
    delete_->setObjectName("cmdDelete");
    rename_ = new QPushButton(tr("&Rename"), this);
    rename_->setObjectName("cmdRename");
    testPlay_ = new QPushButton(tr("&Test Play"), this);
    testPlay_->setObjectName("cmdTestPlay");
    testPlay_->setToolTip(
        tr("Play this scenario against the computer as it stands, without saving"));
    buttons->addWidget(delete_);
    buttons->addWidget(rename_);
    buttons->addStretch();
    buttons->addWidget(testPlay_);
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);
    save_->setDefault(true);
}

} // namespace marovane
