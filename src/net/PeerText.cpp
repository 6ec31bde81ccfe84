#include "net/PeerText.h"

#include "engine/Game.h"

namespace marovane::net {

void PeerMessages::Show(Game& game, int peer, std::string_view text) {
    // A new turn (or a new game) gives every peer its boxes again.
    if (game.CurrentPlayer != turnPlayer_ || game.GameSerial() != turnSerial_) {
        boxes_ = {};
        turnPlayer_ = game.CurrentPlayer;
        turnSerial_ = game.GameSerial();
    }
    // Connection numbers beyond the table share its last entry.
    int& shown = boxes_[std::min(static_cast<std::size_t>(std::max(peer, 0)), kPeers - 1)];
    const std::string cut = PeerText(text);
    if (shown < kBoxesPerTurn) {
        ++shown;
        game.Interaction().ShowMessage(Verbatim(cut));
    } else {
        game.Interaction().ShowStatus(Verbatim(cut));
    }
}

} // namespace marovane::net
