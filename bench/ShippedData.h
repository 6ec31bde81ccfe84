#pragma once

// The unit table and the scenarios of the built program folder, for the benchmarks.

#include "engine/UnitSpecs.h"
#include "scenario/DefFile.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace marovane::bench {

inline const UnitSpecs& Specs() {
    static const UnitSpecs specs =
        LoadSpecs(std::filesystem::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    return specs;
}

inline std::vector<std::filesystem::path> Scenarios() {
    std::vector<std::filesystem::path> found;
    for (const std::string& scenario : ListScenarios(MAROVANE_PROGRAM_DIR))
        found.push_back(std::filesystem::path(MAROVANE_PROGRAM_DIR) / (scenario + ".def"));
    return found;
}

inline std::filesystem::path Scenario(const std::string& name) {
    auto found = FindScenario(MAROVANE_PROGRAM_DIR, name);
    if (!found)
        throw std::runtime_error("no scenario " + name);
    return *found;
}

} // namespace marovane::bench
