// The tool built without Qt has no sockets to play over.
#include "cli/NetCommands.h"

#include "util/Error.h"

namespace marovane {

namespace {

const char* const kNoNetwork =
    "This marovane-cli was built without network play (it needs Qt Network).";

} // namespace

int HostCommand(const std::filesystem::path&, const NetArguments&, const std::filesystem::path&,
                uint64_t, std::ostream&) {
    throw Error(kNoNetwork);
}

int JoinCommand(const std::string&, const NetArguments&, const std::filesystem::path&, uint64_t,
                std::ostream&) {
    throw Error(kNoNetwork);
}

} // namespace marovane
