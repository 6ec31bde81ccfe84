#include "ui/dialogs/GameSetupDialog.h"

#include "engine/Game.h"
#include "scenario/CastleOutline.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "scenario/ScenarioFiles.h"
#include "ui/BoardWidget.h"
#include "ui/LocalPath.h"
#include "ui/QtText.h"
#include "ui/dialogs/ScenarioEditor.h"
#include "ui/dialogs/ScenarioNamePrompt.h"
#include "util/Error.h"
#include "util/Latin1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace marovane {

namespace {

QString FieldText(const std::string& field) {
    // Text fields end at their first NUL; the rest is padding.
    return Latin1(std::string(TrimRight(field.substr(0, field.find('\0')))));
}

} // namespace

GameSetupDialog::GameSetupDialog(const QDir& programDir, const ScenarioFolders& scenarios,
                                 const UnitSpecs& specs, WindowLinks links, QWidget* parent)
    : QDialog(parent), programDir_(programDir), scenarios_(scenarios), specs_(specs),
      links_(std::move(links)) {
    setWindowTitle("New Game");
    auto* layout = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Scenarios:", this));
    list_ = new QListWidget(this);
    list_->setObjectName("lstTypes");
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setMinimumWidth(180);
    left->addWidget(list_);
    newScenario_ = new QPushButton("&New Scenario...", this);
    newScenario_->setObjectName("cmdNewScenario");
    left->addWidget(newScenario_);
    layout->addLayout(left);

    auto* middle = new QVBoxLayout;
    title_ = new QLabel(this);
    title_->setTextFormat(Qt::PlainText); // a guest shows the title its host sent
    QFont big = title_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    title_->setFont(big);
    middle->addWidget(title_);
    auto* slotGrid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        slotLabels_[static_cast<size_t>(i)] = new QLabel("Player " + QString::number(i + 1), this);
        slots_[static_cast<size_t>(i)] = new QComboBox(this);
        slots_[static_cast<size_t>(i)]->setObjectName("cboPlayer" + QString::number(i));
        slots_[static_cast<size_t>(i)]->setToolTip("Press SPACE to make all players this type");
        slots_[static_cast<size_t>(i)]->installEventFilter(this);
        slotGrid->addWidget(slotLabels_[static_cast<size_t>(i)], i, 0);
        slotGrid->addWidget(slots_[static_cast<size_t>(i)], i, 1);
        connect(slots_[static_cast<size_t>(i)], QOverload<int>::of(&QComboBox::activated), this,
                [this, i] { SlotChanged(i); });
    }
    middle->addLayout(slotGrid);
    BuildLobby(slotGrid, middle);
    for (int i = 0; i < 2; ++i) {
        options_[static_cast<size_t>(i)] = new QCheckBox(this);
        options_[static_cast<size_t>(i)]->setObjectName("chkOption" + QString::number(i));
        middle->addWidget(options_[static_cast<size_t>(i)]);
        connect(options_[static_cast<size_t>(i)], &QCheckBox::toggled, this, [this] {
            if (hostLobby_ && !IsGuest())
                hostLobby_->SetOptions(options_[0]->isChecked(), options_[1]->isChecked());
        });
    }
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(new QLabel("Unit pictures:", this));
    pictures_ = new QComboBox(this);
    pictures_->setObjectName("cboPics");
    pictures_->addItems(PictureStrip::SetNames(programDir_));
    pictureRow->addWidget(pictures_);
    middle->addLayout(pictureRow);
    auto* menuRow = new QHBoxLayout;
    auto* optionsButton = new QPushButton("&Options", this);
    teamsButton_ = new QPushButton("&Teams", this);
    menuRow->addWidget(optionsButton);
    menuRow->addWidget(teamsButton_);
    middle->addLayout(menuRow);
    middle->addStretch();
    auto* buttons = new QHBoxLayout;
    begin_ = new QPushButton("&Begin", this);
    begin_->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    details_ = new QPushButton("No &Details", this);
    buttons->addWidget(begin_);
    buttons->addWidget(cancel);
    buttons->addWidget(details_);
    middle->addLayout(buttons);
    layout->addLayout(middle);

    detailsPanel_ = new QWidget(this);
    auto* details = new QVBoxLayout(detailsPanel_);
    details->setContentsMargins(0, 0, 0, 0);
    noGame_ = new QLabel("Select a scenario to see its details.", detailsPanel_);
    details->addWidget(noGame_);
    badge_ = new QLabel(detailsPanel_);
    badge_->setPixmap(QPixmap(":/icons/marovane-48.png"));
    badge_->setToolTip("A scenario that comes with Marovane");
    details->addWidget(badge_);
    description_ = new QTextEdit(detailsPanel_);
    description_->setReadOnly(true);
    description_->setMinimumHeight(110);
    details->addWidget(description_);
    size_ = new QLabel(detailsPanel_);
    party_ = new QLabel(detailsPanel_);
    cash_ = new QLabel(detailsPanel_);
    advanced_ = new QLabel("Advanced unit placement", detailsPanel_);
    for (QLabel* label : {size_, party_, cash_, advanced_})
        details->addWidget(label);
    auto* previews = new QHBoxLayout;
    startPreview_ = new BoardWidget(detailsPanel_);
    startPreview_->setObjectName("brdStart");
    startPreview_->SetSize(4, 4);
    startPreview_->SetBackColor(QColor(90, 120, 60));
    startPreview_->SetCellWidth(32 * startPreview_->Geometry().Tpp());
    startPreview_->SetCellHeight(32 * startPreview_->Geometry().Tpp());
    unitsPreview_ = new BoardWidget(detailsPanel_);
    unitsPreview_->setObjectName("brdUnits");
    unitsPreview_->SetSize(5, 3);
    unitsPreview_->SetBackColor(QColor(200, 200, 200));
    unitsPreview_->SetCellWidth(26 * unitsPreview_->Geometry().Tpp());
    unitsPreview_->SetCellHeight(26 * unitsPreview_->Geometry().Tpp());
    for (BoardWidget* preview : {startPreview_, unitsPreview_})
        preview->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    previews->addWidget(startPreview_, 0, Qt::AlignTop);
    previews->addWidget(unitsPreview_, 0, Qt::AlignTop);
    previews->addStretch();
    details->addLayout(previews);
    details->addStretch();
    detailsPanel_->setMinimumWidth(300);
    layout->addWidget(detailsPanel_);

    // The selection, not the current row, names the chosen scenario: focus alone makes the first
    // row current without selecting it, and nothing may look chosen that is not highlighted.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { ScenarioClicked(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Begin(); });
    connect(list_, &QListWidget::customContextMenuRequested, this, &GameSetupDialog::ShowPopup);
    connect(begin_, &QPushButton::clicked, this, &GameSetupDialog::Begin);
    connect(newScenario_, &QPushButton::clicked, this, &GameSetupDialog::NewScenario);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, &GameSetupDialog::LeaveLobby);
    connect(details_, &QPushButton::clicked, this, &GameSetupDialog::ToggleDetails);
    connect(pictures_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!rebuilding_ && links_.ChoosePictureSet)
            links_.ChoosePictureSet(name);
        ShowPictures();
    });
    connect(optionsButton, &QPushButton::clicked, this, [this, optionsButton] {
        if (links_.OptionsMenu)
            links_.OptionsMenu->exec(
                optionsButton->mapToGlobal(QPoint(0, optionsButton->height())));
    });
    connect(teamsButton_, &QPushButton::clicked, this, [this] {
        if (links_.TeamsMenu)
            links_.TeamsMenu->exec(teamsButton_->mapToGlobal(QPoint(0, teamsButton_->height())));
    });
    const int people = pictures_->findText("People");
    if (people >= 0)
        pictures_->setCurrentIndex(people);
    // The scenario editor is there from the start, like the dialog, so the window around can
    // give it its help key.
    editor_ = new ScenarioEditor(programDir_, scenarios_, specs_, this);
    connect(editor_, &ScenarioEditor::TestPlayWanted, this, &GameSetupDialog::TestPlay);
    connect(editor_, &QDialog::finished, this, [this] {
        RefreshList();
        if (!editor_->ResultName().isEmpty())
            SelectScenario(editor_->ResultName());
    });
    RefreshList();
}

void GameSetupDialog::Open() {
    RefreshList();
    if (links_.CurrentPictureSet && !(def_.Options & (1 << option_bit::Tutorial))) {
        const int index = pictures_->findText(links_.CurrentPictureSet());
        if (index >= 0 && index != pictures_->currentIndex()) {
            rebuilding_ = true;
            pictures_->setCurrentIndex(index);
            rebuilding_ = false;
        }
    }
    list_->setFocus();
    testPlay_ = false;
    open();
    // Back from a test game: the author goes on with the unsaved scenario.
    if (editor_->TestPlayed())
        editor_->Resume();
}

void GameSetupDialog::TestPlay(const QString& path, const GameDef& def) {
    if (IsGuest())
        return;
    LeaveLobby();
    SetupModel players;
    players.SetDefinition(def);
    testSetup_ = NewGameSetup();
    testSetup_.Slots = players.AgainstComputer();
    testSetup_.PictureSet = pictures_->currentText().toStdString();
    testSetup_.Remembered = false;
    testPath_ = path;
    testPlay_ = true;
    // The Teams menu offers what the tested scenario allows.
    if (links_.ScenarioChosen)
        links_.ScenarioChosen(def);
    accept();
}

QString GameSetupDialog::SlotCaption(SlotKind kind) {
    return QString::fromStdString(SetupModel::Caption(kind));
}

NewGameSetup GameSetupDialog::Setup(int teamsMode) const {
    if (testPlay_) {
        NewGameSetup setup = testSetup_;
        setup.TeamsMode = teamsMode;
        return setup;
    }
    NewGameSetup setup;
    setup.Slots = model_.Slots();
    // An option counts when the scenario has it and its box is ticked.
    for (size_t i = 0; i < 2; ++i)
        setup.OptionTicked[i] = def_.OptionType[i] >= 0 && options_[i]->isChecked();
    setup.TeamsMode = teamsMode;
    setup.PictureSet = pictures_->currentText().toStdString();
    return setup;
}

void GameSetupDialog::RefreshList() {
    const QString remembered = SelectedName();
    list_->blockSignals(true);
    list_->clear();
    for (const std::string& name : scenarios_.List())
        list_->addItem(QString::fromStdString(name));
    list_->blockSignals(false);
    if (remembered.isEmpty() || !SelectScenario(remembered)) {
        list_->blockSignals(true);
        list_->setCurrentRow(-1);
        list_->clearSelection();
        list_->blockSignals(false);
        ScenarioClicked();
    }
}

bool GameSetupDialog::SelectScenario(const QString& name) {
    // The whole name first, as the scenario files are looked up: an old scenario may have a
    // ".def" of its own.
    QString wanted = name;
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < list_->count(); ++row) {
            if (list_->item(row)->text().compare(wanted, Qt::CaseInsensitive) == 0) {
                list_->blockSignals(true);
                list_->setCurrentRow(row);
                list_->blockSignals(false);
                ScenarioClicked();
                return true;
            }
        }
        if (!wanted.endsWith(".def", Qt::CaseInsensitive))
            break;
        wanted.chop(4);
    }
    return false;
}

QString GameSetupDialog::SelectedName() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void GameSetupDialog::ScenarioClicked() {
    for (QCheckBox* box : options_)
        box->setChecked(false);
    const QString name = SelectedName();
    def_ = GameDef{};
    chosenPath_.clear();
    if (!name.isEmpty()) {
        try {
            const auto file = scenarios_.Find(name.toStdString());
            if (!file)
                throw Error("The scenario '" + name.toStdString() + "' no longer exists.");
            def_ = ReadDefFile(*file);
            chosenPath_ = QString::fromStdString(file->string());
        } catch (const Error& error) {
            def_ = GameDef{};
            QMessageBox::warning(this, windowTitle(), Latin1(error.what()));
        }
    }
    begin_->setEnabled(!chosenPath_.isEmpty());
    title_->setText(name);
    ShowDetails();
    ShowSlots();
    if (links_.ScenarioChosen)
        links_.ScenarioChosen(def_);
    int enabledTeams = 0;
    if (links_.TeamsMenu) {
        for (QAction* action : links_.TeamsMenu->actions())
            enabledTeams += action->isEnabled();
    }
    teamsButton_->setEnabled(enabledTeams > 1);
    if (hostLobby_)
        hostLobby_->SetScenario(ToLocalPath(chosenPath_), name.toStdString());
    SyncHostSlots();
}

void GameSetupDialog::ShowDetails() {
    const bool none = def_.UnitsAllowed == 0;
    noGame_->setVisible(none);
    for (QWidget* widget : std::initializer_list<QWidget*>{description_, size_, party_, cash_,
                                                           startPreview_, unitsPreview_})
        widget->setVisible(!none);
    const bool tutorial = def_.Options & (1 << option_bit::Tutorial);
    advanced_->setVisible(!none && (def_.Options & (1 << option_bit::Advanced)) && !tutorial);
    badge_->setVisible(!none && (def_.Options & (1 << option_bit::BuiltIn)));
    if (!none) {
        description_->setPlainText(FieldText(def_.Description));
        size_->setText(" Board Size: " + QString::number(def_.Width) + " x " +
                       QString::number(def_.Height) + " ");
        party_->setText("Party: " + QString::number(def_.PartySize));
        cash_->setText("Money: " + Latin1(FormatMoney(def_.Treasury)));
    }
    for (int i = 0; i < 2; ++i) {
        QCheckBox* box = options_[static_cast<size_t>(i)];
        box->setVisible(def_.OptionType[static_cast<size_t>(i)] >= 0 && !none);
        const QString text = FieldText(def_.OptionText[static_cast<size_t>(i)]).trimmed();
        box->setText(text.isEmpty() ? "Reserved" : text);
    }
    // The tutorial is played with the letter pictures; the earlier choice comes back after it.
    rebuilding_ = true;
    if (tutorial) {
        if (rememberedPictures_.isEmpty())
            rememberedPictures_ = pictures_->currentText();
        const int alphabet = pictures_->findText("Alphabet");
        if (alphabet >= 0)
            pictures_->setCurrentIndex(alphabet);
        pictures_->setEnabled(false);
    } else {
        if (!rememberedPictures_.isEmpty()) {
            const int index = pictures_->findText(rememberedPictures_);
            if (index >= 0)
                pictures_->setCurrentIndex(index);
            rememberedPictures_.clear();
        }
        pictures_->setEnabled(true);
    }
    rebuilding_ = false;
    if (links_.ChoosePictureSet && links_.CurrentPictureSet &&
        links_.CurrentPictureSet() != pictures_->currentText())
        links_.ChoosePictureSet(pictures_->currentText());
    ShowPictures();
}

void GameSetupDialog::ShowPictures() {
    strip_.Load(programDir_, pictures_->currentText());
    startPreview_->ClearLines();
    for (int x = 1; x <= 4; ++x) {
        for (int y = 1; y <= 4; ++y) {
            const int value = def_.StartPos[static_cast<size_t>(x - 1)][static_cast<size_t>(y - 1)];
            const bool unit = value > 0 && value <= kUnitTypes;
            startPreview_->SetCellPicture(x, y, unit ? strip_.Picture(value - 1) : QPixmap());
            startPreview_->SetCellToolTip(x, y,
                                          unit ? Latin1(specs_.UnitName[value - 1]) : QString());
        }
    }
    // The castle and keep of the formation, as the board draws them for player 1, whose own
    // frame is the board's.
    const QColor castleColour(static_cast<QRgb>(kStandardPlayerColors[1]));
    for (const OutlineSegment& line : CastleOutline(OptionSet(option_bit::NoKeep, def_.Options),
                                                    OptionSet(option_bit::Castle, def_.Options))) {
        startPreview_->DrawLine(line.From.X, line.From.Y, line.To.X, line.To.Y,
                                line.Role == OutlineRole::Castle ? castleColour
                                                                 : QColor(Qt::black));
    }
    for (int t = 0; t < kUnitTypes; ++t) {
        const int x = t % 3 + 1;
        const int y = t / 3 + 1;
        const bool shown = specs_.UnitName[t] != "Nothing" && UnitAllowed(t, def_.UnitsAllowed);
        unitsPreview_->SetCellPicture(x, y, shown ? strip_.Picture(t) : QPixmap());
        unitsPreview_->SetCellToolTip(x, y, shown ? Latin1(specs_.UnitName[t]) : QString());
        unitsPreview_->SetCellVisible(x, y, shown);
    }
}

void GameSetupDialog::ShowSlots() {
    model_.SetDefinition(def_);
    rebuilding_ = true;
    for (int i = 0; i < 4; ++i) {
        QComboBox* box = slots_[static_cast<size_t>(i)];
        box->clear();
        for (SlotKind choice : model_.Choices(i))
            box->addItem(SlotCaption(choice));
        box->setCurrentIndex(model_.Selected(i));
        box->setEnabled(model_.Enabled(i));
        const bool visible = model_.Visible(i) && def_.UnitsAllowed != 0;
        box->setVisible(visible);
        slotLabels_[static_cast<size_t>(i)]->setVisible(visible);
    }
    rebuilding_ = false;
}

void GameSetupDialog::SlotChanged(int slot) {
    if (rebuilding_)
        return;
    model_.Choose(slot, slots_[static_cast<size_t>(slot)]->currentIndex());
    rebuilding_ = true;
    for (int i = 0; i < 4; ++i)
        slots_[static_cast<size_t>(i)]->setCurrentIndex(model_.Selected(i));
    rebuilding_ = false;
    SyncHostSlots();
}

bool GameSetupDialog::eventFilter(QObject* watched, QEvent* event) {
    // Space in a slot makes every slot that can be this type take it.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        for (int i = 0; i < 4; ++i) {
            if (watched == slots_[static_cast<size_t>(i)]) {
                model_.MakeAllLike(i);
                rebuilding_ = true;
                for (int j = 0; j < 4; ++j)
                    slots_[static_cast<size_t>(j)]->setCurrentIndex(model_.Selected(j));
                rebuilding_ = false;
                SyncHostSlots();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void GameSetupDialog::Begin() {
    if (IsGuest() || chosenPath_.isEmpty() || !begin_->isEnabled()) {
        QApplication::beep();
        return;
    }
    if (const std::string problem = model_.BeginProblem(); !problem.empty()) {
        QMessageBox::information(this, windowTitle(), QString::fromStdString(problem));
        return;
    }
    accept();
}

void GameSetupDialog::ToggleDetails() {
    const bool show = !detailsPanel_->isVisible();
    detailsPanel_->setVisible(show);
    details_->setText(show ? "No &Details" : "&Details >>");
    adjustSize();
}

void GameSetupDialog::Fail(const QString& message) {
    QMessageBox::warning(this, windowTitle(), message);
}

void GameSetupDialog::ShowPopup(const QPoint& position) {
    QListWidgetItem* item = list_->itemAt(position);
    if (!item)
        return;
    list_->setCurrentItem(item);
    const bool tutorial = def_.Options & (1 << option_bit::Tutorial);
    const bool builtIn = def_.Options & (1 << option_bit::BuiltIn);
    QMenu menu(this);
    QAction* play = menu.addAction("&Play");
    menu.setDefaultAction(play);
    QAction* copy = menu.addAction("&Copy");
    copy->setEnabled(!tutorial);
    QAction* edit = menu.addAction("&Edit");
    edit->setEnabled(!tutorial && !builtIn);
    QAction* rename = menu.addAction("&Rename");
    // Scenarios that came with an installed program stay as they are.
    const bool changeable = scenarios_.Changeable(item->text().toStdString());
    rename->setEnabled(!tutorial && !builtIn && changeable);
    QAction* remove = menu.addAction("&Delete");
    remove->setEnabled(!tutorial && !builtIn && changeable);
    QAction* chosen = menu.exec(list_->viewport()->mapToGlobal(position));
    if (chosen == play)
        Begin();
    else if (chosen == copy)
        CopySelected();
    else if (chosen == edit)
        EditSelected();
    else if (chosen == rename)
        RenameSelected();
    else if (chosen == remove)
        DeleteSelected();
}

void GameSetupDialog::CopySelected() {
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    try {
        const std::string copy = scenario_files::Copy(scenarios_, name.toStdString());
        RefreshList();
        SelectScenario(QString::fromStdString(copy));
    } catch (const Error& error) {
        Fail(Latin1(error.what()));
    }
}

void GameSetupDialog::RenameSelected() {
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    const auto answer = AskNewScenarioName(this, name);
    if (!answer)
        return;
    try {
        const std::string renamed =
            scenario_files::Rename(scenarios_, name.toStdString(), answer->toStdString());
        RefreshList();
        SelectScenario(QString::fromStdString(renamed));
    } catch (const Error& error) {
        Fail(Latin1(error.what()));
    }
}

void GameSetupDialog::DeleteSelected() {
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    const QString question =
        QString::fromStdString(scenario_files::DeleteQuestion(scenarios_, name.toStdString()));
    if (QMessageBox::question(this, "Confirm Delete", question,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        scenario_files::Delete(scenarios_, name.toStdString());
        list_->setCurrentRow(-1);
        RefreshList();
    } catch (const Error& error) {
        Fail(Latin1(error.what()));
    }
}

void GameSetupDialog::EditSelected() {
    const QString name = SelectedName();
    if (!name.isEmpty())
        editor_->OpenExisting(name, pictures_->currentText());
}

void GameSetupDialog::NewScenario() {
    editor_->OpenNew(pictures_->currentText());
}

} // namespace marovane
