#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace marovane {
class Game;
}

namespace marovane::net {

// Text that came from another machine is shown, and passed on, with at most this many
// characters: a peer cannot fill the screen or the other guests' connections with it.
inline constexpr std::size_t kMaxPeerText = 500;

// The text cut to kMaxPeerText characters.
inline std::string PeerText(std::string_view text) {
    return std::string(text.substr(0, kMaxPeerText));
}

// How messages from other machines ("M") reach the player: the first few in a turn from one
// peer in a message box, the rest on the status line, so that a peer cannot bury the game
// under boxes that each wait for a click.
class PeerMessages {
public:
    static constexpr int kBoxesPerTurn = 3;

    // Shows text from peer 0 (the host, on a guest) or 1..kPeers-1 (a guest's connection index,
    // on the host).
    void Show(Game& game, int peer, std::string_view text);

private:
    static constexpr std::size_t kPeers = 16;
    std::array<int, kPeers> boxes_{};
    int turnPlayer_ = -1;
    unsigned turnSerial_ = 0;
};

} // namespace marovane::net
