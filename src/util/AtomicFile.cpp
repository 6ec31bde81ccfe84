#include "util/AtomicFile.h"

#include "util/Error.h"
#include "util/UniqueNumber.h"

#include <fstream>

namespace fs = std::filesystem;

namespace marovane {

void WriteFileAtomically(const fs::path& target, std::string_view content) {
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // A hidden name beside the target, unique enough that two writers never share it.
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(UniqueNumber());
    name += ".tmp";
    const fs::path temporary = folder / name;
    auto fail = [&](const std::string& why) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw Error("Cannot write \"" + target.string() + "\": " + why + ".");
    };
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            fail("the folder cannot be written to");
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out)
            fail("the disk refused the data");
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error)
        fail(error.message());
}

} // namespace marovane
