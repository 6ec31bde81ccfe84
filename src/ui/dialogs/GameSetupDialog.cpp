#include "ui/dialogs/GameSetupDialog.h"
#include "ui/Translated.h"

#include "scenario/DefFile.h"
#include "scenario/ScenarioFiles.h"
#include "ui/BoardWidget.h"
#include "ui/LocalPath.h"
#include "ui/QtText.h"
#include "ui/Translated.h"
#include "ui/dialogs/ScenarioDetailsPanel.h"
#include "ui/dialogs/ScenarioEditor.h"
#include "ui/dialogs/ScenarioListPanel.h"
#include "ui/dialogs/ScenarioNamePrompt.h"
#include "util/Error.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace marovane {

GameSetupDialog::GameSetupDialog(const QDir& programDir, const ScenarioFolders& scenarios,
                                 const UnitSpecs& specs, WindowLinks links, QWidget* parent)
    : QDialog(parent), programDir_(programDir), scenarios_(scenarios), specs_(specs),
      links_(std::move(links)) {
    setWindowTitle(tr("New Game"));
    Build();
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

void GameSetupDialog::Build() {
    auto* layout = new QHBoxLayout(this);
    list_ = new ScenarioListPanel(this);
    lobby_ = new SetupLobbyPanel(this);
    details_ = new ScenarioDetailsPanel(this);
    layout->addWidget(list_);
    layout->addWidget(lobby_);
    layout->addWidget(details_);

    connect(list_, &ScenarioListPanel::SelectionChanged, this, &GameSetupDialog::ScenarioClicked);
    connect(list_, &ScenarioListPanel::PlayWanted, this, &GameSetupDialog::Begin);
    connect(list_, &ScenarioListPanel::PopupWanted, this, &GameSetupDialog::ShowPopup);
    connect(list_->NewScenarioButton(), &QPushButton::clicked, this, &GameSetupDialog::NewScenario);
    connect(lobby_, &SetupLobbyPanel::SlotPicked, this, &GameSetupDialog::SlotPicked);
    connect(lobby_, &SetupLobbyPanel::AllLike, this, &GameSetupDialog::AllLike);
    connect(lobby_, &SetupLobbyPanel::SlotClaimed, this, [this](int slot) {
        if (guestLobby_)
            guestLobby_->ClickSlot(slot);
    });
    connect(lobby_, &SetupLobbyPanel::OptionToggled, this, [this] {
        if (hostLobby_ && !IsGuest())
            hostLobby_->SetOptions(lobby_->OptionsTicked()[0], lobby_->OptionsTicked()[1]);
    });
    connect(lobby_->BeginButton(), &QPushButton::clicked, this, &GameSetupDialog::Begin);
    connect(lobby_->CancelButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, &GameSetupDialog::LeaveLobby);
    connect(lobby_->DetailsButton(), &QPushButton::clicked, this, &GameSetupDialog::ToggleDetails);
    QComboBox* pictures = lobby_->PictureSets();
    pictures->addItems(PictureStrip::SetNames(programDir_));
    connect(pictures, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!showingPictures_ && links_.ChoosePictureSet)
            links_.ChoosePictureSet(name);
        ShowPictures();
    });
    for (QPushButton* button : {lobby_->OptionsButton(), lobby_->TeamsButton()}) {
        connect(button, &QPushButton::clicked, this, [this, button] {
            QMenu* menu = button == lobby_->OptionsButton() ? links_.OptionsMenu : links_.TeamsMenu;
            if (menu)
                menu->exec(button->mapToGlobal(QPoint(0, button->height())));
        });
    }
    const int people = pictures->findText("People");
    if (people >= 0)
        pictures->setCurrentIndex(people);
}

QListWidget* GameSetupDialog::ScenarioList() const {
    return list_->List();
}
QPushButton* GameSetupDialog::NewScenarioButton() const {
    return list_->NewScenarioButton();
}
QWidget* GameSetupDialog::DetailsPanel() const {
    return details_;
}
QLabel* GameSetupDialog::SizeLabel() const {
    return details_->SizeLabel();
}
QLabel* GameSetupDialog::Badge() const {
    return details_->Badge();
}
BoardWidget* GameSetupDialog::StartPreview() const {
    return details_->StartPreview();
}
BoardWidget* GameSetupDialog::UnitsPreview() const {
    return details_->UnitsPreview();
}

void GameSetupDialog::Open() {
    RefreshList();
    // The window's Unit Pictures menu may have changed the set meanwhile.
    if (links_.CurrentPictureSet && !model_.PicturesLocked())
        ShowPictureSet(links_.CurrentPictureSet());
    list_->List()->setFocus();
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
    testSetup_.PictureSet = PictureSets()->currentText().toStdString();
    testSetup_.Remembered = false;
    testPath_ = path;
    testPlay_ = true;
    // The Teams menu offers what the tested scenario allows.
    if (links_.ScenarioChosen)
        links_.ScenarioChosen(def);
    accept();
}

NewGameSetup GameSetupDialog::Setup(int teamsMode) const {
    if (testPlay_) {
        NewGameSetup setup = testSetup_;
        setup.TeamsMode = teamsMode;
        return setup;
    }
    return model_.Setup(lobby_->OptionsTicked(), teamsMode,
                        PictureSets()->currentText().toStdString());
}

void GameSetupDialog::RefreshList() {
    const QString remembered = SelectedName();
    list_->SetNames(scenarios_.List());
    if (remembered.isEmpty() || !SelectScenario(remembered))
        ScenarioClicked();
}

bool GameSetupDialog::SelectScenario(const QString& name) {
    if (!list_->Select(name))
        return false;
    ScenarioClicked();
    return true;
}

QString GameSetupDialog::SelectedName() const {
    return list_->SelectedName();
}

void GameSetupDialog::ScenarioClicked() {
    lobby_->ClearOptions();
    const QString name = SelectedName();
    GameDef def;
    chosenPath_.clear();
    if (!name.isEmpty()) {
        try {
            const auto file = scenario_files::Existing(scenarios_, name.toStdString());
            def = ReadDefFile(file);
            chosenPath_ = QString::fromStdString(file.string());
        } catch (const Error& error) {
            def = GameDef{};
            QMessageBox::warning(this, windowTitle(), Translated(error.Message()));
        }
    }
    model_.SetDefinition(def);
    BeginButton()->setEnabled(!chosenPath_.isEmpty());
    TitleLabel()->setText(name);
    ShowDetails();
    lobby_->ShowSlots(model_);
    if (links_.ScenarioChosen)
        links_.ScenarioChosen(model_.Definition());
    int enabledTeams = 0;
    if (links_.TeamsMenu) {
        for (QAction* action : links_.TeamsMenu->actions())
            enabledTeams += action->isEnabled();
    }
    lobby_->TeamsButton()->setEnabled(enabledTeams > 1);
    if (hostLobby_)
        hostLobby_->SetScenario(ToLocalPath(chosenPath_), name.toStdString());
    SyncHostSlots();
}

void GameSetupDialog::ShowDetails() {
    details_->Show(model_);
    lobby_->ShowOptions(model_);
    ShowPictureSet(QString::fromStdString(
        model_.PictureSetAfterChoice(PictureSets()->currentText().toStdString())));
    PictureSets()->setEnabled(!model_.PicturesLocked());
    ShowPictures();
}

void GameSetupDialog::ShowPictureSet(const QString& name) {
    QComboBox* pictures = PictureSets();
    const int index = name.isEmpty() ? -1 : pictures->findText(name);
    if (index >= 0 && index != pictures->currentIndex()) {
        showingPictures_ = true;
        pictures->setCurrentIndex(index);
        showingPictures_ = false;
    }
    // The window draws the game in the set the dialog shows.
    if (links_.ChoosePictureSet && links_.CurrentPictureSet &&
        links_.CurrentPictureSet() != pictures->currentText())
        links_.ChoosePictureSet(pictures->currentText());
}

void GameSetupDialog::ShowPictures() {
    strip_.Load(programDir_, PictureSets()->currentText());
    details_->ShowPictures(model_, strip_, specs_);
}

void GameSetupDialog::SlotPicked(int slot, int index) {
    model_.Choose(slot, index);
    lobby_->ShowSelections(model_);
    SyncHostSlots();
}

void GameSetupDialog::AllLike(int slot) {
    model_.MakeAllLike(slot);
    lobby_->ShowSelections(model_);
    SyncHostSlots();
}

void GameSetupDialog::Begin() {
    if (IsGuest() || chosenPath_.isEmpty() || !BeginButton()->isEnabled()) {
        QApplication::beep();
        return;
    }
    if (const Text problem = model_.BeginProblem(); problem != Text()) {
        QMessageBox::information(this, windowTitle(), Translated(problem));
        return;
    }
    accept();
}

void GameSetupDialog::ToggleDetails() {
    const bool show = !details_->isVisible();
    details_->setVisible(show);
    DetailsButton()->setText(show ? tr("No &Details") : tr("&Details >>"));
    adjustSize();
}

void GameSetupDialog::Fail(const QString& message) {
    QMessageBox::warning(this, windowTitle(), message);
}

void GameSetupDialog::ShowPopup(const QPoint& global) {
    const ScenarioCommands allowed =
        model_.Commands(scenarios_.Changeable(SelectedName().toStdString()));
    QMenu menu(this);
    QAction* play = menu.addAction(tr("&Play"));
    menu.setDefaultAction(play);
    QAction* copy = menu.addAction(tr("&Copy"));
    copy->setEnabled(allowed.Copy);
    QAction* edit = menu.addAction(tr("&Edit"));
    edit->setEnabled(allowed.Edit);
    QAction* rename = menu.addAction(tr("&Rename"));
    rename->setEnabled(allowed.Rename);
    QAction* remove = menu.addAction(tr("&Delete"));
    remove->setEnabled(allowed.Delete);
    QAction* chosen = menu.exec(global);
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
        Fail(Translated(error.Message()));
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
        Fail(Translated(error.Message()));
    }
}

void GameSetupDialog::DeleteSelected() {
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    const QString question =
        Translated(scenario_files::DeleteQuestion(scenarios_, name.toStdString()));
    if (QMessageBox::question(this, tr("Confirm Delete"), question,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        scenario_files::Delete(scenarios_, name.toStdString());
        list_->ClearSelection();
        RefreshList();
    } catch (const Error& error) {
        Fail(Translated(error.Message()));
    }
}

void GameSetupDialog::EditSelected() {
    const QString name = SelectedName();
    if (!name.isEmpty())
        editor_->OpenExisting(name, PictureSets()->currentText());
}

void GameSetupDialog::NewScenario() {
    editor_->OpenNew(PictureSets()->currentText());
}

} // namespace marovane
