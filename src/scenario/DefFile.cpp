#include "scenario/DefFile.h"

#include "util/AtomicFile.h"
#include "util/Error.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace marovane {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool HasDefExtension(const fs::path& path) {
    return Lower(path.extension().string()) == ".def";
}

} // namespace

GameDef ReadDefFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path))
        throw Error(Tx("ScenarioFile", "Cannot open the scenario file \"%1\".").Arg(path.string()));
    std::vector<uint8_t> bytes(kGameDefSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    auto got = static_cast<size_t>(in.gcount());
    if (got < kGameDefSize) {
        throw Error(Tx("ScenarioFile", "The scenario file \"%1\" is damaged: it holds only %2 of "
                                       "the %3 bytes of a scenario.")
                        .Arg(path.string())
                        .Arg(got)
                        .Arg(kGameDefSize));
    }
    return FromBytes(bytes);
}

void WriteDefFile(const fs::path& path, const GameDef& def) {
    auto bytes = ToBytes(def);
    WriteFileAtomically(path,
                        std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::vector<std::string> ListScenarios(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_regular_file(error) && HasDefExtension(it->path()))
            names.push_back(ScenarioNameOf(it->path()));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        auto la = Lower(a), lb = Lower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

namespace {

std::optional<fs::path> FindByName(const fs::path& folder, std::string_view name,
                                   const std::string& wanted) {
    std::error_code error;
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || !HasDefExtension(it->path()))
            continue;
        if (Lower(ScenarioNameOf(it->path())) != wanted)
            continue;
        // Prefer the exact spelling when two files differ only in case.
        if (!found || ScenarioNameOf(it->path()) == name)
            found = it->path();
    }
    return found;
}

} // namespace

std::optional<fs::path> FindScenario(const fs::path& folder, std::string_view name) {
    std::string wanted = Lower(name);
    // A scenario named with a ".def" of its own (saved before such names were refused) is
    // found by its whole name first, so it can still be renamed, played or deleted.
    if (auto whole = FindByName(folder, name, wanted))
        return whole;
    if (wanted.size() >= 4 && wanted.substr(wanted.size() - 4) == ".def") {
        wanted.resize(wanted.size() - 4);
        return FindByName(folder, name.substr(0, name.size() - 4), wanted);
    }
    return std::nullopt;
}

std::optional<fs::path> LocateScenario(const fs::path& folder, const std::string& given) {
    std::error_code ignored;
    if (fs::is_regular_file(given, ignored))
        return fs::path(given);
    return FindScenario(folder, given);
}

std::string ScenarioNameOf(const fs::path& path) {
    std::string file = path.filename().string();
    return file.size() >= 4 ? file.substr(0, file.size() - 4) : file;
}

} // namespace marovane
