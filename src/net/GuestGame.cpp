#include "net/GuestGame.h"

#include "engine/Game.h"
#include "net/BoardState.h"
#include "net/GameMessages.h"

namespace marovane::net {

void GuestGame::ReceiveData(std::string data) {
    queued_.push_back(std::move(data));
    Drain();
}

void GuestGame::GameStarted() {
    holding_ = false;
    ownTurn_ = false;
    Drain();
}

void GuestGame::Drain() {
    if (handling_)
        return;
    handling_ = true;
    // Handling a message may play a whole turn, and a turn lets the window run: messages that
    // arrive meanwhile wait here, in order.
    while (!queued_.empty() && !holding_) {
        const std::string next = std::move(queued_.front());
        queued_.pop_front();
        Handle(next);
    }
    handling_ = false;
}

void GuestGame::Handle(const std::string& data) {
    if (!game_.GameOn || game_.Role != NetworkRole::Guest || data.empty())
        return;
    switch (data[0]) {
    case kShowMessage:
        peerMessages_.Show(game_, 0, std::string_view(data).substr(1));
        return;
    case 'G':
    case 'L':
        if (data == kGameOverMessage || data == kLoseMessage)
            game_.GameOver();
        return;
    case kOutMessage: {
        if (data.size() != 2)
            return;
        const int p = PlayerFromCode(data[1]);
        if (p >= 1 && p <= game_.NumPlayers)
            game_.TakeOutPlayer(p);
        return;
    }
    case kBoardMessage: {
        const int me = game_.MyPlayer;
        game_.ReturnToPlay(me);
        AdvanceTo(me);
        if (!game_.GameOn || game_.CurrentPlayer != me)
            return;
        if (!ApplyBoardState(game_, std::string_view(data).substr(1)))
            return;
        ownTurn_ = true;
        game_.BeginGuestTurn();
        return;
    }
    case kTurnMessage: {
        if (data.size() != 2)
            return;
        const int p = PlayerFromCode(data[1]);
        if (p >= 1 && p <= game_.NumPlayers && p != game_.MyPlayer)
            AdvanceTo(p);
        return;
    }
    case kFinalBoardMessage:
    case kCurrentBoardMessage:
        ApplyBoardState(game_, std::string_view(data).substr(1), nullptr, true);
        return;
    default:
        return;
    }
}

void GuestGame::AdvanceTo(int player) {
    // Turns end here as the host announces them; the guest's copy of the board may not know of
    // every player that dropped out, so it steps until it reaches the named one.
    for (int step = 0; step <= game_.NumPlayers && game_.GameOn && game_.CurrentPlayer != player;
         ++step)
        game_.NextPlayer();
}

void GuestGame::SendBoard() {
    ownTurn_ = false;
    link_.SendData(BoardMessage(kBoardMessage, game_));
}

void GuestGame::SendBoardToHost(int /*player*/) {
    // Only a turn the host handed over goes back; stepping past this machine's player while
    // following the host's announcements sends nothing.
    if (ownTurn_ && game_.Role == NetworkRole::Guest)
        SendBoard();
}

void GuestGame::EndNetGame() {
    if (game_.Role != NetworkRole::Guest)
        return;
    // A game that ended during this machine's turn (a victory, a resignation) hands its board
    // back first, so the host sees how it ended.
    if (ownTurn_)
        SendBoard();
    // Out of network mode before the connection closes, so the closing is not taken for being
    // dropped by the host.
    game_.LeaveNetwork();
    link_.Disconnect();
}

void GuestGame::AnnounceWin(int /*player*/, const std::string& message) {
    if (game_.Role == NetworkRole::Guest)
        link_.SendData(Message(kShowMessage, message));
}

void GuestGame::AnnounceLoss(int player, const std::string& message) {
    if (game_.Role != NetworkRole::Guest)
        return;
    link_.SendData(Message(kShowMessage, message));
    link_.SendData(WithPlayer(kOutMessage, player));
}

} // namespace marovane::net
