#include "scenario/ScenarioFolders.h"

#include "scenario/DefFile.h"
#include "util/UniqueNumber.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace fs = std::filesystem;

namespace marovane {

bool FolderWritable(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return false;
    const fs::path probe = folder / (".marovane-probe-" + std::to_string(UniqueNumber()));
    {
        std::ofstream file(probe, std::ios::binary);
        if (!file)
            return false;
    }
    fs::remove(probe, error);
    return true;
}

ScenarioFolders::ScenarioFolders(fs::path program, fs::path player,
                                 std::optional<bool> programWritable)
    : program_(std::move(program)), player_(std::move(player)), programWritable_(programWritable) {}

bool ScenarioFolders::UsesPlayerFolder() const {
    if (player_.empty())
        return false;
    if (!programWritable_)
        programWritable_ = FolderWritable(program_);
    return !*programWritable_;
}

fs::path ScenarioFolders::Writable() const {
    if (!UsesPlayerFolder())
        return program_;
    std::error_code ignored;
    fs::create_directories(player_, ignored);
    return player_;
}

std::vector<std::string> ScenarioFolders::List() const {
    std::vector<std::string> names = ListScenarios(program_);
    if (!UsesPlayerFolder())
        return names;
    for (const std::string& own : ListScenarios(player_)) {
        if (!FindScenario(program_, own))
            names.push_back(own);
    }
    // The same order as one folder's list: by name, ignoring case.
    auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return lower(a) < lower(b);
    });
    return names;
}

std::optional<fs::path> ScenarioFolders::Find(std::string_view name) const {
    if (UsesPlayerFolder()) {
        if (auto own = FindScenario(player_, name))
            return own;
    }
    return FindScenario(program_, name);
}

std::optional<fs::path> ScenarioFolders::Locate(const std::string& given) const {
    std::error_code ignored;
    if (fs::is_regular_file(given, ignored))
        return fs::path(given);
    return Find(given);
}

bool ScenarioFolders::Changeable(std::string_view name) const {
    const auto found = Find(name);
    std::error_code ignored;
    return found && fs::equivalent(found->parent_path(), Writable(), ignored);
}

bool ScenarioFolders::HidesProgramScenario(std::string_view name) const {
    return UsesPlayerFolder() && FindScenario(player_, name) && FindScenario(program_, name);
}

} // namespace marovane
