#pragma once

#include "net/HostLobby.h"
#include "net/LobbyMessages.h"
#include "net/NetLinks.h"
#include "scenario/NewGameSetup.h"
#include "util/Text.h"

#include <array>
#include <filesystem>
#include <string>

namespace marovane {
class Game;
}

namespace marovane::net {

class GuestGame;

// What the new-game dialog (or the tool) shows of a guest's lobby, and how it starts the game.
class GuestLobbyView {
public:
    virtual ~GuestLobbyView() = default;
    // The host's scenario arrived and was saved as `file`; the dialog shows it.
    virtual void ScenarioArrived(const std::filesystem::path& /*file*/) {}
    virtual void TitleChanged(const std::string& /*title*/) {}
    virtual void OptionsChanged(bool /*option1*/, bool /*option2*/) {}
    // Slot captions changed (SlotText, SlotIsMine).
    virtual void SlotsChanged() {}
    virtual void StatusChanged(const Text& /*status*/) {}
    // The host chose another arrangement of teams. The view switches its Teams menu; during a
    // game it also tells the player.
    virtual void TeamsModeChanged(int /*mode*/, bool /*gameRunning*/) {}
    // A message for the player ("You were dropped from the game.", a refusal, an error).
    virtual void ShowMessage(const Text& /*text*/) {}
    // The host began: start the game from the scenario with these choices. False when it could
    // not start (the message has been shown).
    virtual bool StartGame(const std::filesystem::path& scenario, const NewGameSetup& setup) = 0;
    // The lobby ended without a game (refused, dropped, cancelled): the dialog closes.
    virtual void LobbyClosed() {}
};

// The guest's side of the meeting before a network game: it connects, receives the scenario and
// the setup, claims a slot, and starts the game when the host begins. During the game the
// connection's data goes on to the guest's game protocol.
class GuestLobby : public GuestEvents {
public:
    static constexpr int kSlots = 4;

    // The host's scenario is saved in scenarioFolder as "Game on <host>.def".
    GuestLobby(GuestLink& link, Game& game, GuestGame& protocol, LobbyIdentity identity,
               std::filesystem::path scenarioFolder);
    ~GuestLobby() override;
    GuestLobby(const GuestLobby&) = delete;
    GuestLobby& operator=(const GuestLobby&) = delete;

    void SetView(GuestLobbyView* view) { view_ = view; }

    void Connect(const std::string& host, int port);
    // Leaves the lobby, or the network game, of the player's own accord.
    void Cancel();

    // A click on a slot: a free one is claimed, the one held is given up, others do nothing.
    void ClickSlot(int slot);
    const std::string& SlotText(int slot) const { return slotText_[static_cast<size_t>(slot)]; }
    bool SlotIsMine(int slot) const { return mine_[static_cast<size_t>(slot)]; }
    const std::filesystem::path& Scenario() const { return scenario_; }
    const std::string& ScenarioName() const { return scenarioName_; }
    bool Active() const { return active_; }
    // The connection closed while this machine's game went on: it may come back to its seat.
    bool DroppedFromGame() const { return droppedFromGame_; }
    int TeamsMode() const { return teamsMode_; }

    // GuestEvents
    void ReceiveFile(const std::filesystem::path& path, const std::string& name,
                     const std::string& contents) override;
    void ReceiveData(std::string data) override;
    void ReceiveSetupInfo(const std::string& data) override;
    void RejectTitle(const std::string& title) override;
    void RejectVersion(const std::string& version) override;
    void Connected() override;
    void Dropped() override;
    void Error(const NetError& error) override;

private:
    void Start(int slot, int players);
    void Close(const Text& message);
    void Leave(const Text& message);

    GuestLink& link_;
    Game& game_;
    GuestGame& protocol_;
    LobbyIdentity identity_;
    std::filesystem::path scenarioFolder_;
    GuestLobbyView* view_ = nullptr;
    bool active_ = false;
    bool started_ = false;
    // The host sent something of the lobby: the connection was taken, not turned away.
    bool heardFromHost_ = false;
    bool droppedFromGame_ = false;
    std::string hostName_;
    std::filesystem::path scenario_;
    std::string scenarioName_;
    std::array<bool, 2> options_{};
    int teamsMode_ = 0;
    std::array<std::string, kSlots> slotText_{"Unknown", "Unknown", "Unknown", "Unknown"};
    std::array<bool, kSlots> mine_{};
};

// The host's network name reduced to a safe part of a file name: letters, digits, spaces,
// '-' and '_' only, so that no name from the network can reach outside the scenario folder.
std::string SafeHostName(const std::string& name);
// The name under which a guest keeps the host's scenario: "Game on " and the host's safe name,
// a name the scenario list can always find and the editor save again.
std::string KeptScenarioName(const std::string& hostName);

} // namespace marovane::net
