#pragma once

#include <filesystem>

namespace marovane {

// The folder of the program's data files when none is named: the executable's own folder, as
// the build lays it out, or the installed data folder (PREFIX/share/marovane beside
// PREFIX/bin) when the executable's folder holds no unit table.
std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableDir);

} // namespace marovane
