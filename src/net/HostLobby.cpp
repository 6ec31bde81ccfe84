#include "net/HostLobby.h"

#include "net/HostGame.h"

#include <algorithm>

namespace marovane::net {

LobbyIdentity OurIdentity(const std::string& hostName) {
    const std::string version = MAROVANE_VERSION;
    const size_t second = version.find('.', version.find('.') + 1);
    return {"Marovane", version.substr(0, second), hostName};
}

HostLobby::HostLobby(HostLink& link, HostGame& game, LobbyIdentity identity)
    : link_(link), game_(game), identity_(std::move(identity)) {
    link_.SetEvents(this);
    // However a hosted game ends, the next one starts from a fresh lobby.
    game_.SetNetworkEnded([this] { Reset(); });
}

HostLobby::~HostLobby() {
    game_.SetNetworkEnded(nullptr);
    link_.SetEvents(nullptr);
}

void HostLobby::Reset() {
    hosting_ = false;
    inGame_ = false;
    remote_ = {};
    titleChecked_.clear();
    welcomed_.clear();
    Changed();
}

void HostLobby::SetScenario(const std::filesystem::path& file, const std::string& title) {
    scenarioFile_ = file;
    scenarioTitle_ = title;
}

void HostLobby::SetTeamsMode(int mode) {
    teamsMode_ = mode;
    if (hosting_)
        link_.SendSetupInfo(0, TeamsModeMessage(mode));
}

void HostLobby::SetOptions(bool option1, bool option2) {
    options_ = {option1, option2};
    if (hosting_)
        link_.SendSetupInfo(0, OptionsMessage(option1, option2));
}

bool HostLobby::SetSlots(const std::array<SlotKind, kSlots>& kinds) {
    kinds_ = kinds;
    // A slot that is no longer remote lets its guest go back to watching the lobby.
    for (size_t s = 0; s < kinds_.size(); ++s) {
        if (kinds_[s] != SlotKind::Remote)
            remote_[s] = 0;
    }
    const int remoteSlots =
        static_cast<int>(std::count(kinds_.begin(), kinds_.end(), SlotKind::Remote));
    link_.SetMaxConnections(std::max(remoteSlots, 1));
    if (remoteSlots > 0 && !hosting_) {
        if (!link_.BeginHost())
            return false;
        hosting_ = true;
    } else if (remoteSlots == 0 && hosting_) {
        link_.StopHost();
        hosting_ = false;
        titleChecked_.clear();
        welcomed_.clear();
    }
    if (hosting_)
        SendSlotsToAll();
    Changed();
    return true;
}

bool HostLobby::SlotWaiting(int slot) const {
    const size_t s = static_cast<size_t>(slot);
    return kinds_[s] == SlotKind::Remote && remote_[s] == 0;
}

std::string HostLobby::GuestAddress(int slot) const {
    const int index = SlotGuest(slot);
    return index == 0 ? std::string() : link_.ClientIP(index);
}

bool HostLobby::BeginAllowed() const {
    for (int s = 0; s < kSlots; ++s) {
        if (SlotWaiting(s))
            return false;
    }
    return true;
}

Text HostLobby::Status() const {
    if (!hosting_)
        return {};
    return Tx("Lobby", "Host: %1  Connections: %2/%3")
        .Arg(link_.HostIP())
        .Arg(link_.Connections())
        .Arg(link_.MaxConnections());
}

std::array<int16_t, HostLobby::kSlots + 1> HostLobby::Begin(int players) {
    std::array<int16_t, kSlots + 1> remotePlayer{};
    for (int index = link_.EnumClients(true); index != 0; index = link_.EnumClients(false)) {
        int held = kSlots; // no slot
        for (int s = 0; s < kSlots; ++s) {
            if (remote_[static_cast<size_t>(s)] == index)
                held = s;
        }
        link_.SendSetupInfo(index, StartMessage(held, players));
    }
    for (int s = 0; s < players && s < kSlots; ++s)
        remotePlayer[static_cast<size_t>(s + 1)] =
            static_cast<int16_t>(remote_[static_cast<size_t>(s)]);
    inGame_ = true;
    game_.GameBegins();
    return remotePlayer;
}

void HostLobby::Cancel() {
    if (hosting_)
        link_.StopHost();
    Reset();
}

void HostLobby::ReceiveTitle(int index, const std::string& title) {
    // A connection is checked once: a repeated title changes nothing.
    if (titleChecked_.contains(index))
        return;
    if (title != identity_.Title) {
        link_.SendProperTitle(index, identity_.Title);
        link_.Kick(index);
        return;
    }
    titleChecked_.insert(index);
}

void HostLobby::ReceiveVersion(int index, const std::string& version) {
    // Turned away for its title already, or welcomed once: a repeated version frame must not
    // make the host send the whole welcome again.
    if (!titleChecked_.contains(index) || welcomed_.contains(index))
        return;
    if (version != identity_.Version) {
        link_.SendProperVersion(index, identity_.Version);
        link_.Kick(index);
        return;
    }
    Welcome(index);
}

void HostLobby::Welcome(int index) {
    welcomed_.insert(index);
    // The stream keeps its order, so the scenario is in place on the guest before the setup
    // that follows it is read.
    if (!scenarioFile_.empty())
        link_.SendFile(index, scenarioFile_, identity_.HostName);
    link_.SendSetupInfo(index, TitleMessage(scenarioTitle_));
    link_.SendSetupInfo(index, TeamsModeMessage(teamsMode_));
    link_.SendSetupInfo(index, OptionsMessage(options_[0], options_[1]));
    SendSlots(index);
}

void HostLobby::ReceiveSetupInfo(int index, const std::string& data) {
    const std::optional<int> claim = ParseClaim(data);
    if (!claim || !welcomed_.contains(index))
        return;
    if (inGame_) {
        // During a game only a seat that a departed guest left can be taken, and not given up.
        if (*claim >= 0 && game_.Rejoin(index, *claim + 1)) {
            SendSlotsToAll(index);
            Changed();
        }
        return;
    }
    ReleaseSlotsOf(index);
    if (*claim >= 0) {
        const size_t s = static_cast<size_t>(*claim);
        if (kinds_[s] == SlotKind::Remote && remote_[s] == 0)
            remote_[s] = index;
    }
    SendSlotsToAll(index);
    Changed();
}

void HostLobby::ReceiveData(int index, std::string data) {
    game_.ReceiveData(index, std::move(data));
}

void HostLobby::ClientJoined(int /*index*/) {
    Changed();
}

void HostLobby::ClientLeft(int index) {
    titleChecked_.erase(index);
    welcomed_.erase(index);
    if (inGame_)
        game_.GuestLeft(index);
    ReleaseSlotsOf(index);
    if (hosting_)
        SendSlotsToAll(); // a seat may have opened for a guest that wants to come back
    Changed();
}

void HostLobby::Error(int /*index*/, const NetError& error) {
    if (view_)
        view_->ShowNetError(ErrorMessage(error));
}

void HostLobby::SendSlots(int index) {
    link_.SendSetupInfo(index, SlotStatesMessage(StatesFor(index)));
}

void HostLobby::SendSlotsToAll(int asking) {
    for (int g = link_.EnumClients(true); g != 0; g = link_.EnumClients(false)) {
        // Only a guest that passed both checks hears of the slots, after its welcome; during a
        // game only those that play no seat yet.
        if (!welcomed_.contains(g) || (inGame_ && game_.PlaysASeat(g)))
            continue;
        const std::string states = SlotStatesMessage(StatesFor(g));
        if (asking == 0 || g == asking)
            link_.SendSetupInfo(g, states);
        else
            link_.SendSetupNews(g, states);
    }
}

SlotStates HostLobby::StatesFor(int index) const {
    SlotStates states{};
    for (size_t s = 0; s < kinds_.size(); ++s) {
        const int player = static_cast<int>(s) + 1;
        // During a game a guest may take back a seat that a departed guest left.
        if (inGame_ && game_.SeatOpen(player)) {
            states[s] = SlotState::Free;
            continue;
        }
        if (inGame_ && game_.Returning(player) != 0) {
            states[s] = game_.Returning(player) == index ? SlotState::You : SlotState::Taken;
            continue;
        }
        switch (kinds_[s]) {
        case SlotKind::Human:
            states[s] = SlotState::Host;
            break;
        case SlotKind::Computer:
            states[s] = SlotState::Computer;
            break;
        case SlotKind::Immobile:
            states[s] = SlotState::Immobile;
            break;
        case SlotKind::Remote:
            states[s] = remote_[s] == index          ? SlotState::You
                        : remote_[s] != 0 || inGame_ ? SlotState::Taken
                                                     : SlotState::Free;
            break;
        case SlotKind::None:
            states[s] = SlotState::None;
            break;
        }
    }
    return states;
}

void HostLobby::ReleaseSlotsOf(int index) {
    for (int& guest : remote_) {
        if (guest == index)
            guest = 0;
    }
}

void HostLobby::Changed() {
    if (view_)
        view_->LobbyChanged();
}

} // namespace marovane::net
