// The tool's network commands: a host and a guest without a window, over sockets.
#include "cli/NetCommands.h"

#include "cli/ToolSession.h"
#include "net/Unattended.h"
#include "net/qt/NetClient.h"
#include "net/qt/NetHost.h"
#include "util/JsonPrint.h"

#include <QCoreApplication>
#include <QHostInfo>

#include <chrono>
#include <functional>

namespace fs = std::filesystem;

namespace marovane {

namespace {

// The sockets need Qt's event loop; the tool makes one when it has none.
void EnsureEventLoop() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "marovane-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// Runs the connection's events until `done` answers true or the time-out has passed; answers
// whether the time ran out.
bool RunUntil(const std::function<bool()>& done, int timeoutSeconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return true;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    // What was sent last (the end of the game) still leaves before the tool does.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return false;
}

void SetLevels(ToolSession& tool, const std::vector<ComputerLevel>& levels) {
    for (size_t slot = 0; slot < levels.size(); ++slot)
        tool.Session.OwnComputer().SetLevel(static_cast<int>(slot) + 1, levels[slot]);
}

} // namespace

int HostCommand(const fs::path& scenario, const NetArguments& args, const fs::path& dataDir,
                uint64_t seed, std::ostream& out) {
    if (!args.Slots)
        throw Error("host needs --players, for example --players Computer,Remote.");
    NewGameSetup setup = args.Setup;
    setup.Slots = ChosenSlots(scenario, *args.Slots);
    EnsureEventLoop();
    ToolSession tool(dataDir, seed);
    SetLevels(tool, args.Levels);
    net::NetHost link;
    link.SetLocalPort(args.Port);
    net::UnattendedHost host(tool.Session, link,
                             net::OurIdentity(QHostInfo::localHostName().toStdString()), scenario,
                             setup);
    std::string problem;
    if (!host.Open(problem))
        throw Error(problem);
    const bool timedOut = RunUntil([&] { return host.Poll(); }, args.TimeoutSeconds);
    if (timedOut && tool.Session.CurrentGame().GameOn)
        tool.Session.CurrentGame().GameOver(); // the guests hear that the game is over
    json::Value state = tool.State();
    state["Began"] = host.Began();
    state["TimedOut"] = timedOut;
    out << json::Print(state) << "\n";
    return 0;
}

int JoinCommand(const std::string& hostName, const NetArguments& args, const fs::path& dataDir,
                uint64_t seed, std::ostream& out) {
    EnsureEventLoop();
    ToolSession tool(dataDir, seed);
    SetLevels(tool, args.Levels);
    net::NetClient link;
    net::UnattendedGuest guest(tool.Session, link,
                               net::OurIdentity(QHostInfo::localHostName().toStdString()),
                               tool.Session.Scenarios().Writable(), args.Slot);
    guest.Connect(hostName, args.Port);
    // A connection lost while the game goes on: with --rejoin the seat is taken back, as often
    // as it takes within the time-out.
    const bool timedOut = RunUntil(
        [&] {
            if (args.Rejoin && guest.Dropped())
                guest.Rejoin(hostName, args.Port);
            return guest.Finished();
        },
        args.TimeoutSeconds);
    if (timedOut)
        guest.Lobby().Cancel();
    for (const std::string& message : guest.Messages())
        tool.Port.Messages.push_back(message);
    json::Value state = tool.State();
    state["Began"] = guest.Started();
    state["TimedOut"] = timedOut;
    out << json::Print(state) << "\n";
    return 0;
}

} // namespace marovane
