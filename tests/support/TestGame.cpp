#include "support/TestGame.h"

#include "engine/GameStateFields.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"

#include <atomic>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace marovane::test {

UnitSpecs TestSpecs() {
    UnitSpecs specs;
    for (int t = 0; t < kUnitTypes; ++t) {
        specs.UnitName[t] = "Type " + std::to_string(t);
        specs.UnitStrength[t] = static_cast<int16_t>((t + 2) * 10 + (t % 4) + 1);
        specs.UnitCost[t] = static_cast<int16_t>(100 + 10 * t);
        specs.UnitMaxDamage[t] = 4;
        specs.UnitMinDamage[t] = 1;
        specs.UnitRange[t] = 1;
    }
    specs.UnitStrength[unit_type::Wall] = 150;
    specs.UnitCost[unit_type::Wall] = 0;
    specs.UnitCost[unit_type::King] = -1;
    specs.UnitCost[unit_type::Queen] = -1;
    return specs;
}

UnitSpecs ExactSpecs() {
    UnitSpecs specs = TestSpecs();
    for (int t = 0; t < kUnitTypes; ++t) {
        specs.UnitStrength[t] = 93;
        specs.UnitMinDamage[t] = specs.UnitMaxDamage[t] = 2;
        specs.UnitRange[t] = 1;
        specs.UnitCloseBonus[t] = specs.UnitWallBonus[t] = specs.UnitWallPenalty[t] = 0;
    }
    specs.UnitStrength[unit_type::Wall] = 150;
    return specs;
}

GameDef PlainDef(int width, int height) {
    GameDef def;
    def.Width = static_cast<int16_t>(width);
    def.Height = static_cast<int16_t>(height);
    def.Treasury = 1000;
    def.Reward = 0;
    def.PartySize = 6;
    def.Options = static_cast<int16_t>((1 << option_bit::LoseConquest) |
                                       (1 << option_bit::WinConquest) | (1 << option_bit::NoKeep));
    def.PlayerLimits = 0x0F;
    def.PlayerKinds = 0xFF;
    SetText(def.OptionText[0], "");
    SetText(def.OptionText[1], "");
    def.OptionType = {-1, -1};
    SetText(def.Description, "A test scenario.");
    def.StartPos[0][0] = 1; // a peasant at (1, 1)
    def.StartPos[1][0] = 4; // an infantryman at (2, 1)
    def.UnitsAllowed = 0x1FF;
    SetText(def.Placement, "");
    return def;
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    std::random_device entropy;
    path_ = fs::temp_directory_path() /
            ("marovane-test-" + std::to_string(entropy()) + "-" + std::to_string(counter++));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path TempDir::Write(const std::string& name, const GameDef& def) const {
    fs::path path = path_ / (name + ".def");
    WriteDefFile(path, def);
    return path;
}

fs::path TempDir::WriteBytes(const std::string& name, const std::string& bytes) const {
    fs::path path = path_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

NewGameSetup Humans(int n) {
    NewGameSetup setup;
    setup.Slots.assign(static_cast<size_t>(n), SlotKind::Human);
    return setup;
}

} // namespace marovane::test

namespace marovane {

void PrintTo(const GameState& state, std::ostream* out) {
    auto print = [&](const StateField& field, const auto& value) {
        using T = std::remove_cvref_t<decltype(value)>;
        *out << "\n" << field.Name << ":";
        if constexpr (std::is_arithmetic_v<T> || std::is_same_v<T, std::string>)
            *out << ' ' << value;
        else if constexpr (std::is_enum_v<T>)
            *out << ' ' << static_cast<int>(value);
        else if constexpr (requires {
                               value.size();
                               value[0];
                           })
            for (const auto& element : value)
                *out << ' ' << +element;
        else if constexpr (std::is_same_v<T, GameDef>)
            *out << " (" << value.Width << " x " << value.Height << ")";
    };
    VisitStateFields(state, print);
}

namespace test {
void PrintTo(const Snapshot& snapshot, std::ostream* out) {
    marovane::PrintTo(snapshot.State, out);
    *out << "\n";
    marovane::PrintTo(snapshot.Board, out);
}
} // namespace test

void PrintTo(const BoardArrays& board, std::ostream* out) {
    const int w = board.Width();
    const int h = board.Height();
    *out << w << " x " << h << " cells, " << board.Players() << " players";
    auto rows = [&](const char* name, int from, int toX, int toY, auto cell) {
        *out << "\n" << name << ":";
        for (int y = from; y <= toY; ++y) {
            *out << "\n ";
            for (int x = from; x <= toX; ++x)
                *out << ' ' << static_cast<int>(cell(x, y));
        }
    };
    rows("BoardUnit", 1, w, h, [&](int x, int y) { return board.BoardUnit(x, y); });
    rows("BoardPic", 1, w, h, [&](int x, int y) { return board.BoardPic(x, y); });
    for (int p = 1; p <= board.Players(); ++p)
        rows(("Seen of player " + std::to_string(p)).c_str(), 1, w, h,
             [&](int x, int y) { return board.Seen(x, y, p); });
    rows("BoardMark", 0, w, h, [&](int x, int y) { return board.BoardMark(x, y); });
}

} // namespace marovane
