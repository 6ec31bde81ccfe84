#pragma once

#include "ai/ComputerLevel.h"

#include <array>
#include <map>
#include <optional>
#include <string>

namespace marovane {

// Where the player's settings are kept: one text per key in the group "Options". The window keeps
// them in the desktop's settings store; the command-line tool and the tests keep them in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> Read(const std::string& key) const = 0;
    virtual void Write(const std::string& key, const std::string& value) = 0;
};

class MemorySettings : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& key) const override;
    void Write(const std::string& key, const std::string& value) override;

    std::map<std::string, std::string> Values;
};

// The checked options of the Options menu, stored under their captions as "True" or "False".
// The last three concern only the window: whether turns end by themselves, whether pieces slide
// and battles show their damage, and whether each piece shows a health bar.
namespace view_option {
inline constexpr int ShowThinking = 0;
inline constexpr int HideOpponents = 1;
inline constexpr int AutoNextTurn = 2;
inline constexpr int Animations = 3;
inline constexpr int HealthBars = 4;
inline constexpr int Count = 5;
} // namespace view_option

// The menu captions, which are also the settings keys.
const std::array<const char*, view_option::Count>& ViewOptionCaptions();

// Every setting the game keeps, by meaning: the checked options, the computer's strength, whether
// the about box shows at start, and the host last connected to. Flags are stored as the words
// True and False; a value missing or unreadable counts as the setting's default.
class PlayerSettings {
public:
    explicit PlayerSettings(SettingsStore& store) : store_(store) {}

    // The menu's first state: everything on but hiding the opponents' turns.
    static bool DefaultViewOption(int option) { return option != view_option::HideOpponents; }
    bool ViewOption(int option) const;
    void SetViewOption(int option, bool checked);

    // How strongly the computer players of this machine play, kept as "Computer Level":
    // "Standard" or "Hard"; the standard computer when missing or unreadable.
    ComputerLevel ComputerStrength() const;
    void SetComputerStrength(ComputerLevel level);

    bool ShowAbout() const;
    void SetShowAbout(bool show);

    // The language of the window, kept as "Language": a catalogue's code ("de"), "en" for the
    // English the program is written in, or empty to follow the system's language.
    std::string Language() const;
    void SetLanguage(const std::string& code);

    std::string LastHost() const;
    void SetLastHost(const std::string& host);

private:
    bool ReadFlag(const std::string& key, bool fallback) const;
    void WriteFlag(const std::string& key, bool value);

    SettingsStore& store_;
};

} // namespace marovane
