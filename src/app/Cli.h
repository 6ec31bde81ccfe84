#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace marovane {

// The command-line tool: runs the rules without a window. args excludes the program name;
// programDir is the default data folder. Prints JSON to out; a refusal prints the message to
// err and answers 1.
int RunCli(const std::vector<std::string>& args, const std::filesystem::path& programDir,
           std::ostream& out, std::ostream& err);

} // namespace marovane
