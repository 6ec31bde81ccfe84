#include "net/Unattended.h"

#include "scenario/DefFile.h"
#include "scenario/GameDef.h"
#include "util/Error.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace marovane::net {

// ---- UnattendedHost ---------------------------------------------------------------------------

UnattendedHost::UnattendedHost(GameSession& session, HostLink& link, LobbyIdentity identity,
                               fs::path scenario, NewGameSetup setup)
    : session_(session), link_(link), play_(session, {}, std::move(identity)),
      scenario_(std::move(scenario)), setup_(std::move(setup)) {
    play_.UseHostLink(link);
    Lobby().SetView(this);
}

bool UnattendedHost::Open(std::string& problem) {
    try {
        ReadDefFile(scenario_); // refused here rather than after the guests came
        Lobby().SetScenario(scenario_, ScenarioNameOf(scenario_));
    } catch (const Error& error) {
        problem = error.what();
        return false;
    }
    Lobby().SetTeamsMode(setup_.TeamsMode);
    Lobby().SetOptions(setup_.OptionTicked[0], setup_.OptionTicked[1]);
    std::array<SlotKind, HostLobby::kSlots> kinds{SlotKind::None, SlotKind::None, SlotKind::None,
                                                  SlotKind::None};
    std::copy_n(setup_.Slots.begin(), std::min<size_t>(setup_.Slots.size(), kinds.size()),
                kinds.begin());
    if (!Lobby().SetSlots(kinds)) {
        problem = "Cannot listen on port " + std::to_string(link_.LocalPort()) + ": it is in use.";
        return false;
    }
    return true;
}

bool UnattendedHost::Poll() {
    if (failed_)
        return true;
    if (began_)
        return !session_.CurrentGame().GameOn;
    if (!Lobby().BeginAllowed())
        return false;
    began_ = true;
    const auto result = play_.BeginHostedGame(scenario_, setup_);
    if (result == GameSession::StartResult::Refused) {
        failed_ = true;
        Lobby().Cancel();
        return true;
    }
    return !session_.CurrentGame().GameOn;
}

void UnattendedHost::ShowNetError(const Text& text) {
    session_.CurrentGame().Interaction().ShowMessage(text);
}

// ---- UnattendedGuest --------------------------------------------------------------------------

UnattendedGuest::UnattendedGuest(GameSession& session, GuestLink& link, LobbyIdentity identity,
                                 fs::path scenarioFolder, std::optional<int> slot)
    : session_(session), play_(session, {}, std::move(identity)), slot_(slot) {
    play_.UseGuestLink(link, std::move(scenarioFolder));
    Lobby().SetView(this);
}

bool UnattendedGuest::StartGame(const fs::path& scenario, const NewGameSetup& setup) {
    if (!session_.StartNewGame(scenario, setup))
        return false;
    Game& game = session_.CurrentGame();
    // The computer plays this machine's player; its turn starts when the host's board arrives.
    game.SeatComputer(game.MyPlayer);
    started_ = true;
    return true;
}

void UnattendedGuest::Rejoin(const std::string& host, int port) {
    const int seat = session_.CurrentGame().MyPlayer;
    if (seat >= 1)
        slot_ = seat - 1;
    closed_ = false;
    started_ = false;
    claimed_.reset();
    Lobby().Connect(host, port);
}

void UnattendedGuest::SlotsChanged() {
    for (int s = 0; s < GuestLobby::kSlots; ++s) {
        if (Lobby().SlotIsMine(s)) {
            claimed_.reset();
            return;
        }
    }
    // Updates the host sent before it read the claim still show the slot free: claiming again
    // for each would only make the host answer everybody again. The host reads the claim before
    // other guests can send it more than a few updates; after those the claim counts as lost.
    if (claimed_ && Lobby().SlotText(*claimed_) == "Free" &&
        ++updatesSinceClaim_ <= GuestLobby::kSlots)
        return;
    claimed_.reset();
    for (int s = 0; s < GuestLobby::kSlots; ++s) {
        if ((!slot_ || *slot_ == s) && Lobby().SlotText(s) == "Free") {
            Lobby().ClickSlot(s);
            claimed_ = s;
            updatesSinceClaim_ = 0;
            return;
        }
    }
}

} // namespace marovane::net
