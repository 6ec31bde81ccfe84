#include "session/ScenarioImport.h"

#include "engine/Game.h"
#include "scenario/DefFile.h"
#include "scenario/ScenarioFiles.h"
#include "scenario/ScenarioName.h"
#include "util/Error.h"

namespace fs = std::filesystem;

namespace marovane {

namespace {

// Names tried before giving up; far more than any player keeps copies of one scenario.
constexpr int kMostCopies = 999;

bool InFolder(const fs::path& file, const fs::path& folder) {
    std::error_code error;
    return fs::equivalent(file.parent_path(), folder, error);
}

struct ImportName {
    std::string Name;
    bool AlreadyThere = false; // the name's scenario is this very one
};

// The name a scenario from outside is kept under: its own, or the first free "NAME (n)"; or the
// name of an identical scenario already there.
ImportName ChooseImportName(const ScenarioFolders& folders, const std::string& name,
                            const GameDef& def) {
    for (int n = 1; n <= kMostCopies; ++n) {
        const std::string candidate = n == 1 ? name : name + " (" + std::to_string(n) + ")";
        const auto taken = folders.Find(candidate);
        if (!taken)
            return {candidate, false};
        try {
            if (ReadDefFile(*taken) == def)
                return {ScenarioNameOf(*taken), true};
        } catch (const Error&) {
            // A damaged scenario of that name is not the same one; it keeps its name.
        }
    }
    throw Error(Tx("Session", "There are too many scenarios named '%1'; rename some of them first.")
                    .Arg(name));
}

} // namespace

ImportedScenario ImportScenario(const ScenarioFolders& folders, const fs::path& source) {
    const GameDef def = ReadDefFile(source);
    const std::string name = ScenarioNameOf(source);
    if (const Text refusal = ScenarioRefusal(def, name); !refusal.Source().empty())
        throw Error(refusal);
    if (InFolder(source, folders.Program()) || InFolder(source, folders.Writable()))
        return {source, false};
    const ScenarioNameCheck check = CheckScenarioName(name);
    if (!check.Accepted())
        throw Error(check.Problem);
    const ImportName chosen = ChooseImportName(folders, check.Name, def);
    if (chosen.AlreadyThere)
        return {*folders.Find(chosen.Name), false};
    const fs::path target = folders.Writable() / (chosen.Name + ".def");
    WriteDefFile(target, def);
    return {target, true};
}

} // namespace marovane
