#pragma once

#include <string>
#include <string_view>

namespace marovane::net {

// The texts of the data messages of a game in progress. A player number travels as the single
// character whose code is the number.
inline char PlayerCode(int player) {
    return static_cast<char>(static_cast<unsigned char>(player));
}
inline int PlayerFromCode(char code) {
    return static_cast<unsigned char>(code);
}

inline constexpr char kBoardMessage = 'B'; // + player + board state: the board for p's turn
inline constexpr char kTurnMessage = 'P';  // + player: it is p's turn
inline constexpr char kShowMessage = 'M';  // + text: a message to show
inline constexpr char kOutMessage = 'O';   // + player: p is out of the game
// + board state: the board as the game ended for the receiver. Older guests ignore it: they
// know no message that starts with this letter.
inline constexpr char kFinalBoardMessage = 'F';
// + board state: the board as it stands, for a guest that came back to a game under way and
// waits for its turn. Guests that cannot come back never see it.
inline constexpr char kCurrentBoardMessage = 'C';
inline constexpr std::string_view kLoseMessage = "LOSE";
inline constexpr std::string_view kGameOverMessage = "GAMEOVER";
inline constexpr std::string_view kLeftMessage = "LEFT";

inline std::string WithPlayer(char kind, int player) {
    return std::string{kind, PlayerCode(player)};
}

// A message of the given kind with its text after the letter. Built piece by piece: GCC 12
// warns wrongly about std::string(1, c) + text.
inline std::string Message(char kind, std::string_view text) {
    std::string message;
    message.reserve(text.size() + 1);
    message.push_back(kind);
    message.append(text);
    return message;
}

} // namespace marovane::net
