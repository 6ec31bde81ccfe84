#include "util/AtomicFile.h"

#include "util/Error.h"
#include "util/UniqueNumber.h"

#ifdef _WIN32
#include <fstream>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace marovane {

namespace {

// The file a name finally stands for: a symbolic link is followed to the file it names (which
// need not exist yet), so that writing through it replaces that file and leaves the link as it is.
fs::path FollowLinks(fs::path path) {
    // The same limit as the system's own: a loop of links ends here instead of running forever.
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    throw Error(Tx("Files", "Cannot write \"%1\": too many symbolic links.").Arg(path.string()));
}

// A hidden name beside the target, unique enough that two writers never share it.
fs::path TemporaryBeside(const fs::path& folder, const fs::path& target) {
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(UniqueNumber());
    name += ".tmp";
    return folder / name;
}

} // namespace

#ifdef _WIN32

void WriteFileAtomically(const fs::path& name, std::string_view content, FileSync) {
    const fs::path target = FollowLinks(name);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const fs::path temporary = TemporaryBeside(folder, target);
    auto fail = [&](const std::string& why) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw Error(Tx("Files", "Cannot write \"%1\": %2.").Arg(name.string()).Arg(why));
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

#else

void WriteFileAtomically(const fs::path& name, std::string_view content, FileSync sync) {
    const fs::path target = FollowLinks(name);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const fs::path temporary = TemporaryBeside(folder, target);
    int fd = -1;
    auto fail = [&](const std::string& why) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        throw Error(Tx("Files", "Cannot write \"%1\": %2.").Arg(name.string()).Arg(why));
    };

    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        fail("the folder cannot be written to");
    // A file that is replaced keeps who may read and write it.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        fail(std::strerror(errno));

    for (size_t done = 0; done < content.size();) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail("the disk refused the data");
        done += static_cast<size_t>(n);
    }
    // The bytes reach the disk before the name points at them: after a power cut the name holds
    // the old file or the whole new one, never an empty one.
    if (sync == FileSync::ToDisk && ::fsync(fd) != 0)
        fail("the disk refused the data");
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        fail("the disk refused the data");
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        fail(std::strerror(errno));
    if (sync == FileSync::Skip)
        return;
    // And the folder's new entry reaches the disk too. The file is in place whatever this says:
    // some file systems cannot sync a folder, which is no reason to report a failed save.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

#endif

} // namespace marovane
