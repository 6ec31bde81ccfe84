// The new-game dialog's part in network games: the host's lobby follows the slots, a guest sees
// the host's scenario and slots and claims one.
#include "ui/dialogs/GameSetupDialog.h"

#include "scenario/DefFile.h"
#include "ui/LocalPath.h"
#include "ui/PlainMessage.h"
#include "ui/QtText.h"
#include "util/Error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace marovane {

namespace {

// A label a guest clicks to claim or give up a slot.
class SlotClaimLabel : public QLabel {
public:
    SlotClaimLabel(std::function<void()> clicked, QWidget* parent)
        : QLabel("Unknown", parent), clicked_(std::move(clicked)) {
        setCursor(Qt::PointingHandCursor);
        setMinimumWidth(90);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            clicked_();
    }

private:
    std::function<void()> clicked_;
};

void SetItalic(QWidget* widget, bool italic) {
    QFont font = widget->font();
    if (font.italic() != italic) {
        font.setItalic(italic);
        widget->setFont(font);
    }
}

void SetBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    if (font.bold() != bold) {
        font.setBold(bold);
        widget->setFont(font);
    }
}

} // namespace

void GameSetupDialog::BuildLobby(QGridLayout* slotGrid, QVBoxLayout* middle) {
    // The guest's view of the slots sits where the host's lists are.
    for (int i = 0; i < 4; ++i) {
        auto* label = new SlotClaimLabel([this, i] { ClickedChoose(i); }, this);
        label->setObjectName("lblChoose" + QString::number(i));
        label->setVisible(false);
        choose_[static_cast<size_t>(i)] = label;
        slotGrid->addWidget(label, i, 1);
    }
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    middle->addWidget(status_);
}

void GameSetupDialog::SyncHostSlots() {
    if (!hostLobby_ || IsGuest())
        return;
    std::array<SlotKind, 4> kinds{SlotKind::None, SlotKind::None, SlotKind::None, SlotKind::None};
    for (int i = 0; i < 4; ++i) {
        if (model_.Visible(i) && def_.UnitsAllowed != 0)
            kinds[static_cast<size_t>(i)] = model_.SelectedKind(i);
    }
    hostLobby_->SetView(this);
    hostLobby_->SetOptions(options_[0]->isChecked(), options_[1]->isChecked());
    if (!hostLobby_->SetSlots(kinds)) {
        // The port is taken: the remote slots go back to the first other type they offer.
        for (int i = 0; i < 4; ++i) {
            if (kinds[static_cast<size_t>(i)] != SlotKind::Remote)
                continue;
            const auto& choices = model_.Choices(i);
            for (size_t c = 0; c < choices.size(); ++c) {
                if (choices[c] != SlotKind::Remote) {
                    model_.Choose(i, static_cast<int>(c));
                    break;
                }
            }
            kinds[static_cast<size_t>(i)] = model_.SelectedKind(i);
        }
        rebuilding_ = true;
        for (int i = 0; i < 4; ++i)
            slots_[static_cast<size_t>(i)]->setCurrentIndex(model_.Selected(i));
        rebuilding_ = false;
        hostLobby_->SetSlots(kinds);
    }
    ShowHostLobby();
}

void GameSetupDialog::ShowHostLobby() {
    if (!hostLobby_ || IsGuest())
        return;
    for (int i = 0; i < 4; ++i) {
        QComboBox* box = slots_[static_cast<size_t>(i)];
        SetItalic(box, hostLobby_->SlotWaiting(i));
        const bool remote = model_.Visible(i) && model_.SelectedKind(i) == SlotKind::Remote;
        const std::string address = hostLobby_->GuestAddress(i);
        box->setToolTip(!remote           ? "Press SPACE to make all players this type"
                        : address.empty() ? "Waiting for a player to join"
                                          : "Played at " + QString::fromStdString(address));
    }
    status_->setText(QString::fromStdString(hostLobby_->Status()));
    begin_->setEnabled(!chosenPath_.isEmpty() && hostLobby_->BeginAllowed());
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
        status_->clear();
    }
}

// ---- A guest ------------------------------------------------------------------------------------

void GameSetupDialog::OpenAsGuest(net::GuestLobby& lobby) {
    guestLobby_ = &lobby;
    lobby.SetView(this);
    list_->clearSelection();
    list_->setEnabled(false);
    def_ = GameDef{};
    chosenPath_.clear();
    title_->setText("Waiting for the host...");
    ShowDetails();
    for (int i = 0; i < 4; ++i) {
        slots_[static_cast<size_t>(i)]->setVisible(false);
        slotLabels_[static_cast<size_t>(i)]->setVisible(true);
        choose_[static_cast<size_t>(i)]->setVisible(true);
        choose_[static_cast<size_t>(i)]->setText("Unknown");
    }
    for (QCheckBox* box : options_)
        box->setEnabled(false);
    newScenario_->setEnabled(false);
    status_->setText("Connecting...");
    begin_->setEnabled(false);
    open();
}

void GameSetupDialog::ClickedChoose(int slot) {
    if (guestLobby_)
        guestLobby_->ClickSlot(slot);
}

void GameSetupDialog::ScenarioArrived(const std::filesystem::path& file) {
    try {
        def_ = ReadDefFile(file);
    } catch (const Error& error) {
        def_ = GameDef{};
        ShowPlainMessage(this, QMessageBox::Warning, windowTitle(), Latin1(error.what()));
    }
    ShowDetails();
    begin_->setEnabled(false); // only the host begins
}

void GameSetupDialog::TitleChanged(const std::string& title) {
    title_->setText(Latin1(title));
}

void GameSetupDialog::OptionsChanged(bool option1, bool option2) {
    options_[0]->setChecked(option1);
    options_[1]->setChecked(option2);
}

void GameSetupDialog::SlotsChanged() {
    if (!guestLobby_)
        return;
    for (int i = 0; i < 4; ++i) {
        QLabel* label = choose_[static_cast<size_t>(i)];
        label->setText(QString::fromStdString(guestLobby_->SlotText(i)));
        SetBold(label, guestLobby_->SlotIsMine(i));
    }
}

void GameSetupDialog::StatusChanged(const std::string& status) {
    status_->setText(QString::fromStdString(status));
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
    list_->setEnabled(true);
    NewGameSetup chosen = setup;
    chosen.PictureSet = pictures_->currentText().toStdString();
    return links_.StartGuestGame && links_.StartGuestGame(FromLocalPath(scenario), chosen);
}

void GameSetupDialog::LobbyClosed() {
    if (isVisible())
        reject();
    list_->setEnabled(true);
    for (int i = 0; i < 4; ++i) {
        const bool shown = model_.Visible(i) && def_.UnitsAllowed != 0;
        choose_[static_cast<size_t>(i)]->setVisible(false);
        slots_[static_cast<size_t>(i)]->setVisible(shown);
        slotLabels_[static_cast<size_t>(i)]->setVisible(shown);
    }
    for (QCheckBox* box : options_)
        box->setEnabled(true);
    newScenario_->setEnabled(true);
    status_->clear();
    guestLobby_ = nullptr;
}

} // namespace marovane
