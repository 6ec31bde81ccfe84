#pragma once

#include <filesystem>
#include <vector>

namespace marovane {

class SettingsStore;

// The saved games and scenarios opened last, newest first, kept in the player's settings under
// "Recent File 1" to "Recent File 5". A file that is gone drops out of the list.
class RecentFiles {
public:
    static constexpr size_t kKept = 5;

    explicit RecentFiles(SettingsStore& store) : store_(store) {}

    // A file was opened or saved: it goes to the top, once.
    void Opened(const std::filesystem::path& file);
    // The files that still exist, newest first; the settings forget the others.
    std::vector<std::filesystem::path> Existing();

private:
    std::vector<std::filesystem::path> Stored() const;
    void Store(const std::vector<std::filesystem::path>& files);

    SettingsStore& store_;
};

} // namespace marovane
