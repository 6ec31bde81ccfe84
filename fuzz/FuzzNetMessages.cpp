// The lobby and the game's messages, in any order: a host (a computer in slot 1, two remote
// slots) and two guests over the in-process loopback. The input is a list of steps: guests
// connect, click slots and leave, queued traffic is delivered, the host begins, and made-up
// lobby and game messages reach the host from any connection and the guests from the host.
//
// After every step each running game's board holds together. A game message the receiver has no
// use for (one from a connection that plays no player, of a kind nobody sends, or a board for a
// player not to move) leaves its game exactly as it was.
//
// With FUZZ_WRITE_SEEDS=FOLDER the target writes seed inputs there.

#include "FuzzCheck.h"
#include "engine/BoardCheck.h"
#include "engine/HeadlessPort.h"
#include "net/GameMessages.h"
#include "net/Unattended.h"
#include "session/GameSession.h"
#include "session/Settings.h"
#include "support/LoopbackNet.h"
#include "support/TestGame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace fs = std::filesystem;
using namespace marovane;

namespace {

constexpr int kGuests = 2;
constexpr int kTurnLimit = 12;

net::LobbyIdentity Identity() {
    return {"Marovane", "0.1", "fuzzhost"};
}

struct Folders {
    test::TempDir host;
    std::array<test::TempDir, kGuests> guests;
    fs::path scenario;
    Folders() { scenario = host.Write("Skirmish", test::PlainDef(8, 8)); }
};

const Folders& TheFolders() {
    static Folders folders;
    return folders;
}

struct Machine {
    Machine(uint64_t seed, const fs::path& folder)
        : session(fuzz::ShippedSpecs(), port, seed, folder, settings) {
        session.OwnComputer().SetTurnLimit(kTurnLimit);
    }
    Game& game() { return session.CurrentGame(); }
    HeadlessPort port;
    MemorySettings settings;
    GameSession session;
};

NewGameSetup HostSetup() {
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Remote, SlotKind::Remote};
    return setup;
}

// One host and its guests, made afresh for every input.
struct World {
    test::LoopbackNet net;
    Machine host{1, TheFolders().host.Path()};
    net::UnattendedHost unattended{host.session, net.HostSide(), Identity(), TheFolders().scenario,
                                   HostSetup()};
    std::array<std::unique_ptr<Machine>, kGuests> guestMachines;
    std::array<std::unique_ptr<net::UnattendedGuest>, kGuests> guests;

    World() {
        for (int g = 0; g < kGuests; ++g) {
            const fs::path& folder = TheFolders().guests[static_cast<size_t>(g)].Path();
            guestMachines[g] = std::make_unique<Machine>(10 + g, folder);
            guests[g] = std::make_unique<net::UnattendedGuest>(
                guestMachines[g]->session, net.AddGuest(), Identity(), folder, std::nullopt);
        }
        std::string problem;
        if (!unattended.Open(problem))
            std::abort();
    }

    void CheckBoards() {
        auto check = [](Game& game, const char* who) {
            if (game.GameOn && game.NumPlayers > 0) {
                const std::string problem = BoardProblem(game).English();
                fuzz::Require(problem.empty(), who, [&] { return "'s board: " + problem; });
            }
        };
        check(host.game(), "the host");
        for (auto& machine : guestMachines)
            check(machine->game(), "a guest");
    }
};

// Whether the host's game has no use for a data message from connection `index`.
bool HostIgnores(const Game& game, int index, const std::string& data) {
    if (!game.GameOn || game.Role != NetworkRole::Host || data.empty())
        return true;
    int player = 0;
    for (int p = 1; p <= game.NumPlayers; ++p) {
        if (game.RemotePlayer[p] == index)
            player = p;
    }
    if (player == 0)
        return true;
    if (data[0] == net::kBoardMessage)
        return player != game.CurrentPlayer;
    return data[0] != net::kShowMessage && data[0] != net::kOutMessage;
}

bool GuestIgnores(const Game& game, const std::string& data) {
    if (!game.GameOn || game.Role != NetworkRole::Guest || data.empty())
        return true;
    return std::string("MGLOBPF").find(data[0]) == std::string::npos;
}

// Reads the steps of an input.
class Steps {
public:
    Steps(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool More() const { return at_ < size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::string Text() {
        const size_t length = std::min<size_t>(Byte(), size_ - at_);
        std::string text(reinterpret_cast<const char*>(data_) + at_, length);
        at_ += length;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

enum Step : uint8_t {
    kConnect,      // guest
    kPump,         // events
    kPoll,         // the host begins once every remote slot is taken
    kClick,        // guest, slot
    kCancel,       // guest
    kHostSetup,    // index, text
    kHostData,     // index, text
    kHostTitle,    // index, text
    kHostVersion,  // index, text
    kGuestSetup,   // guest, text
    kGuestData,    // guest, text
    kGuestDropped, // guest
    kSteps
};

std::string Message(std::initializer_list<uint8_t> head, const std::string& text = {}) {
    std::string out(head.begin(), head.end());
    out += static_cast<char>(text.size());
    return out + text;
}

void WriteSeeds(const fs::path& folder) {
    const std::string join = Message({kConnect, 0}) + Message({kPump, 255}) +
                             Message({kConnect, 1}) + Message({kPump, 255}) +
                             Message({kClick, 0, 1}) + Message({kClick, 1, 2}) +
                             Message({kPump, 255});
    const std::string play = join + Message({kPoll}) + Message({kPump, 255}) +
                             Message({kPump, 255}) + Message({kPump, 255});
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    };
    write("join", join);
    write("play", play);
    write("lobby-messages", join + Message({kHostSetup, 1}, "P2") +
                                Message({kGuestSetup, 0}, "S1/3") +
                                Message({kGuestSetup, 1}, "t3") + Message({kHostTitle, 3}, "x"));
    write("game-messages", play + Message({kHostData, 1}, "O\x03") +
                               Message({kGuestData, 0}, "P\x02") + Message({kHostData, 2}, "Mhi") +
                               Message({kGuestData, 1}, "LOSE") + Message({kCancel, 0}) +
                               Message({kPump, 255}));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* seeds = std::getenv("FUZZ_WRITE_SEEDS"))
        WriteSeeds(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    World world;
    Steps steps(data, size);
    for (int count = 0; steps.More() && count < 64; ++count) {
        const uint8_t step = steps.Byte() % kSteps;
        const int guest = step == kPump || step == kPoll ? 0 : steps.Byte() % kGuests;
        auto& lobby = world.guests[guest]->Lobby();
        Game& hostGame = world.host.game();
        Game& guestGame = world.guestMachines[guest]->game();
        switch (step) {
        case kConnect:
            world.guests[guest]->Connect("127.0.0.1", net::kGamePort);
            break;
        case kPump:
            world.net.Pump(steps.Byte() + 1);
            break;
        case kPoll:
            world.unattended.Poll();
            break;
        case kClick:
            lobby.ClickSlot(steps.Byte() % 5);
            break;
        case kCancel:
            lobby.Cancel();
            break;
        case kHostSetup:
            world.unattended.Lobby().ReceiveSetupInfo(guest + 1, steps.Text());
            break;
        case kHostData: {
            // Connection 3 never holds a player.
            const int index = steps.Byte() % (kGuests + 1) + 1;
            const std::string text = steps.Text();
            const bool ignored = HostIgnores(hostGame, index, text);
            const test::Snapshot before(hostGame);
            world.unattended.Lobby().ReceiveData(index, text);
            if (ignored)
                fuzz::Require(test::Snapshot(hostGame) == before,
                              "a message the host has no use for changes nothing");
            break;
        }
        case kHostTitle:
            world.unattended.Lobby().ReceiveTitle(guest + 1, steps.Text());
            break;
        case kHostVersion:
            world.unattended.Lobby().ReceiveVersion(guest + 1, steps.Text());
            break;
        case kGuestSetup:
            lobby.ReceiveSetupInfo(steps.Text());
            break;
        case kGuestData: {
            const std::string text = steps.Text();
            const bool ignored = GuestIgnores(guestGame, text);
            const test::Snapshot before(guestGame);
            lobby.ReceiveData(text);
            if (ignored)
                fuzz::Require(test::Snapshot(guestGame) == before,
                              "a message the guest has no use for changes nothing");
            break;
        }
        case kGuestDropped:
            lobby.Dropped();
            break;
        }
        world.CheckBoards();
    }
    return 0;
}
