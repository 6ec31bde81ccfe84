#pragma once

#include <filesystem>
#include <iosfwd>
#include <iostream>
#include <string>
#include <vector>

namespace marovane {

// The command-line tool: runs the rules without a window. args excludes the program name;
// programDir is the default data folder. Prints JSON to out; a refusal prints the message to
// err and answers 1.
// Commands that read standard input (run) read from `in`.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& programDir,
           std::ostream& out, std::ostream& err, std::istream& in = std::cin);

} // namespace marovane
