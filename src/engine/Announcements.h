#pragma once

#include "util/Text.h"

#include <optional>
#include <string>

namespace marovane {

// What a host announces to its guests (a win, a player out, a guest who left or came back) goes
// over the network in English, so that machines in different languages understand each other.
// The patterns live here, where the rules that make the messages and a guest that reads them
// both find them.
namespace announcement {
inline constexpr const char* kTeamConquered = MAROVANE_TEXT("Rules", "%1 have conquered all!");
inline constexpr const char* kTeamWins = MAROVANE_TEXT("Rules", "%1 win!");
inline constexpr const char* kConquered = MAROVANE_TEXT("Rules", "Player %1 has conquered all!");
inline constexpr const char* kWins = MAROVANE_TEXT("Rules", "Player %1 wins!");
inline constexpr const char* kResigns = MAROVANE_TEXT("Rules", "Player %1 resigns!");
inline constexpr const char* kBeaten = MAROVANE_TEXT("Rules", "Player %1 has been conquered!");
inline constexpr const char* kLoses = MAROVANE_TEXT("Rules", "Player %1 loses!");
inline constexpr const char* kCastleTaken =
    MAROVANE_TEXT("Rules", "Player %1's castle has been taken over!");
inline constexpr const char* kLeft =
    MAROVANE_TEXT("Rules", "Player %1 has left the game, and will be played by the computer.");
inline constexpr const char* kBack = MAROVANE_TEXT("Rules", "Player %1 is back in the game.");
} // namespace announcement

// The announcement an English message was made from, with its values, each of them a text of
// the rules in its turn (a team's name); nothing when the message is none of them.
std::optional<Text> RecognisedAnnouncement(const std::string& english);

} // namespace marovane
