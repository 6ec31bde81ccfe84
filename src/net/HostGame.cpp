#include "net/HostGame.h"

#include "engine/Announcements.h"
#include "engine/Game.h"
#include "net/BoardState.h"
#include "net/GameMessages.h"
#include "net/LobbyMessages.h"
#include "net/PeerText.h"

#include <algorithm>
#include <array>

namespace marovane::net {

bool HostGame::Active() const {
    return game_.GameOn && game_.Role == NetworkRole::Host;
}

int HostGame::PlayerOf(int index) const {
    if (index <= 0)
        return 0;
    for (int p = 1; p <= game_.NumPlayers; ++p) {
        if (game_.RemotePlayer[p] == index)
            return p;
    }
    return 0;
}

void HostGame::ReceiveData(int index, std::string data) {
    Enqueue({index, std::move(data), false});
}

void HostGame::GuestLeft(int index) {
    Enqueue({index, {}, true});
}

void HostGame::Enqueue(Incoming incoming) {
    queued_.push_back(std::move(incoming));
    if (handling_)
        return;
    handling_ = true;
    while (!queued_.empty()) {
        const Incoming next = std::move(queued_.front());
        queued_.pop_front();
        Handle(next);
    }
    handling_ = false;
}

void HostGame::Handle(const Incoming& incoming) {
    const int index = incoming.Index;
    const std::string& data = incoming.Data;
    if (!Active())
        return;
    if (incoming.Left) {
        HandleLeft(index);
        return;
    }
    const int sender = PlayerOf(index);
    if (sender == 0 || data.empty())
        return; // a guest that plays no player has nothing to say in the game
    switch (data[0]) {
    case kBoardMessage: {
        // Only the guest whose player is to move hands a board back; anything else would let
        // one machine play another's turn.
        if (sender != game_.CurrentPlayer)
            return;
        if (ApplyBoardState(game_, std::string_view(data).substr(1))) {
            SettleReportedDefeats(index);
            game_.NextPlayer();
        }
        return;
    }
    case kShowMessage: {
        // Passed on as shown: cut, so that what this machine sends stays bounded too.
        const std::string text = PeerText(std::string_view(data).substr(1));
        peerMessages_.Show(game_, index, text);
        link_.SendData(-index, Message(kShowMessage, text));
        return;
    }
    case kOutMessage: {
        // A defeat in a guest's turn is reported before the board that shows it. Only the
        // guest whose player is to move may report one; the report waits for that board.
        if (data.size() != 2 || sender != game_.CurrentPlayer)
            return;
        const int p = PlayerFromCode(data[1]);
        if (p >= 1 && p <= game_.NumPlayers && !game_.PlayerOut[p])
            reportedOut_[static_cast<size_t>(p)] = true;
        return;
    }
    default:
        return;
    }
}

void HostGame::SettleReportedDefeats(int index) {
    // A defeat takes every piece of the player off the board, so the board the rules accepted
    // shows it: a reported player who still has a piece there is not out, whatever was said.
    for (int p = 1; p <= game_.NumPlayers; ++p) {
        if (!reportedOut_[static_cast<size_t>(p)] || game_.PlayerOut[p] ||
            game_.FindParty(p)[0].X >= 0)
            continue;
        game_.TakeOutPlayer(p);
        link_.SendData(-index, WithPlayer(kOutMessage, p));
    }
    reportedOut_ = {};
}

void HostGame::HandleLeft(int index) {
    // A guest that came back and leaves again before its seat was handed over.
    for (int& waiting : returning_) {
        if (waiting == index)
            waiting = 0;
    }
    const int p = PlayerOf(index);
    if (p == 0) {
        KeepListeningForReturns();
        return;
    }
    if (p == game_.CurrentPlayer)
        reportedOut_ = {}; // its board never came
    if (!game_.PlayerOut[p]) {
        const Text text = Tx("Rules", announcement::kLeft).Arg(p);
        game_.Interaction().ShowMessage(text);
        link_.SendData(-index, Message(kShowMessage, text.English()));
    }
    game_.SeatComputer(p);
    formerGuest_[static_cast<size_t>(p)] = true;
    KeepListeningForReturns();
    // The departed player was to move: the computer plays that turn now.
    if (game_.CurrentPlayer == p && !game_.PlayerOut[p])
        game_.PlayComputerTurnNow();
}

void HostGame::GameBegins() {
    formerGuest_ = {};
    returning_ = {};
    reportedOut_ = {};
}

bool HostGame::SeatOpen(int p) const {
    if (!Active() || p < 1 || p > game_.NumPlayers)
        return false;
    const size_t seat = static_cast<size_t>(p);
    return formerGuest_[seat] && returning_[seat] == 0 && game_.RemotePlayer[p] == 0 &&
           game_.PlayerComp[p] && !game_.PlayerOut[p];
}

int HostGame::OpenSeats() const {
    int open = 0;
    for (int p = 1; p <= game_.NumPlayers; ++p)
        open += SeatOpen(p) ? 1 : 0;
    return open;
}

void HostGame::KeepListeningForReturns() {
    if (game_.Role != NetworkRole::Host)
        return;
    const int open = OpenSeats();
    if (link_.Connections() == 0 && open == 0) {
        game_.LeaveNetwork();
        StopHosting();
        return;
    }
    link_.SetMaxConnections(link_.Connections() + open);
}

bool HostGame::Rejoin(int index, int p) {
    if (index <= 0 || !SeatOpen(p) || PlayerOf(index) != 0)
        return false;
    for (int waiting : returning_) {
        if (waiting == index)
            return false; // one seat for each guest
    }
    returning_[static_cast<size_t>(p)] = index;
    link_.SendSetupInfo(index, StartMessage(p - 1, game_.NumPlayers));
    std::array<bool, 4> sameTeam{};
    for (int q = 1; q <= kMaxPlayers; ++q)
        sameTeam[static_cast<size_t>(q - 1)] = game_.SameTeam(p, q);
    link_.SendSetupInfo(index, TeamFlagsMessage(sameTeam));
    for (int q = 1; q <= game_.NumPlayers; ++q) {
        if (game_.PlayerOut[q])
            link_.SendData(index, WithPlayer(kOutMessage, q));
    }
    link_.SendData(index, BoardMessage(kCurrentBoardMessage, game_));
    link_.SendData(index, WithPlayer(kTurnMessage, game_.CurrentPlayer));
    return true;
}

bool HostGame::PlaysASeat(int index) const {
    return PlayerOf(index) != 0 ||
           std::find(returning_.begin(), returning_.end(), index) != returning_.end();
}

void HostGame::HandBackSeat(int p) {
    const size_t seat = static_cast<size_t>(p);
    const int index = returning_[seat];
    if (index == 0)
        return;
    returning_[seat] = 0;
    if (game_.PlayerOut[p])
        return;
    game_.SeatRemote(p, index);
    const Text text = Tx("Rules", announcement::kBack).Arg(p);
    game_.Interaction().ShowStatus(text);
    link_.SendData(-index, Message(kShowMessage, text.English()));
}

void HostGame::SendTeams() {
    if (game_.Role != NetworkRole::Host)
        return;
    for (int p = 1; p <= game_.NumPlayers; ++p) {
        const int index = game_.RemotePlayer[p];
        if (index == 0)
            continue;
        std::array<bool, 4> sameTeam{};
        for (int q = 1; q <= kMaxPlayers; ++q)
            sameTeam[static_cast<size_t>(q - 1)] = game_.SameTeam(p, q);
        link_.SendSetupInfo(index, TeamFlagsMessage(sameTeam));
    }
}

void HostGame::TeamsChanged() {
    link_.SendSetupInfo(0, TeamsModeMessage(game_.TeamsMode));
    if (game_.GameOn)
        SendTeams();
}

void HostGame::EndNetGame() {
    if (game_.Role != NetworkRole::Host)
        return;
    // Every guest ends with the host's board, then hears that the game is over, then is let go:
    // all in one piece.
    const HeldSends held(link_);
    link_.SendData(0, BoardMessage(kFinalBoardMessage, game_));
    link_.SendData(0, std::string(kGameOverMessage));
    // Leave network mode before the connections close, so their closing is not taken for
    // guests walking out of a game.
    game_.LeaveNetwork();
    StopHosting();
}

void HostGame::StopHosting() {
    link_.StopHost();
    reportedOut_ = {};
    if (networkEnded_)
        networkEnded_();
}

void HostGame::AnnounceWin(int /*player*/, const std::string& message) {
    if (game_.Role == NetworkRole::Host)
        link_.SendData(0, Message(kShowMessage, message));
}

void HostGame::AnnounceLoss(int player, const std::string& message) {
    if (game_.Role != NetworkRole::Host)
        return;
    link_.SendData(0, Message(kShowMessage, message));
    if (player < 1 || player > game_.NumPlayers)
        return;
    if (const int index = game_.RemotePlayer[player]; index != 0) {
        link_.SendData(index, BoardMessage(kFinalBoardMessage, game_));
        link_.SendData(index, std::string(kLoseMessage));
    }
}

void HostGame::AnnounceGameOver() {
    EndNetGame();
}

void HostGame::TurnPassed(int player) {
    if (game_.Role != NetworkRole::Host)
        return;
    HandBackSeat(player);
    const int index = game_.RemotePlayer[player];
    // Only news for the guests that watch this turn: the one who plays it hears of it with its
    // board (HandOverTurn).
    link_.SendNews(index == 0 ? 0 : -index, WithPlayer(kTurnMessage, player));
}

void HostGame::HandOverTurn(int player) {
    if (game_.Role != NetworkRole::Host || player < 1 || player > game_.NumPlayers)
        return;
    reportedOut_ = {};
    if (const int index = game_.RemotePlayer[player]; index != 0)
        link_.SendData(index, BoardMessage(kBoardMessage, game_));
}

} // namespace marovane::net
