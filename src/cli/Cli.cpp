#include "cli/Cli.h"

#include "ai/ComputerOpponent.h"
#include "cli/EventJson.h"
#include "cli/NetCommands.h"
#include "cli/ScriptPlayer.h"
#include "cli/StateJson.h"
#include "cli/ToolSession.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "scenario/DefJson.h"
#include "session/GameSession.h"
#include "util/Error.h"
#include "util/JsonParse.h"
#include "util/JsonPrint.h"
#include "util/Latin1.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#ifndef _WIN32
#include <langinfo.h>
#endif

namespace fs = std::filesystem;

namespace marovane {

namespace {

const char* const kUsage =
    "usage: marovane-cli [--data DIR] [--seed N] COMMAND ...\n"
    "       marovane-cli --help | --version\n"
    "  --data DIR  reads the unit table and the scenarios from DIR instead of the program's\n"
    "      data folder\n"
    "  --seed N    seeds the dice, so the same commands give the same game\n"
    "  scenarios   the names of the scenarios in the data folder, as a JSON list\n"
    "  def show FILE.def\n"
    "  def build SOURCE OUT.def\n"
    "  new FILE.def --players T1,T2,... [--option 1] [--option 2] [--teams K] [--save OUT.mvg]\n"
    "      slot types: Human, Computer, Immobile, Remote, or nothing for an empty slot\n"
    "  show FILE.mvg\n"
    "  run FILE.mvg [--turns N] [--levels L1,...] [--save OUT.mvg]   (commands on standard\n"
    "      input, one a line:\n"
    "      move X1 Y1 X2 Y2 | attack X1 Y1 X2 Y2 | next [sell] [rescue] [buy T] |\n"
    "      resign | computer | undo | preview X1 Y1 X2 Y2; the computer plays its slots'\n"
    "      turns in between; each preview adds to the list Previews)\n"
    "  play FILE(.def|.mvg) [--players T1,T2,...] [--option 1] [--option 2] [--teams K]\n"
    "       [--turns N] [--levels L1,...] [--save OUT.mvg]\n"
    "      the computer plays every computer slot until the game ends, N turns are played\n"
    "      (at most 20000), or the turn of a slot it does not play comes up, which stops the\n"
    "      tool there; a scenario starts a new game, by default with a computer in every slot\n"
    "      it allows\n"
    "      run and play add Events to the state: what happened, in order, one object each\n"
    "  host FILE.def --players T1,T2,... [--option 1] [--option 2] [--teams K] [--port P]\n"
    "       [--levels L1,...] [--timeout S]\n"
    "      hosts a network game: Remote slots wait for guests, computer slots are played here;\n"
    "      the game begins once every Remote slot is taken\n"
    "  join HOST [--port P] [--slot N] [--levels L1,...] [--timeout S] [--rejoin]\n"
    "      joins a host as a guest whose player the computer plays, in slot N (1..4) or the\n"
    "      first free one; with --rejoin a guest whose connection is lost comes back to its\n"
    "      seat; host and join print the final state when the game ends or the time-out\n"
    "      (seconds, default 600) runs out\n"
    "  --levels names the computer's level in each slot, in slot order: standard or hard;\n"
    "      a slot left out or empty plays at the standard level";

// Computer turns played at most in one command, so that a game that no one can win still ends.
constexpr int kMaxComputerTurns = 20000;

// The words of a command line: positional words in order, and the values of options.
struct Arguments {
    std::vector<std::string> Words;
    std::multimap<std::string, std::string> Options;

    std::optional<std::string> Option(const std::string& name) const {
        auto it = Options.find(name);
        if (it == Options.end())
            return std::nullopt;
        return it->second;
    }
};

Arguments Split(const std::vector<std::string>& args) {
    static const std::vector<std::string> kWithValue = {
        "--data",  "--seed", "--players", "--option", "--teams", "--save",
        "--turns", "--port", "--timeout", "--slot",   "--levels"};
    Arguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.rfind("--", 0) != 0) {
            parsed.Words.push_back(word);
            continue;
        }
        if (word == "--rejoin") { // a switch: it takes no value
            parsed.Options.emplace(word, "");
            continue;
        }
        std::string name = word;
        std::string value;
        if (auto equals = word.find('='); equals != std::string::npos) {
            name = word.substr(0, equals);
            value = word.substr(equals + 1);
        } else if (std::find(kWithValue.begin(), kWithValue.end(), word) != kWithValue.end()) {
            if (i + 1 >= args.size())
                throw Error("The option " + word + " needs a value.");
            value = args[++i];
        }
        if (std::find(kWithValue.begin(), kWithValue.end(), name) == kWithValue.end())
            throw Error("Unknown option " + name + ".\n" + kUsage);
        parsed.Options.emplace(name, value);
    }
    return parsed;
}

long ParseNumber(const std::string& text, const std::string& what, long low, long high) {
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw Error(what + " takes a whole number " + std::to_string(low) + ".." +
                    std::to_string(high) + ", not \"" + text + "\".");
    return value;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path))
        throw Error("Cannot read \"" + path.string() + "\".");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// A scenario named by path, or by name in the data folder.
fs::path ResolveScenario(const std::string& given, const fs::path& dataDir) {
    if (auto found = LocateScenario(dataDir, given))
        return *found;
    throw Error("No scenario \"" + given + "\" in \"" + dataDir.string() + "\".");
}

int DefShow(const Arguments& args, const fs::path& dataDir, std::ostream& out) {
    if (args.Words.size() != 3)
        throw Error(kUsage);
    GameDef def = ReadDefFile(ResolveScenario(args.Words[2], dataDir));
    out << json::Print(DefToJson(def)) << "\n";
    return 0;
}

int ListScenarioNames(const fs::path& dataDir, std::ostream& out) {
    json::Value names = json::Value::array();
    for (const std::string& name : ListScenarios(dataDir))
        names.push_back(Latin1ToUtf8(name));
    out << json::Print(names) << "\n";
    return 0;
}

int DefBuild(const Arguments& args, std::ostream&) {
    if (args.Words.size() != 4)
        throw Error(kUsage);
    GameDef def = DefFromJson(json::Parse(ReadText(args.Words[2])));
    WriteDefFile(args.Words[3], def);
    return 0;
}

// The ticked options and the teams of a new game, from --option and --teams.
void ReadGameOptions(const Arguments& args, NewGameSetup& setup) {
    for (auto [it, end] = args.Options.equal_range("--option"); it != end; ++it)
        setup.OptionTicked[ParseNumber(it->second, "--option", 1, 2) - 1] = true;
    if (auto teams = args.Option("--teams"))
        setup.TeamsMode = static_cast<int>(ParseNumber(*teams, "--teams", 0, 4));
}

// The computer's level in each slot, from --levels: standard or hard per slot, in slot order;
// a slot left out plays at the standard level.
void ReadLevels(const Arguments& args, ComputerOpponent& computer) {
    const auto levels = args.Option("--levels");
    if (!levels)
        return;
    const std::vector<ComputerLevel> chosen = ParseComputerLevels(*levels);
    for (size_t slot = 0; slot < chosen.size(); ++slot)
        computer.SetLevel(static_cast<int>(slot) + 1, chosen[slot]);
}

int NewGameCommand(const Arguments& args, const fs::path& dataDir, uint64_t seed,
                   std::ostream& out) {
    if (args.Words.size() != 2)
        throw Error(kUsage);
    auto players = args.Option("--players");
    if (!players)
        throw Error("new needs --players, for example --players Human,Computer.");
    const fs::path scenario = ResolveScenario(args.Words[1], dataDir);
    NewGameSetup setup;
    setup.Slots = ChosenSlots(scenario, *players);
    ReadGameOptions(args, setup);

    ToolSession tool(dataDir, seed);
    // The new game is shown as it starts: nobody plays a turn, not even the computer.
    tool.Session.SetComputerPlayer(nullptr);
    tool.Start(scenario, setup);
    tool.SaveIfAsked(args.Option("--save"));
    out << json::Print(tool.State()) << "\n";
    return 0;
}

int ShowSavedGame(const Arguments& args, const fs::path& dataDir, std::ostream& out) {
    if (args.Words.size() != 2)
        throw Error(kUsage);
    // Showing plays nothing: the game is read (and its board checked against the unit table)
    // and printed as it was saved.
    UnitSpecs specs = LoadSpecs(dataDir / "specs.txt");
    HeadlessPort port;
    Game game(specs, port, 0);
    RestoreSavedGame(ReadSavedGame(args.Words[1], specs), game);
    game.SetSaveFile(args.Words[1]);
    out << json::Print(GameStateToJson(game, {})) << "\n";
    return 0;
}

int TurnLimit(const Arguments& args) {
    if (auto turns = args.Option("--turns"))
        return static_cast<int>(ParseNumber(*turns, "--turns", 0, kMaxComputerTurns));
    return kMaxComputerTurns;
}

// Plays a human's commands on a saved game.
int RunScript(const Arguments& args, const fs::path& dataDir, uint64_t seed, std::ostream& out,
              std::istream& in) {
    if (args.Words.size() != 2)
        throw Error(kUsage);
    ToolSession tool(dataDir, seed);
    tool.Session.OwnComputer().SetTurnLimit(TurnLimit(args));
    ReadLevels(args, tool.Session.OwnComputer());
    const EventRecorder events(tool.Session.CurrentGame());
    tool.Session.Load(args.Words[1]);
    tool.Session.PlayPendingComputerTurn();
    ScriptPlayer player(tool.Session.CurrentGame(), tool.Port, &tool.Session);
    player.Play(in);
    tool.SaveIfAsked(args.Option("--save"));
    json::Value state = tool.State();
    state["Previews"] = player.Previews();
    state["Events"] = events.List();
    out << json::Print(state) << "\n";
    return 0;
}

bool IsSavedGame(const std::string& given) {
    std::string extension = fs::path(given).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
    return extension == ".mvg";
}

// The computer plays a new game of a scenario, or goes on with a saved game.
int PlayCommand(const Arguments& args, const fs::path& dataDir, uint64_t seed, std::ostream& out) {
    if (args.Words.size() != 2)
        throw Error(kUsage);
    const std::string& given = args.Words[1];
    ToolSession tool(dataDir, seed);
    ComputerOpponent& computer = tool.Session.OwnComputer();
    computer.SetTurnLimit(TurnLimit(args));
    computer.SetCheckBoard(true);
    ReadLevels(args, computer);
    const EventRecorder events(tool.Session.CurrentGame());

    if (IsSavedGame(given)) {
        for (const char* option : {"--players", "--option", "--teams"}) {
            if (args.Option(option))
                throw Error(std::string(option) + " is for a new game, not a saved one.");
        }
        tool.Session.Load(given);
        tool.Session.PlayPendingComputerTurn();
    } else {
        const fs::path scenario = ResolveScenario(given, dataDir);
        NewGameSetup setup;
        if (auto players = args.Option("--players")) {
            setup.Slots = ChosenSlots(scenario, *players);
        } else {
            // A computer in every slot the scenario allows.
            const GameDef def = ReadDefFile(scenario);
            int most = 1;
            for (int n = 1; n <= kMaxPlayers; ++n) {
                if (def.PlayerLimits & (1 << (n - 1)))
                    most = n;
            }
            setup.Slots.assign(static_cast<size_t>(most), SlotKind::Computer);
        }
        ReadGameOptions(args, setup);
        tool.Start(scenario, setup);
    }
    const std::string& fault = computer.BoardFault(tool.Session.CurrentGame());
    if (!fault.empty())
        throw Error("The board went wrong after " + std::to_string(computer.TurnsPlayed()) +
                    (computer.TurnsPlayed() == 1 ? " turn: " : " turns: ") + fault);
    tool.SaveIfAsked(args.Option("--save"));
    json::Value state = tool.State();
    state["Turns"] = computer.TurnsPlayed();
    state["Events"] = events.List();
    out << json::Print(state) << "\n";
    return 0;
}

// Whether the terminal's character set, as the locale names it, is Latin-1. Anything else gets
// UTF-8, as the JSON does.
bool Latin1Terminal() {
#ifdef _WIN32
    return false;
#else
    const std::string codeset = nl_langinfo(CODESET);
    return codeset == "ISO-8859-1" || codeset == "ISO-8859-15";
#endif
}

} // namespace

int RunCli(const std::vector<std::string>& argList, const fs::path& programDir, std::ostream& out,
           std::ostream& err, std::istream& in) {
    // Asked for anywhere on the line, these two answer at once and run nothing else.
    for (const std::string& word : argList) {
        if (word == "--help" || word == "-h") {
            out << kUsage << "\n";
            return 0;
        }
        if (word == "--version") {
            out << "marovane-cli " << MAROVANE_VERSION << "\n";
            return 0;
        }
    }
    try {
        Arguments args = Split(argList);
        fs::path dataDir = args.Option("--data").value_or(programDir.string());
        uint64_t seed =
            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        if (auto given = args.Option("--seed"))
            seed = static_cast<uint64_t>(ParseNumber(*given, "--seed", 0, 0x7FFFFFFFFFFFFFFF));

        if (args.Words.empty())
            throw Error(kUsage);
        const std::string& command = args.Words[0];
        if (command == "scenarios")
            return ListScenarioNames(dataDir, out);
        if (command == "def" && args.Words.size() >= 2 && args.Words[1] == "show")
            return DefShow(args, dataDir, out);
        if (command == "def" && args.Words.size() >= 2 && args.Words[1] == "build")
            return DefBuild(args, out);
        if (command == "new")
            return NewGameCommand(args, dataDir, seed, out);
        if (command == "show")
            return ShowSavedGame(args, dataDir, out);
        if (command == "run")
            return RunScript(args, dataDir, seed, out, in);
        if (command == "play")
            return PlayCommand(args, dataDir, seed, out);
        if (command == "host" || command == "join") {
            NetArguments net;
            net.Slots = args.Option("--players");
            ReadGameOptions(args, net.Setup);
            if (auto port = args.Option("--port"))
                net.Port = static_cast<int>(ParseNumber(*port, "--port", 1, 65535));
            if (auto timeout = args.Option("--timeout"))
                net.TimeoutSeconds = static_cast<int>(ParseNumber(*timeout, "--timeout", 1, 86400));
            if (auto slot = args.Option("--slot"))
                net.Slot = static_cast<int>(ParseNumber(*slot, "--slot", 1, 4)) - 1;
            net.Rejoin = args.Option("--rejoin").has_value();
            if (auto levels = args.Option("--levels"))
                net.Levels = ParseComputerLevels(*levels);
            if (args.Words.size() != 2)
                throw Error(kUsage);
            if (command == "host")
                return HostCommand(ResolveScenario(args.Words[1], dataDir), net, dataDir, seed,
                                   out);
            return JoinCommand(args.Words[1], net, dataDir, seed, out);
        }
        throw Error("Unknown command \"" + command + "\".\n" + kUsage);
    } catch (const std::exception& error) {
        err << TerminalText(error.what(), Latin1Terminal()) << "\n";
        return 1;
    }
}

} // namespace marovane
