#pragma once

#include "engine/UnitSpecs.h"
#include "net/GuestLobby.h"
#include "net/HostLobby.h"
#include "scenario/GameDef.h"
#include "scenario/NewGameSetup.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/SetupModel.h"
#include "ui/PictureStrip.h"
#include "ui/dialogs/SetupLobbyPanel.h"

#include <QDialog>
#include <QDir>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QWidget;

namespace marovane {

class BoardWidget;
class ScenarioDetailsPanel;
class ScenarioEditor;
class ScenarioListPanel;

// The new-game dialog: the scenarios of the program folder with their details (a scenario-list
// panel and a details panel), and the lobby of the chosen one: its two options, the player slots
// and the unit picture set (a lobby panel). The rules are in a SetupModel; the dialog reads the
// chosen scenario, wires the panels to the model, the window and the network, and answers the
// chosen scenario's path and the choices to start it with.
class GameSetupDialog : public QDialog, private net::HostLobbyView, private net::GuestLobbyView {
    Q_OBJECT

public:
    // The window's menus and picture sets, which the dialog shows and changes.
    struct WindowLinks {
        QMenu* OptionsMenu = nullptr;
        QMenu* TeamsMenu = nullptr;
        std::function<QString()> CurrentPictureSet;
        std::function<void(const QString&)> ChoosePictureSet;
        // A scenario was selected: the window offers the team arrangements it allows.
        std::function<void(const GameDef&)> ScenarioChosen;
        // A guest's game starts at once, when the host begins; false when it could not.
        std::function<bool(const QString&, const NewGameSetup&)> StartGuestGame;
        // The host chose another arrangement of teams: the Teams menu follows; answers the
        // arrangement's menu caption.
        std::function<QString(int)> TeamsFromHost;
    };

    GameSetupDialog(const QDir& programDir, const ScenarioFolders& scenarios,
                    const UnitSpecs& specs, WindowLinks links, QWidget* parent = nullptr);

    // Shows the dialog over the window without waiting for it: Begin accepts it (the window then
    // starts the chosen game), Cancel rejects it. Events keep arriving meanwhile, so the window
    // (and later the network) can change or close it while it is open.
    void Open();
    // ---- Network lobby ---------------------------------------------------------------------
    // The host's lobby follows the slots: a "Remote" slot starts hosting, Begin waits for the
    // guests. Null for a dialog without network play.
    void SetHostLobby(net::HostLobby* lobby) { hostLobby_ = lobby; }
    // Opens the dialog as the guest of a host: the host's scenario and slots are shown, a click
    // on a free slot claims it, and the game starts when the host begins.
    void OpenAsGuest(net::GuestLobby& lobby);
    bool IsGuest() const { return guestLobby_ != nullptr; }
    QLabel* StatusLabel() const { return lobby_->Status(); }
    QLabel* ChooseLabel(int i) const { return lobby_->ChooseLabel(i); }

    // The path of the selected scenario (the dialog's result), or of the scenario the editor
    // wants to test play.
    const QString& ChosenPath() const { return testPlay_ ? testPath_ : chosenPath_; }
    // The choices to start the game with (slot types, ticked options, picture set).
    NewGameSetup Setup(int teamsMode) const;

    // ---- For the window and the tests -----------------------------------------------------------
    QListWidget* ScenarioList() const;
    QComboBox* Slot(int i) const { return lobby_->Slot(i); }
    QCheckBox* OptionBox(int i) const { return lobby_->OptionBox(i); }
    QComboBox* PictureSets() const { return lobby_->PictureSets(); }
    QPushButton* BeginButton() const { return lobby_->BeginButton(); }
    QPushButton* DetailsButton() const { return lobby_->DetailsButton(); }
    QWidget* DetailsPanel() const;
    QLabel* TitleLabel() const { return lobby_->Title(); }
    QLabel* SizeLabel() const;
    QLabel* Badge() const;
    BoardWidget* StartPreview() const;
    BoardWidget* UnitsPreview() const;
    ScenarioListPanel* ListPanel() const { return list_; }
    SetupLobbyPanel* LobbyPanel() const { return lobby_; }
    const GameDef& Definition() const { return model_.Definition(); }
    // Selects a scenario by name (ignoring case and a ".def" ending); false when there is none.
    bool SelectScenario(const QString& name);
    void RefreshList();
    // The popup commands on the selected scenario.
    void CopySelected();
    void RenameSelected();
    void DeleteSelected();
    void Begin();
    // The scenario editor on the selected scenario, or on a new one; the list follows what it
    // saved, renamed or deleted when it closes.
    void EditSelected();
    void NewScenario();
    QPushButton* NewScenarioButton() const;
    ScenarioEditor* Editor() const { return editor_; }

private:
    void Build();
    void ScenarioClicked();
    // The chosen scenario's details and options, in the picture set it is played with.
    void ShowDetails();
    void ShowPictures();
    // The picture list shows a set without the window taking it as the player's choice.
    void ShowPictureSet(const QString& name);
    void SlotPicked(int slot, int index);
    void AllLike(int slot);
    void ToggleDetails();
    void ShowPopup(const QPoint& global);
    QString SelectedName() const;
    void Fail(const QString& message);
    // The editor's Test Play: the dialog closes with the editor's unsaved scenario as its result.
    void TestPlay(const QString& path, const GameDef& def);

    // The network lobby (GameSetupLobby.cpp).
    void SyncHostSlots();
    void ShowHostLobby();
    void LeaveLobby();
    void LobbyChanged() override;
    void ShowNetError(const Text& text) override;
    void ScenarioArrived(const std::filesystem::path& file) override;
    void TitleChanged(const std::string& title) override;
    void OptionsChanged(bool option1, bool option2) override;
    void SlotsChanged() override;
    void StatusChanged(const Text& status) override;
    void TeamsModeChanged(int mode, bool gameRunning) override;
    void ShowMessage(const Text& text) override;
    bool StartGame(const std::filesystem::path& scenario, const NewGameSetup& setup) override;
    void LobbyClosed() override;

    QDir programDir_;
    const ScenarioFolders& scenarios_;
    const UnitSpecs& specs_;
    WindowLinks links_;
    SetupModel model_;
    PictureStrip strip_;
    QString chosenPath_;
    bool testPlay_ = false;
    QString testPath_;
    NewGameSetup testSetup_;
    bool showingPictures_ = false;

    net::HostLobby* hostLobby_ = nullptr;
    net::GuestLobby* guestLobby_ = nullptr;

    ScenarioListPanel* list_;
    SetupLobbyPanel* lobby_;
    ScenarioDetailsPanel* details_;
    ScenarioEditor* editor_;
};

} // namespace marovane
