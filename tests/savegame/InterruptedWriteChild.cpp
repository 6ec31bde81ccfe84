// A program that writes one file, a saved game or a scenario, and dies at a chosen point of the
// write, as a program does when it is killed or the machine loses power there.
//
//   interrupted_write_child save|scenario TARGET POINT
//
// POINT is where it dies:
//   open     before the temporary file is opened       created  right after it was opened
//   bytes:N  once N bytes of the content reached it     written  with all bytes in, before sync
//   synced   after the sync, before the close          closed   after the temporary file was closed
//   rename   before the rename runs                    renamed  after the rename
//   none     it does not die
// or, without dying, close-fails: the close of the temporary file reports an error, which the
// write must pass on (exit status 6 when it does).
// Every file write of the game opens the file with open, sends its bytes with write, syncs it with
// fsync, closes it with close and puts it in place with rename; the functions below stand in for
// those. The child also checks the order a power cut needs: exit status 3 when the rename came
// before the file's bytes were synced, 4 when the folder was not synced after the rename.

#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "support/TestGame.h"
#include "util/Error.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

std::string point = "none";
std::string targetName;     // only the write of the target dies
long bytesBeforeDeath = -1; // for bytes:N
int temporaryFd = -1;
long written = 0;
bool temporarySynced = false;
bool targetRenamed = false;
bool folderSynced = false;

void DieAt(std::string_view at) {
    if (point == at)
        raise(SIGKILL);
}

// The temporary file of the target: a hidden name beside it, ending in ".tmp".
bool IsTemporary(const char* path) {
    const std::string name = std::filesystem::path(path).filename().string();
    return name.starts_with("." + targetName + ".") && name.ends_with(".tmp");
}

bool IsTarget(const char* path) {
    return std::filesystem::path(path).filename() == targetName;
}

} // namespace

int OpenAndWatch(const char* path, int flags, mode_t mode) {
    const bool temporary = IsTemporary(path);
    if (temporary)
        DieAt("open");
    const int fd = static_cast<int>(syscall(SYS_openat, AT_FDCWD, path, flags, mode));
    if (temporary && fd >= 0) {
        temporaryFd = fd;
        DieAt("created");
    }
    return fd;
}

extern "C" int open(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = (flags & O_CREAT) ? static_cast<mode_t>(va_arg(rest, int)) : 0;
    va_end(rest);
    return OpenAndWatch(path, flags, mode);
}

extern "C" int open64(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = (flags & O_CREAT) ? static_cast<mode_t>(va_arg(rest, int)) : 0;
    va_end(rest);
    return OpenAndWatch(path, flags, mode);
}

extern "C" int fsync(int fd) {
    if (fd == temporaryFd)
        DieAt("written");
    const int result = static_cast<int>(syscall(SYS_fsync, fd));
    struct stat status {};
    if (fd == temporaryFd) {
        temporarySynced = true;
        DieAt("synced");
    } else if (targetRenamed && fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        folderSynced = true;
    }
    return result;
}

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    if (fd != temporaryFd || bytesBeforeDeath < 0)
        return syscall(SYS_write, fd, data, size);
    // Only the bytes before the point reach the file.
    const long room = bytesBeforeDeath - written;
    if (static_cast<long>(size) >= room) {
        if (room > 0)
            syscall(SYS_write, fd, data, static_cast<size_t>(room));
        raise(SIGKILL);
    }
    const ssize_t done = syscall(SYS_write, fd, data, size);
    if (done > 0)
        written += done;
    return done;
}

extern "C" ssize_t writev(int fd, const struct iovec* parts, int count) {
    if (fd != temporaryFd || bytesBeforeDeath < 0)
        return syscall(SYS_writev, fd, parts, count);
    ssize_t total = 0;
    for (int i = 0; i < count; ++i) {
        const ssize_t done = write(fd, parts[i].iov_base, parts[i].iov_len);
        if (done < 0)
            return total > 0 ? total : done;
        total += done;
        if (static_cast<size_t>(done) < parts[i].iov_len)
            break;
    }
    return total;
}

extern "C" int close(int fd) {
    const bool temporary = fd == temporaryFd && fd >= 0;
    const int result = static_cast<int>(syscall(SYS_close, fd));
    if (!temporary)
        return result;
    temporaryFd = -1;
    DieAt("closed");
    if (point == "close-fails") {
        errno = EIO;
        return -1;
    }
    return result;
}

extern "C" int rename(const char* from, const char* to) {
    const bool target = IsTarget(to);
    if (target && !temporarySynced)
        _exit(13);
    if (target)
        DieAt("rename");
    const int result = renameat(AT_FDCWD, from, AT_FDCWD, to);
    targetRenamed = targetRenamed || (target && result == 0);
    if (target)
        DieAt("renamed");
    return result;
}

// Writes the new content of the kind over the target; false when the test game cannot start.
static bool WriteNewContent(const std::string& kind, const std::filesystem::path& target) {
    using namespace marovane;
    // The new content differs from whatever the test put there before.
    if (kind == "scenario") {
        GameDef def = test::PlainDef(12, 9);
        SetText(def.Description, "The new content of the scenario.");
        WriteDefFile(target, def);
        return true;
    }
    const UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game(specs, port, 3);
    // The game's scenario lies in a folder of its own beside the target, left to the test.
    const std::filesystem::path source = target.parent_path() / "source";
    std::filesystem::create_directories(source);
    WriteDefFile(source / "New.def", test::PlainDef(11, 10));
    if (!game.NewGame(source / "New.def", test::Humans(3)))
        return false;
    game.Money[2] = 4321;
    SaveGame(game, target);
    return true;
}

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const std::string kind = argv[1];
    const std::filesystem::path target = argv[2];
    targetName = target.filename().string();
    point = argv[3];
    if (point.starts_with("bytes:"))
        bytesBeforeDeath = std::atol(point.c_str() + 6);
    try {
        if (!WriteNewContent(kind, target))
            return 3;
    } catch (const marovane::Error&) {
        return point == "close-fails" ? 16 : 1;
    }
    if (point == "close-fails")
        return 15; // the failed close went unreported
    return folderSynced ? 0 : 14;
}
