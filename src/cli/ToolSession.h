#pragma once

#include "cli/StateJson.h"
#include "engine/HeadlessPort.h"
#include "engine/UnitSpecs.h"
#include "scenario/DefFile.h"
#include "scenario/SetupModel.h"
#include "session/GameSession.h"
#include "session/Settings.h"
#include "util/Error.h"
#include "util/JsonParse.h"

#include <filesystem>
#include <optional>
#include <string>

namespace marovane {

// The tool's game: a session without a window, with the tool's settings kept in memory.
struct ToolSession {
    ToolSession(const std::filesystem::path& dataDir, uint64_t seed)
        : Specs(LoadSpecs(dataDir / "specs.txt")), Session(Specs, Port, seed, dataDir, Settings) {}

    void Start(const std::filesystem::path& scenario, const NewGameSetup& setup) {
        if (!Session.StartNewGame(scenario, setup))
            throw Error(Port.Messages.empty() ? "The game could not start." : Port.Messages.back());
    }
    void SaveIfAsked(const std::optional<std::string>& path) {
        if (path)
            Session.Save(*path);
    }
    json::Value State() const { return GameStateToJson(Session.CurrentGame(), Port.Messages); }

    UnitSpecs Specs;
    HeadlessPort Port;
    MemorySettings Settings;
    GameSession Session;
};

// The player slots named on the command line ("Human,Computer,"), held to the new-game dialog's
// own rules for the scenario. Throws marovane::Error naming what the scenario allows.
inline std::vector<SlotKind> ChosenSlots(const std::filesystem::path& scenario,
                                         const std::string& list) {
    std::vector<SlotKind> kinds = ParseSlotKinds(list);
    SetupModel model;
    model.SetDefinition(ReadDefFile(scenario));
    if (const std::string problem = model.SlotsProblem(kinds); !problem.empty())
        throw Error(problem);
    return kinds;
}

} // namespace marovane
