#pragma once

#include "session/Settings.h"

namespace marovane {

// The player's settings in the desktop's settings store: organisation and application
// "Marovane", group "Options".
class QtSettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& key) const override;
    void Write(const std::string& key, const std::string& value) override;
};

} // namespace marovane
