#include "net/GuestLobby.h"

#include "engine/Game.h"
#include "net/GuestGame.h"
#include "net/PeerText.h"
#include "scenario/ScenarioName.h"
#include "util/AtomicFile.h"
#include "util/Error.h"

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace marovane::net {

namespace {

// A scenario record is 2060 bytes; anything much larger is not one.
constexpr std::uintmax_t kLargestScenario = 64 * 1024;

std::string WholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether the file already holds exactly these bytes: a guest that joins the same host again
// gets the same scenario, and rewriting it would only wear the disk.
bool Holds(const fs::path& path, const std::string& bytes) {
    std::error_code error;
    return fs::file_size(path, error) == bytes.size() && !error && WholeFile(path) == bytes;
}

} // namespace

std::string SafeHostName(const std::string& name) {
    std::string safe;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
            c == ' ' || c == '-' || c == '_')
            safe.push_back(c);
    }
    while (!safe.empty() && safe.back() == ' ')
        safe.pop_back();
    return safe.empty() ? std::string("host") : safe;
}

std::string KeptScenarioName(const std::string& hostName) {
    // The host's name is cut to fit the longest scenario name, then checked as every name is.
    const std::string name = "Game on " + SafeHostName(hostName);
    const ScenarioNameCheck check = CheckScenarioName(name.substr(0, kMaxScenarioNameLength));
    return check.Accepted() ? check.Name : std::string("Game on host");
}

GuestLobby::GuestLobby(GuestLink& link, Game& game, GuestGame& protocol, LobbyIdentity identity,
                       fs::path scenarioFolder)
    : link_(link), game_(game), protocol_(protocol), identity_(std::move(identity)),
      scenarioFolder_(std::move(scenarioFolder)) {
    link_.SetEvents(this);
}

GuestLobby::~GuestLobby() {
    link_.SetEvents(nullptr);
}

void GuestLobby::Connect(const std::string& host, int port) {
    // A connection still open from an earlier game is let go first, without a word.
    if (link_.IsConnected() || link_.Busy()) {
        active_ = false;
        link_.Disconnect();
    }
    active_ = true;
    started_ = false;
    droppedFromGame_ = false;
    heardFromHost_ = false;
    hostName_ = host;
    slotText_.fill(MAROVANE_TEXT("Lobby", "Unknown"));
    mine_.fill(false);
    link_.Connect(host, port, identity_.Title, identity_.Version);
}

void GuestLobby::Cancel() {
    if (started_ && game_.Role == NetworkRole::Guest) {
        // Leaving a game under way: the host's computer takes over this player.
        game_.LeaveNetwork();
    }
    active_ = false;
    link_.Disconnect();
}

void GuestLobby::ClickSlot(int slot) {
    if (slot < 0 || slot >= kSlots || !link_.IsConnected())
        return;
    const std::string& text = SlotText(slot);
    if (text == "Free")
        link_.SendSetupInfo(ClaimMessage(slot));
    else if (text == "You")
        link_.SendSetupInfo(ReleaseMessage());
}

void GuestLobby::ReceiveFile(const fs::path& /*path*/, const std::string& name,
                             const std::string& bytes) {
    if (!active_)
        return;
    heardFromHost_ = true;
    scenarioName_ = KeptScenarioName(name);
    // Checked before it is kept: a scenario no game can be made from never joins the list.
    if (bytes.size() > kLargestScenario || bytes.size() < kGameDefSize) {
        Close(Tx("Lobby", "The host sent a scenario that cannot be used."));
        return;
    }
    const GameDef def =
        FromBytes(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), kGameDefSize));
    if (const Text refusal = ScenarioRefusal(def, scenarioName_); !refusal.English().empty()) {
        Close(Tx("Lobby", "The host sent a scenario that cannot be used. %1").Arg(refusal));
        return;
    }
    const fs::path target = scenarioFolder_ / (scenarioName_ + ".def");
    try {
        // The host sends its scenario at every join: a copy lost to a power cut is fetched again,
        // and waiting for the disk would hold up the start of the game.
        if (!Holds(target, bytes))
            WriteFileAtomically(target, bytes, FileSync::Skip);
    } catch (const marovane::Error& failure) {
        Close(failure.Message());
        return;
    } catch (const std::exception& failure) {
        Close(Verbatim(failure.what()));
        return;
    }
    scenario_ = target;
    options_ = {};
    if (view_) {
        view_->OptionsChanged(false, false);
        view_->TitleChanged(scenarioName_);
        view_->ScenarioArrived(target);
    }
}

void GuestLobby::ReceiveData(std::string data) {
    protocol_.ReceiveData(std::move(data));
}

void GuestLobby::ReceiveSetupInfo(const std::string& data) {
    const std::optional<HostSetupMessage> message = ParseHostSetup(data);
    if (!message || !active_)
        return;
    heardFromHost_ = true;
    switch (message->What) {
    case HostSetupMessage::Kind::Title:
        if (view_)
            view_->TitleChanged(PeerText(message->Text));
        return;
    case HostSetupMessage::Kind::TeamsMode:
        if (message->Number != teamsMode_) {
            teamsMode_ = message->Number;
            if (view_)
                view_->TeamsModeChanged(teamsMode_,
                                        game_.GameOn && game_.Role == NetworkRole::Guest);
        }
        return;
    case HostSetupMessage::Kind::Options:
        options_ = message->Options;
        if (view_)
            view_->OptionsChanged(options_[0], options_[1]);
        return;
    case HostSetupMessage::Kind::SlotStates:
        for (size_t s = 0; s < slotText_.size(); ++s) {
            const std::string_view text = SlotStateText(message->Bytes[s]);
            mine_[s] = message->Bytes[s] == static_cast<uint8_t>(SlotState::You);
            if (!text.empty())
                slotText_[s] = std::string(text);
        }
        if (view_)
            view_->SlotsChanged();
        return;
    case HostSetupMessage::Kind::Start:
        Start(message->Number, message->Players);
        return;
    case HostSetupMessage::Kind::TeamFlags: {
        PerPlayer<bool> team{};
        for (int q = 1; q <= kMaxPlayers; ++q)
            team[q] = message->Bytes[static_cast<size_t>(q - 1)] >= 1;
        game_.SetNetTeam(team);
        return;
    }
    }
}

void GuestLobby::Start(int slot, int players) {
    const int me = slot + 1;
    if (me > players) {
        Close(Tx("Lobby", "The game started without you."));
        return;
    }
    if (scenario_.empty() || !view_) {
        Close(Tx("Lobby", "The host began before its scenario arrived."));
        return;
    }
    NewGameSetup setup;
    setup.Slots.assign(static_cast<size_t>(players), SlotKind::Computer);
    setup.OptionTicked = options_;
    setup.TeamsMode = teamsMode_;
    game_.SetNetworkRole(NetworkRole::Guest, me);
    game_.SetNetwork(&protocol_);
    protocol_.HoldUntilGameStarts();
    started_ = true;
    if (!view_->StartGame(scenario_, setup) || !game_.GameOn) {
        game_.LeaveNetwork();
        Close({});
        return;
    }
    protocol_.GameStarted();
}

void GuestLobby::RejectTitle(const std::string& title) {
    Close(Tx("Lobby", "The host is running %1.").Arg(PeerText(title)));
}

void GuestLobby::RejectVersion(const std::string& version) {
    Close(Tx("Lobby", "The host is running %1 v%2").Arg(identity_.Title).Arg(PeerText(version)));
}

void GuestLobby::Connected() {
    if (view_)
        view_->StatusChanged(Tx("Lobby", "Connected to %1").Arg(link_.HostIP()));
}

void GuestLobby::Dropped() {
    // A host that closes before it has said anything turned the connection away: its slots are
    // all taken.
    Leave(heardFromHost_ ? Tx("Lobby", "You were dropped from the game.")
                         : Tx("Lobby", "The game at %1 is full.").Arg(hostName_));
}

void GuestLobby::Error(const NetError& error) {
    // One message says what went wrong; the close that follows an error is no news.
    if (!link_.IsConnected() && !heardFromHost_) {
        switch (error.Number) {
        case kErrorConnectionRefused:
            Leave(Tx("Lobby", "No game is hosted at %1.").Arg(hostName_));
            return;
        case kErrorTimedOut:
            Leave(Tx("Lobby", "The host at %1 did not answer in time.").Arg(hostName_));
            return;
        case kErrorHostNotFound:
            Leave(Tx("Lobby", "There is no computer called %1 on the network.").Arg(hostName_));
            return;
        default:
            break;
        }
    }
    Leave(ErrorMessage(error));
}

void GuestLobby::Leave(const Text& message) {
    if (!active_)
        return;
    active_ = false;
    droppedFromGame_ = started_ && game_.Role == NetworkRole::Guest && game_.GameOn;
    // A game that ended as usual has left network mode already: its closing is no news.
    const bool inNetwork = !started_ || game_.Role == NetworkRole::Guest;
    if (inNetwork && view_)
        view_->ShowMessage(message);
    if (started_ && game_.Role == NetworkRole::Guest) {
        game_.LeaveNetwork();
        if (game_.GameOn)
            game_.GameOver();
    }
    if (link_.IsConnected() || link_.Busy())
        link_.Disconnect();
    if (view_)
        view_->LobbyClosed();
}

void GuestLobby::Close(const Text& message) {
    if (!active_)
        return;
    active_ = false;
    if (view_ && message != Text())
        view_->ShowMessage(message);
    link_.Disconnect();
    if (view_)
        view_->LobbyClosed();
}

} // namespace marovane::net
