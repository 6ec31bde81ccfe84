#include "cli/Cli.h"
#include "util/ProgramFolder.h"

#include <clocale>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    // Only the character set follows the user's locale, for messages on the terminal; numbers
    // and everything else stay as the scripts that read the output expect them.
    std::setlocale(LC_CTYPE, "");
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv[0]);
    std::vector<std::string> args(argv + 1, argv + argc);
    return marovane::RunCli(args, marovane::ProgramFolderFor(self.parent_path()), std::cout,
                            std::cerr);
}
