#pragma once

#include "net/LobbyMessages.h"
#include "net/NetLinks.h"
#include "scenario/NewGameSetup.h"
#include "util/Text.h"

#include <array>
#include <filesystem>
#include <set>
#include <string>

namespace marovane::net {

class HostGame;

// Who this program is, as the lobby checks and tells it.
struct LobbyIdentity {
    std::string Title;   // the program's title; a guest of another program is turned away
    std::string Version; // "major.minor"; a guest of another version is turned away
    std::string
        HostName; // this machine's network name: the guests' copy of the scenario is named after it
};

// This program as the lobby names it: "Marovane" and its major.minor version, on this machine.
LobbyIdentity OurIdentity(const std::string& hostName);

// What the new-game dialog (or the tool) shows of the host's lobby.
class HostLobbyView {
public:
    virtual ~HostLobbyView() = default;
    // Guests came, went, or claimed slots: the slots, the status line and Begin need a fresh look.
    virtual void LobbyChanged() {}
    virtual void ShowNetError(const Text& /*text*/) {}
};

// The host's side of the meeting before a network game: hosting follows the slots set to
// "Remote", guests are checked and sent the scenario and the setup, they claim remote slots, and
// the host begins. During the game the connection's events go on to the host's game protocol.
class HostLobby : public HostEvents {
public:
    static constexpr int kSlots = 4;

    HostLobby(HostLink& link, HostGame& game, LobbyIdentity identity);
    ~HostLobby() override;
    HostLobby(const HostLobby&) = delete;
    HostLobby& operator=(const HostLobby&) = delete;

    void SetView(HostLobbyView* view) { view_ = view; }

    // What every guest is sent when it has passed the checks (and again when it changes).
    void SetScenario(const std::filesystem::path& file, const std::string& title);
    void SetTeamsMode(int mode);
    void SetOptions(bool option1, bool option2);

    // The dialog's slots changed (kinds of the slots shown; hidden slots count as empty).
    // Hosting starts with the first "Remote" slot and stops with the last. False when listening
    // failed because the port is in use: the caller withdraws the "Remote" choices and calls
    // again.
    bool SetSlots(const std::array<SlotKind, kSlots>& kinds);

    bool Hosting() const { return hosting_; }
    // A "Remote" slot no guest has taken yet (shown in italics).
    bool SlotWaiting(int slot) const;
    // The connection index of the guest holding a slot, or 0.
    int SlotGuest(int slot) const { return remote_[static_cast<size_t>(slot)]; }
    std::string GuestAddress(int slot) const;
    // The host may begin once no "Remote" slot waits for a guest.
    bool BeginAllowed() const;
    // "Host: address  Connections: n/max", or empty when not hosting.
    Text Status() const;

    // The host begins a game of `players` players: every guest hears which slot it holds.
    // Answers, per player 1..4, the connection index of its guest, for Game::RemotePlayer.
    std::array<int16_t, kSlots + 1> Begin(int players);
    // The host leaves the lobby without a game: hosting stops.
    void Cancel();

    // HostEvents
    void ReceiveTitle(int index, const std::string& title) override;
    void ReceiveVersion(int index, const std::string& version) override;
    void ReceiveSetupInfo(int index, const std::string& data) override;
    void ReceiveData(int index, std::string data) override;
    void ClientJoined(int index) override;
    void ClientLeft(int index) override;
    void Error(int index, const NetError& error) override;

private:
    // Back to the state before any hosting: nobody listens, no game, no guests.
    void Reset();
    void Welcome(int index);
    void SendSlots(int index);
    // Every guest's view of the slots, at once; or, after guest `asking` changed them, at once to
    // it and to the others with the host's next message to them or a moment later.
    void SendSlotsToAll(int asking = 0);
    SlotStates StatesFor(int index) const;
    void ReleaseSlotsOf(int index);
    void Changed();

    HostLink& link_;
    HostGame& game_;
    LobbyIdentity identity_;
    HostLobbyView* view_ = nullptr;
    std::filesystem::path scenarioFile_;
    std::string scenarioTitle_;
    int teamsMode_ = 0;
    std::array<bool, 2> options_{};
    std::array<SlotKind, kSlots> kinds_{SlotKind::None, SlotKind::None, SlotKind::None,
                                        SlotKind::None};
    std::array<int, kSlots> remote_{};
    bool hosting_ = false;
    bool inGame_ = false;
    // Guests whose title was right; only they are checked for the version and welcomed.
    std::set<int> titleChecked_;
    // Guests that passed both checks and were sent the scenario and the setup, once.
    std::set<int> welcomed_;
};

} // namespace marovane::net
