// The new-game dialog's part in network games: the host's lobby follows the slots, a guest sees
// the host's scenario and slots and claims one.
#include "ui/dialogs/GameSetupDialog.h"

#include "scenario/DefFile.h"
#include "ui/LocalPath.h"
#include "ui/PlainMessage.h"
#include "ui/QtText.h"
#include "ui/Translated.h"
#include "ui/dialogs/ScenarioDetailsPanel.h"
#include "ui/dialogs/ScenarioListPanel.h"
#include "util/Error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <array>

namespace marovane {

void GameSetupDialog::SyncHostSlots() {
    if (!hostLobby_ || IsGuest())
        return;
    hostLobby_->SetView(this);
    const std::array<bool, 2> ticked = lobby_->OptionsTicked();
    hostLobby_->SetOptions(ticked[0], ticked[1]);
    if (!hostLobby_->SetSlots(model_.ShownKinds())) {
        // The port is taken: the remote slots go back to another type.
        model_.DropRemoteSlots();
        lobby_->ShowSelections(model_);
        hostLobby_->SetSlots(model_.ShownKinds());
    }
    ShowHostLobby();
}

void GameSetupDialog::ShowHostLobby() {
    if (!hostLobby_ || IsGuest())
        return;
    for (int i = 0; i < 4; ++i) {
        const bool remote = model_.Visible(i) && model_.SelectedKind(i) == SlotKind::Remote;
        const std::string address = hostLobby_->GuestAddress(i);
        lobby_->ShowHostSlot(i, hostLobby_->SlotWaiting(i),
                             !remote           ? SetupLobbyPanel::kSpaceTip
                             : address.empty() ? "Waiting for a player to join"
                                               : "Played at " + QString::fromStdString(address));
    }
    lobby_->Status()->setText(QString::fromStdString(hostLobby_->Status()));
    BeginButton()->setEnabled(!chosenPath_.isEmpty() && hostLobby_->BeginAllowed());
}

void GameSetupDialog::LobbyChanged() {
    ShowHostLobby();
}

void GameSetupDialog::ShowNetError(const std::string& text) {
    ShowPlainMessage(this, QMessageBox::Warning, windowTitle(), Latin1(text));
}

void GameSetupDialog::LeaveLobby() {
    if (guestLobby_) {
        net::GuestLobby* lobby = guestLobby_;
        guestLobby_ = nullptr;
        lobby->SetView(nullptr);
        if (lobby->Active())
            lobby->Cancel();
    } else if (hostLobby_ && hostLobby_->Hosting()) {
        hostLobby_->Cancel();
        lobby_->Status()->clear();
    }
}

// ---- A guest ------------------------------------------------------------------------------------

void GameSetupDialog::OpenAsGuest(net::GuestLobby& lobby) {
    guestLobby_ = &lobby;
    lobby.SetView(this);
    list_->ClearSelection();
    list_->List()->setEnabled(false);
    model_.SetDefinition(GameDef{});
    chosenPath_.clear();
    TitleLabel()->setText("Waiting for the host...");
    ShowDetails();
    lobby_->ShowAsGuest(true, model_);
    list_->NewScenarioButton()->setEnabled(false);
    lobby_->Status()->setText("Connecting...");
    BeginButton()->setEnabled(false);
    open();
}

void GameSetupDialog::ScenarioArrived(const std::filesystem::path& file) {
    GameDef def;
    try {
        def = ReadDefFile(file);
    } catch (const Error& error) {
        ShowPlainMessage(this, QMessageBox::Warning, windowTitle(), Translated(error.Message()));
    }
    model_.SetDefinition(def);
    ShowDetails();
    BeginButton()->setEnabled(false); // only the host begins
}

void GameSetupDialog::TitleChanged(const std::string& title) {
    TitleLabel()->setText(Latin1(title));
}

void GameSetupDialog::OptionsChanged(bool option1, bool option2) {
    OptionBox(0)->setChecked(option1);
    OptionBox(1)->setChecked(option2);
}

void GameSetupDialog::SlotsChanged() {
    if (!guestLobby_)
        return;
    for (int i = 0; i < 4; ++i) {
        lobby_->ShowGuestSlot(i, QString::fromStdString(guestLobby_->SlotText(i)),
                              guestLobby_->SlotIsMine(i));
    }
}

void GameSetupDialog::StatusChanged(const std::string& status) {
    lobby_->Status()->setText(QString::fromStdString(status));
}

void GameSetupDialog::TeamsModeChanged(int mode, bool gameRunning) {
    const QString caption = links_.TeamsFromHost ? links_.TeamsFromHost(mode) : QString();
    if (gameRunning) {
        QString shown = caption;
        const int amp = shown.indexOf('&');
        if (amp >= 0)
            shown[amp] = ' ';
        QMessageBox::information(parentWidget(), windowTitle(), "New Teams: " + shown);
    }
}

void GameSetupDialog::ShowMessage(const std::string& text) {
    ShowPlainMessage(isVisible() ? static_cast<QWidget*>(this) : parentWidget(),
                     QMessageBox::Information, "Marovane", Latin1(text));
}

bool GameSetupDialog::StartGame(const std::filesystem::path& scenario, const NewGameSetup& setup) {
    // The dialog steps aside without closing the lobby: the game goes on over the same link.
    hide();
    list_->List()->setEnabled(true);
    NewGameSetup chosen = setup;
    chosen.PictureSet = PictureSets()->currentText().toStdString();
    return links_.StartGuestGame && links_.StartGuestGame(FromLocalPath(scenario), chosen);
}

void GameSetupDialog::LobbyClosed() {
    if (isVisible())
        reject();
    list_->List()->setEnabled(true);
    lobby_->ShowAsGuest(false, model_);
    lobby_->ShowSlots(model_);
    list_->NewScenarioButton()->setEnabled(true);
    lobby_->Status()->clear();
    guestLobby_ = nullptr;
}

} // namespace marovane
