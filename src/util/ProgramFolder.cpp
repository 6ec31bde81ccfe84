#include "util/ProgramFolder.h"

namespace fs = std::filesystem;

namespace marovane {

fs::path ProgramFolderFor(const fs::path& executableDir) {
    std::error_code error;
    if (fs::is_regular_file(executableDir / "specs.txt", error))
        return executableDir;
    const fs::path installed = executableDir.parent_path() / "share" / "marovane";
    if (fs::is_regular_file(installed / "specs.txt", error))
        return installed;
    return executableDir;
}

} // namespace marovane
