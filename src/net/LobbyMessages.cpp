#include "net/LobbyMessages.h"

#include "util/Text.h"

#include <charconv>

namespace marovane::net {

namespace {

// A whole text of decimal digits, within 0..limit.
std::optional<int> ParseNumber(std::string_view text, int limit) {
    if (text.empty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit)
        return std::nullopt;
    return value;
}

std::string WithBytes(char letter, const std::array<uint8_t, 4>& bytes) {
    std::string message(1, letter);
    for (uint8_t b : bytes)
        message.push_back(static_cast<char>(b));
    return message;
}

} // namespace

std::string_view SlotStateText(uint8_t state) {
    switch (static_cast<SlotState>(state)) {
    case SlotState::None:
        return MAROVANE_TEXT("Lobby", "None");
    case SlotState::Host:
        return MAROVANE_TEXT("Lobby", "Host");
    case SlotState::Computer:
        return MAROVANE_TEXT("Lobby", "Computer");
    case SlotState::Taken:
        return MAROVANE_TEXT("Lobby", "Taken");
    case SlotState::Free:
        return MAROVANE_TEXT("Lobby", "Free");
    case SlotState::Immobile:
        return MAROVANE_TEXT("Lobby", "Immobile");
    case SlotState::You:
        return MAROVANE_TEXT("Lobby", "You");
    }
    return {};
}

namespace {

// A letter and its text. Built piece by piece: GCC 12 warns wrongly about "T" + text.
std::string Lettered(char letter, std::string_view text) {
    std::string message;
    message.reserve(text.size() + 1);
    message.push_back(letter);
    message.append(text);
    return message;
}

} // namespace

std::string TitleMessage(std::string_view title) {
    return Lettered('T', title);
}

std::string TeamsModeMessage(int mode) {
    return Lettered('t', std::to_string(mode));
}

std::string OptionsMessage(bool option1, bool option2) {
    return {static_cast<char>(option1 ? 1 : 0), static_cast<char>(option2 ? 1 : 0)};
}

std::string SlotStatesMessage(const SlotStates& states) {
    std::array<uint8_t, 4> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(states[i]);
    return WithBytes('P', bytes);
}

std::string StartMessage(int slot, int players) {
    return Lettered('S', std::to_string(slot) + "/" + std::to_string(players));
}

std::string TeamFlagsMessage(const std::array<bool, 4>& sameTeam) {
    std::array<uint8_t, 4> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = sameTeam[i] ? 1 : 0;
    return WithBytes('G', bytes);
}

std::optional<HostSetupMessage> ParseHostSetup(std::string_view message) {
    if (message.empty())
        return std::nullopt;
    HostSetupMessage parsed{};
    const char first = message[0];
    if (first == 0 || first == 1) {
        if (message.size() != 2)
            return std::nullopt;
        parsed.What = HostSetupMessage::Kind::Options;
        parsed.Options = {message[0] != 0, message[1] != 0};
        return parsed;
    }
    const std::string_view rest = message.substr(1);
    switch (first) {
    case 'T':
        parsed.What = HostSetupMessage::Kind::Title;
        parsed.Text = std::string(rest);
        return parsed;
    case 't': {
        const auto mode = ParseNumber(rest, 4);
        if (!mode)
            return std::nullopt;
        parsed.What = HostSetupMessage::Kind::TeamsMode;
        parsed.Number = *mode;
        return parsed;
    }
    case 'P':
    case 'G':
        if (rest.size() != 4)
            return std::nullopt;
        parsed.What =
            first == 'P' ? HostSetupMessage::Kind::SlotStates : HostSetupMessage::Kind::TeamFlags;
        for (size_t i = 0; i < 4; ++i)
            parsed.Bytes[i] = static_cast<uint8_t>(rest[i]);
        return parsed;
    case 'S': {
        const size_t slash = rest.find('/');
        if (slash == std::string_view::npos)
            return std::nullopt;
        const auto slot = ParseNumber(rest.substr(0, slash), 4);
        const auto players = ParseNumber(rest.substr(slash + 1), 4);
        if (!slot || !players || *players < 1)
            return std::nullopt;
        parsed.What = HostSetupMessage::Kind::Start;
        parsed.Number = *slot;
        parsed.Players = *players;
        return parsed;
    }
    default:
        return std::nullopt;
    }
}

std::string ClaimMessage(int slot) {
    return Lettered('P', std::to_string(slot));
}

std::string ReleaseMessage() {
    return "P-";
}

std::optional<int> ParseClaim(std::string_view message) {
    if (message == "P-")
        return -1;
    if (message.size() == 2 && message[0] == 'P' && message[1] >= '0' && message[1] <= '3')
        return message[1] - '0';
    return std::nullopt;
}

} // namespace marovane::net
