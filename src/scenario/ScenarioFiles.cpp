#include "scenario/ScenarioFiles.h"

#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "scenario/ScenarioName.h"
#include "util/Error.h"

namespace fs = std::filesystem;

namespace marovane::scenario_files {

fs::path Existing(const ScenarioFolders& folders, const std::string& name) {
    auto path = folders.Find(name);
    if (!path)
        throw Error(Tx("ScenarioFile", "The scenario '%1' no longer exists.").Arg(name));
    return *path;
}

namespace {

// A scenario that came with an installed program is not the player's to change.
fs::path Changeable(const ScenarioFolders& folders, const std::string& name) {
    const fs::path path = Existing(folders, name);
    if (!folders.Changeable(name))
        throw Error(Tx("ScenarioFile", "The scenario '%1' came with the program and cannot be "
                                       "changed; copy it instead.")
                        .Arg(name));
    return path;
}

} // namespace

std::string Copy(const ScenarioFolders& folders, const std::string& name) {
    GameDef def = ReadDefFile(Existing(folders, name));
    def.Options = static_cast<int16_t>(def.Options &
                                       ~((1 << option_bit::BuiltIn) | (1 << option_bit::Tutorial)));
    const std::string copy = "#" + name;
    WriteDefFile(folders.Writable() / (copy + ".def"), def);
    return copy;
}

std::string Rename(const ScenarioFolders& folders, const std::string& from, const std::string& to) {
    const ScenarioNameCheck name = CheckScenarioName(to);
    if (!name.Accepted())
        throw Error(name.Problem);
    const fs::path source = Changeable(folders, from);
    const fs::path target = source.parent_path() / (name.Name + ".def");
    auto clash = folders.Find(name.Name);
    // Renaming onto another scenario would destroy it; changing only the case is allowed.
    if (clash && !fs::equivalent(*clash, source))
        throw Error(Tx("ScenarioFile", "A scenario named '%1' already exists.").Arg(name.Name));
    std::error_code error;
    fs::rename(source, target, error);
    if (error)
        throw Error(Tx("ScenarioFile", "The scenario '%1' could not be renamed: %2.")
                        .Arg(from)
                        .Arg(error.message()));
    return name.Name;
}

Text DeleteQuestion(const ScenarioFolders& folders, const std::string& name) {
    if (folders.HidesProgramScenario(name))
        return Tx("ScenarioFile", "Are you sure you want to delete '%1'?\n\nThe scenario '%1' "
                                  "that came with the game will then be listed again in its place.")
            .Arg(name);
    return Tx("ScenarioFile", "Are you sure you want to delete '%1'?").Arg(name);
}

void Delete(const ScenarioFolders& folders, const std::string& name) {
    const fs::path path = Changeable(folders, name);
    std::error_code error;
    if (!fs::remove(path, error) || error)
        throw Error(error
                        ? Tx("ScenarioFile", "The scenario '%1' could not be deleted: %2.")
                              .Arg(name)
                              .Arg(error.message())
                        : Tx("ScenarioFile", "The scenario '%1' could not be deleted.").Arg(name));
}

} // namespace marovane::scenario_files
