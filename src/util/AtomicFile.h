#pragma once

#include <filesystem>
#include <string_view>

namespace marovane {

// Writes the whole content to a temporary file beside the target, syncs it to the disk, then
// renames it over the target. Either the old file or the complete new one is on disk afterwards,
// never a mixture, even after a power cut. A replaced file keeps its permissions; a symbolic link
// is written through to the file it names and stays a link. Throws marovane::Error naming the
// file when it cannot be written.
//
// A copy that can always be fetched again (a scenario received from a host) may skip the syncs:
// it is still never half written, but a power cut soon after may leave the old file or none.
enum class FileSync { ToDisk, Skip };
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                         FileSync sync = FileSync::ToDisk);

} // namespace marovane
