#include "session/Settings.h"

#include <algorithm>
#include <cctype>

namespace marovane {

std::optional<std::string> MemorySettings::Read(const std::string& key) const {
    auto found = Values.find(key);
    if (found == Values.end())
        return std::nullopt;
    return found->second;
}

void MemorySettings::Write(const std::string& key, const std::string& value) {
    Values[key] = value;
}

const std::array<const char*, view_option::Count>& ViewOptionCaptions() {
    static const std::array<const char*, view_option::Count> captions = {
        "Show Computer &Thinking", "&Hide Opponents Turn", "&Auto Next Turn"};
    return captions;
}

bool ReadViewOption(const SettingsStore& settings, int option, bool fallback) {
    const auto stored = settings.Read(ViewOptionCaptions()[static_cast<size_t>(option)]);
    if (!stored)
        return fallback;
    std::string lower = *stored;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "true")
        return true;
    if (lower == "false")
        return false;
    return fallback;
}

void WriteViewOption(SettingsStore& settings, int option, bool checked) {
    settings.Write(ViewOptionCaptions()[static_cast<size_t>(option)], checked ? "True" : "False");
}

} // namespace marovane
