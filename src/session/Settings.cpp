#include "session/Settings.h"

#include "util/Text.h"

#include <algorithm>
#include <cctype>

namespace marovane {

namespace {

const char* const kShowAbout = "Show About";
const char* const kLastHost = "LastHost";
const char* const kLanguage = "Language";
const char* const kComputerLevel = "Computer Level";

} // namespace

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
    // Both the menu's captions and the settings' keys: the keys stay English, and the menu
    // translates the caption when it shows it.
    static const std::array<const char*, view_option::Count> captions = {
        MAROVANE_TEXT("GameMenus", "Show Computer &Thinking"),
        MAROVANE_TEXT("GameMenus", "&Hide Opponents Turn"),
        MAROVANE_TEXT("GameMenus", "&Auto Next Turn"), MAROVANE_TEXT("GameMenus", "&Animations"),
        MAROVANE_TEXT("GameMenus", "Health &Bars")};
    return captions;
}

bool PlayerSettings::ReadFlag(const std::string& key, bool fallback) const {
    const auto stored = store_.Read(key);
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

void PlayerSettings::WriteFlag(const std::string& key, bool value) {
    store_.Write(key, value ? "True" : "False");
}

bool PlayerSettings::ViewOption(int option) const {
    return ReadFlag(ViewOptionCaptions()[static_cast<size_t>(option)], DefaultViewOption(option));
}

void PlayerSettings::SetViewOption(int option, bool checked) {
    WriteFlag(ViewOptionCaptions()[static_cast<size_t>(option)], checked);
}

ComputerLevel PlayerSettings::ComputerStrength() const {
    const auto stored = store_.Read(kComputerLevel);
    return stored ? ParseComputerLevel(*stored).value_or(ComputerLevel::Standard)
                  : ComputerLevel::Standard;
}

void PlayerSettings::SetComputerStrength(ComputerLevel level) {
    store_.Write(kComputerLevel, ComputerLevelName(level));
}

bool PlayerSettings::ShowAbout() const {
    return ReadFlag(kShowAbout, true);
}

void PlayerSettings::SetShowAbout(bool show) {
    WriteFlag(kShowAbout, show);
}

std::string PlayerSettings::Language() const {
    return store_.Read(kLanguage).value_or("");
}

void PlayerSettings::SetLanguage(const std::string& code) {
    store_.Write(kLanguage, code);
}

std::string PlayerSettings::LastHost() const {
    return store_.Read(kLastHost).value_or("");
}

void PlayerSettings::SetLastHost(const std::string& host) {
    store_.Write(kLastHost, host);
}

} // namespace marovane
