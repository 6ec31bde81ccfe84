#pragma once

#include "cli/Cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace marovane::test {

struct CliResult {
    int Status;
    std::string Out;
    std::string Err;
};

// Runs the command-line tool in this process on the built program folder.
inline CliResult Cli(std::vector<std::string> args, const std::string& input = "") {
    std::ostringstream out, err;
    std::istringstream in(input);
    int status = RunCli(args, MAROVANE_PROGRAM_DIR, out, err, in);
    return {status, out.str(), err.str()};
}

} // namespace marovane::test
