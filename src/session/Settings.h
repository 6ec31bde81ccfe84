#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>

namespace marovane {

// The player's stored settings, one text per key in the group "Options". The window keeps them
// in the desktop's settings store; the command-line tool and the tests keep them in memory.
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

// The three options of the Options menu, stored under their captions as "True" or "False".
namespace view_option {
inline constexpr int ShowThinking = 0;
inline constexpr int HideOpponents = 1;
inline constexpr int AutoNextTurn = 2;
inline constexpr int Count = 3;
} // namespace view_option

// The menu captions, which are also the settings keys.
const std::array<const char*, view_option::Count>& ViewOptionCaptions();
// The stored state of an option, or `fallback` when nothing (or nothing readable) is stored.
bool ReadViewOption(const SettingsStore& settings, int option, bool fallback);
void WriteViewOption(SettingsStore& settings, int option, bool checked);

} // namespace marovane
