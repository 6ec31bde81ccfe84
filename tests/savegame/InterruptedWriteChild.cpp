// A program that writes one file, a saved game or a scenario, and dies at a chosen point of the
// write, as a program does when it is killed or the machine loses power there.
//
//   interrupted_write_child save|scenario TARGET POINT
//
// POINT is where it dies:
//   open     before the temporary file is opened       created  right after it was opened
//   bytes:N  once N bytes of the content reached it     written  with all bytes in, before close
//   closed   after the temporary file was closed       rename   before the rename runs
//   renamed  after the rename                          none     it does not die
// Every file write of the game goes through the standard library's streams, which open files with
// fopen64, send their bytes with write or writev, close them with fclose and put them in place
// with rename; the functions below stand in for those and die at the point.

#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "support/TestGame.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <unistd.h>

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
FILE* temporaryFile = nullptr;
long written = 0;

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

template <typename Function> Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" FILE* fopen64(const char* path, const char* mode) {
    static auto real = Next<FILE* (*)(const char*, const char*)>("fopen64");
    const bool temporary = IsTemporary(path);
    if (temporary)
        DieAt("open");
    FILE* file = real(path, mode);
    if (temporary && file) {
        temporaryFile = file;
        temporaryFd = fileno(file);
        DieAt("created");
    }
    return file;
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

extern "C" int fclose(FILE* file) {
    static auto real = Next<int (*)(FILE*)>("fclose");
    const bool temporary = file == temporaryFile;
    if (temporary)
        DieAt("written");
    const int result = real(file);
    if (temporary) {
        temporaryFile = nullptr;
        temporaryFd = -1;
        DieAt("closed");
    }
    return result;
}

extern "C" int rename(const char* from, const char* to) {
    const bool target = IsTarget(to);
    if (target)
        DieAt("rename");
    const int result = renameat(AT_FDCWD, from, AT_FDCWD, to);
    if (target)
        DieAt("renamed");
    return result;
}

int main(int argc, char** argv) {
    using namespace marovane;
    if (argc != 4)
        return 2;
    const std::string kind = argv[1];
    const std::filesystem::path target = argv[2];
    targetName = target.filename().string();
    point = argv[3];
    if (point.starts_with("bytes:"))
        bytesBeforeDeath = std::atol(point.c_str() + 6);

    // The new content differs from whatever the test put there before.
    if (kind == "scenario") {
        GameDef def = test::PlainDef(12, 9);
        SetText(def.Description, "The new content of the scenario.");
        WriteDefFile(target, def);
        return 0;
    }
    const UnitSpecs specs = test::TestSpecs();
    HeadlessPort port;
    Game game(specs, port, 3);
    // The game's scenario lies in a folder of its own beside the target, left to the test.
    const std::filesystem::path source = target.parent_path() / "source";
    std::filesystem::create_directories(source);
    WriteDefFile(source / "New.def", test::PlainDef(11, 10));
    if (!game.NewGame(source / "New.def", test::Humans(3)))
        return 3;
    game.Money[2] = 4321;
    SaveGame(game, target);
    return 0;
}
