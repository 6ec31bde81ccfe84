#include "session/Autosaves.h"

#include "savegame/SavedGame.h"
#include "util/Error.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace marovane {

namespace {

const std::string kPrefix = "autosave-";
const std::string kExtension = ".mvg";

// The number of an autosave's file name; 0 for any other name.
uint64_t Number(const fs::path& file) {
    const std::string name = file.filename().string();
    if (name.size() <= kPrefix.size() + kExtension.size() || name.rfind(kPrefix, 0) != 0 ||
        name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) != 0)
        return 0;
    const char* first = name.data() + kPrefix.size();
    const char* last = name.data() + name.size() - kExtension.size();
    uint64_t number = 0;
    auto [end, error] = std::from_chars(first, last, number);
    return error == std::errc() && end == last ? number : 0;
}

} // namespace

std::vector<fs::path> Autosaves::Files() const {
    std::vector<std::pair<uint64_t, fs::path>> found;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        if (const uint64_t number = Number(it->path()); number > 0 && it->is_regular_file(error))
            found.emplace_back(number, it->path());
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<fs::path> files;
    for (auto& [number, path] : found)
        files.push_back(std::move(path));
    return files;
}

fs::path Autosaves::Write(const Game& game) {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error)
        throw Error(Tx("Session", "Cannot make the folder \"%1\": %2.")
                        .Arg(folder_.string())
                        .Arg(error.message()));
    const std::vector<fs::path> files = Files();
    const uint64_t next = files.empty() ? 1 : Number(files.front()) + 1;
    const fs::path target = folder_ / (kPrefix + std::to_string(next) + kExtension);
    SaveGame(game, target);
    // Only once the new one is complete do the oldest go.
    const std::vector<fs::path> now = Files();
    for (size_t i = kKept; i < now.size(); ++i)
        fs::remove(now[i], error);
    return target;
}

} // namespace marovane
