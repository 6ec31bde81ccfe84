#pragma once

#include <filesystem>
#include <string_view>

namespace marovane {

// Writes the whole content to a temporary file beside the target, then renames it over the
// target. Either the old file or the complete new one is on disk afterwards, never a mixture.
// Throws marovane::Error naming the file when it cannot be written.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

} // namespace marovane
