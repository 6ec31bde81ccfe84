#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marovane {

// Where scenarios live. They come with the program, in its folder; a player's own scenarios
// (made, copied or renamed) go there too, unless the program folder cannot be written, as when
// the program is installed. Then they go to a folder of the player's own, and the scenario list
// shows both.
class ScenarioFolders {
public:
    // The player's folder may be empty: then everything stays in the program folder. Whether the
    // program folder can be written is tried out unless the caller says.
    ScenarioFolders(std::filesystem::path program, std::filesystem::path player,
                    std::optional<bool> programWritable = std::nullopt);

    const std::filesystem::path& Program() const { return program_; }
    // Where new, copied and renamed scenarios go; made when it is first asked for.
    std::filesystem::path Writable() const;
    // Every scenario of both folders, each name once, in the order of ListScenarios.
    std::vector<std::string> List() const;
    // The file of a named scenario; the player's own folder comes first.
    std::optional<std::filesystem::path> Find(std::string_view name) const;
    // A scenario given by its path, or by its name in the list.
    std::optional<std::filesystem::path> Locate(const std::string& given) const;
    // Whether the player may rename or delete a scenario: it lies in the writable folder.
    bool Changeable(std::string_view name) const;
    // Whether the player's own scenario of this name hides one of the same name that came with
    // the program: deleting it brings that one back into the list.
    bool HidesProgramScenario(std::string_view name) const;

private:
    bool UsesPlayerFolder() const;

    std::filesystem::path program_;
    std::filesystem::path player_;
    // Tried out when first needed: most games never write a scenario.
    mutable std::optional<bool> programWritable_;
};

// Whether files can be made in a folder: tried by making and removing one, since permission
// bits do not tell about read-only mounts or other users' folders.
bool FolderWritable(const std::filesystem::path& folder);

} // namespace marovane
