#include "session/RecentFiles.h"

#include "session/Settings.h"

#include <algorithm>
#include <string>

namespace fs = std::filesystem;

namespace marovane {

namespace {

std::string Key(size_t i) {
    return "Recent File " + std::to_string(i + 1);
}

} // namespace

std::vector<fs::path> RecentFiles::Stored() const {
    std::vector<fs::path> files;
    for (size_t i = 0; i < kKept; ++i) {
        const auto value = store_.Read(Key(i));
        if (value && !value->empty())
            files.emplace_back(std::u8string(value->begin(), value->end()));
    }
    return files;
}

void RecentFiles::Store(const std::vector<fs::path>& files) {
    for (size_t i = 0; i < kKept; ++i) {
        const auto text = i < files.size() ? files[i].u8string() : std::u8string();
        store_.Write(Key(i), std::string(text.begin(), text.end()));
    }
}

void RecentFiles::Opened(const fs::path& file) {
    std::error_code error;
    fs::path absolute = fs::absolute(file, error);
    if (error)
        absolute = file;
    absolute = absolute.lexically_normal();
    std::vector<fs::path> files = Stored();
    files.erase(std::remove(files.begin(), files.end(), absolute), files.end());
    files.insert(files.begin(), absolute);
    if (files.size() > kKept)
        files.resize(kKept);
    Store(files);
}

std::vector<fs::path> RecentFiles::Existing() {
    const std::vector<fs::path> stored = Stored();
    std::vector<fs::path> files;
    std::error_code error;
    for (const fs::path& file : stored) {
        if (fs::is_regular_file(file, error))
            files.push_back(file);
    }
    if (files.size() != stored.size())
        Store(files);
    return files;
}

} // namespace marovane
