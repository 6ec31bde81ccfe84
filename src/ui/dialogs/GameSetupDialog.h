#pragma once

#include "engine/UnitSpecs.h"
#include "net/GuestLobby.h"
#include "net/HostLobby.h"
#include "scenario/GameDef.h"
#include "scenario/NewGameSetup.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/SetupModel.h"
#include "ui/PictureStrip.h"

#include <QDialog>
#include <QDir>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QGridLayout;
class QTextEdit;
class QVBoxLayout;
class QWidget;

namespace marovane {

class BoardWidget;
class ScenarioEditor;

// The new-game dialog: the scenarios of the program folder with their details, the two scenario
// options, the player slots and the unit picture set. It answers the chosen scenario's path and
// the choices to start it with.
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
    QLabel* StatusLabel() const { return status_; }
    QLabel* ChooseLabel(int i) const { return choose_[static_cast<size_t>(i)]; }

    // The path of the selected scenario (the dialog's result), or of the scenario the editor
    // wants to test play.
    const QString& ChosenPath() const { return testPlay_ ? testPath_ : chosenPath_; }
    // The choices to start the game with (slot types, ticked options, picture set).
    NewGameSetup Setup(int teamsMode) const;

    // ---- For the window and the tests -----------------------------------------------------------
    QListWidget* ScenarioList() const { return list_; }
    QComboBox* Slot(int i) const { return slots_[static_cast<size_t>(i)]; }
    QCheckBox* OptionBox(int i) const { return options_[static_cast<size_t>(i)]; }
    QComboBox* PictureSets() const { return pictures_; }
    QPushButton* BeginButton() const { return begin_; }
    QPushButton* DetailsButton() const { return details_; }
    QWidget* DetailsPanel() const { return detailsPanel_; }
    QLabel* TitleLabel() const { return title_; }
    QLabel* SizeLabel() const { return size_; }
    QLabel* Badge() const { return badge_; }
    BoardWidget* StartPreview() const { return startPreview_; }
    BoardWidget* UnitsPreview() const { return unitsPreview_; }
    const GameDef& Definition() const { return def_; }
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
    QPushButton* NewScenarioButton() const { return newScenario_; }
    ScenarioEditor* Editor() const { return editor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScenarioClicked();
    void ShowDetails();
    void ShowSlots();
    void SlotChanged(int slot);
    void ShowPictures();
    void ToggleDetails();
    void ShowPopup(const QPoint& position);
    QString SelectedName() const;
    void Fail(const QString& message);
    // The editor's Test Play: the dialog closes with the editor's unsaved scenario as its result.
    void TestPlay(const QString& path, const GameDef& def);

    // The network lobby (GameSetupLobby.cpp).
    void BuildLobby(QGridLayout* slotGrid, QVBoxLayout* middle);
    void SyncHostSlots();
    void ShowHostLobby();
    void LeaveLobby();
    void ClickedChoose(int slot);
    void LobbyChanged() override;
    void ShowNetError(const std::string& text) override;
    void ScenarioArrived(const std::filesystem::path& file) override;
    void TitleChanged(const std::string& title) override;
    void OptionsChanged(bool option1, bool option2) override;
    void SlotsChanged() override;
    void StatusChanged(const std::string& status) override;
    void TeamsModeChanged(int mode, bool gameRunning) override;
    void ShowMessage(const std::string& text) override;
    bool StartGame(const std::filesystem::path& scenario, const NewGameSetup& setup) override;
    void LobbyClosed() override;

    // The caption of a slot kind in the player lists.
    static QString SlotCaption(SlotKind kind);

    QDir programDir_;
    const ScenarioFolders& scenarios_;
    const UnitSpecs& specs_;
    WindowLinks links_;
    GameDef def_;
    SetupModel model_;
    PictureStrip strip_;
    QString chosenPath_;
    bool testPlay_ = false;
    QString testPath_;
    NewGameSetup testSetup_;
    QString rememberedPictures_;
    bool rebuilding_ = false;

    net::HostLobby* hostLobby_ = nullptr;
    net::GuestLobby* guestLobby_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QLabel*, 4> choose_{};

    QListWidget* list_;
    std::array<QComboBox*, 4> slots_{};
    std::array<QLabel*, 4> slotLabels_{};
    std::array<QCheckBox*, 2> options_{};
    QComboBox* pictures_;
    QPushButton* begin_;
    QPushButton* details_;
    QPushButton* teamsButton_;
    QPushButton* newScenario_;
    ScenarioEditor* editor_;
    QWidget* detailsPanel_;
    QLabel* title_;
    QTextEdit* description_;
    QLabel* size_;
    QLabel* party_;
    QLabel* cash_;
    QLabel* advanced_;
    QLabel* noGame_;
    QLabel* badge_;
    BoardWidget* startPreview_;
    BoardWidget* unitsPreview_;
};

} // namespace marovane
