#include "engine/Announcements.h"

#include <array>
#include <string_view>

namespace marovane {

namespace {

using Values = std::array<std::string, 9>;

// Whether the text reads as the pattern with some non-empty value for each %n; a %n that comes
// twice takes the same value both times.
bool Matches(std::string_view pattern, std::string_view text, Values& values) {
    if (pattern.empty())
        return text.empty();
    if (pattern.size() > 1 && pattern[0] == '%' && pattern[1] >= '1' && pattern[1] <= '9') {
        std::string& value = values[static_cast<size_t>(pattern[1] - '1')];
        const std::string before = value;
        for (size_t length = 1; length <= text.size(); ++length) {
            if (!before.empty() && text.substr(0, length) != before)
                continue;
            value = std::string(text.substr(0, length));
            if (Matches(pattern.substr(2), text.substr(length), values))
                return true;
        }
        value = before;
        return false;
    }
    return !text.empty() && pattern[0] == text[0] &&
           Matches(pattern.substr(1), text.substr(1), values);
}

} // namespace

std::optional<Text> RecognisedAnnouncement(const std::string& english) {
    using namespace announcement;
    // A player's own patterns before a team's, whose value could take "Player 2" in.
    static constexpr std::array kPatterns = {kConquered,     kWins,        kResigns, kBeaten,
                                             kLoses,         kCastleTaken, kLeft,    kBack,
                                             kTeamConquered, kTeamWins};
    for (const char* pattern : kPatterns) {
        Values values;
        if (!Matches(pattern, english, values))
            continue;
        Text text = Tx("Rules", pattern);
        for (const std::string& value : values) {
            if (value.empty())
                break;
            text.Arg(Tx("Rules", value.c_str()));
        }
        return text;
    }
    return std::nullopt;
}

} // namespace marovane
