#pragma once

#include <filesystem>
#include <vector>

namespace marovane {

class Game;

// The games kept at the start of every human turn, in a folder of their own: files named
// "autosave-N.mvg" with N growing by one each time, of which the newest three stay.
class Autosaves {
public:
    static constexpr size_t kKept = 3;

    explicit Autosaves(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& Folder() const { return folder_; }
    // The autosaves in the folder, newest first. Anything else there (a half-written temporary
    // file left by a program that was stopped) is not one.
    std::vector<std::filesystem::path> Files() const;
    // Writes the game as the newest autosave, the way Game > Save writes (complete or not at
    // all), then lets go of all but the newest three. Throws marovane::Error when it cannot be
    // written.
    std::filesystem::path Write(const Game& game);

private:
    std::filesystem::path folder_;
};

} // namespace marovane
