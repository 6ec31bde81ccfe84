#include "ai/ComputerLevel.h"

#include "util/Error.h"
#include "util/Latin1.h"

#include <algorithm>
#include <cctype>

namespace marovane {

const char* ComputerLevelName(ComputerLevel level) {
    return level == ComputerLevel::Hard ? "Hard" : "Standard";
}

std::optional<ComputerLevel> ParseComputerLevel(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "standard")
        return ComputerLevel::Standard;
    if (lower == "hard")
        return ComputerLevel::Hard;
    return std::nullopt;
}

std::vector<ComputerLevel> ParseComputerLevels(const std::string& list) {
    std::vector<ComputerLevel> levels;
    std::string::size_type start = 0;
    while (true) {
        const auto comma = list.find(',', start);
        const std::string word(Trim(list.substr(start, comma - start)));
        const auto level = word.empty() ? ComputerLevel::Standard : ParseComputerLevel(word);
        if (!level)
            throw Error("Unknown computer level \"" + word + "\": use standard or hard.");
        levels.push_back(*level);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (levels.size() > 4)
        throw Error("--levels names 1 to 4 slots.");
    return levels;
}

} // namespace marovane
