#include "ai/AiFixture.h"
#include "ai/ComputerKeep.h"
#include "ai/ComputerLevel.h"
#include "ai/ComputerTurn.h"
#include "ai/HardTurn.h"
#include "engine/BoardCheck.h"
#include "scenario/DefFile.h"
#include "util/Error.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace marovane {
namespace {

// Plays the hard slots through the hard turn, every order checked first by the rules of a
// human's click on the board, and the other slots as the standard computer does.
class CheckedComputer : public ComputerPlayer {
public:
    CheckedComputer(Game& game, PerPlayer<bool> hard, int turns)
        : game_(game), hard_(hard), turnsLeft_(turns) {}

    bool PlayTurn(Game& game) override {
        if (turnsLeft_-- <= 0)
            return false;
        const int p = game.CurrentPlayer;
        HardTurns += hard_[p];
        // The rehearsals think less than in play, so that the test does not take long: they
        // choose among the moves that the rules are asked about, and do not make them.
        if (hard_[p])
            PlayHardTurn(
                game, p,
                [this](const Game&, Cell from, Cell to, bool attack) { Check(from, to, attack); },
                kHardRehearsalBudget / 100);
        else
            DoComputerMoves(game, p);
        if (Problem.empty())
            Problem = BoardProblem(game).English();
        return Problem.empty();
    }
    void DoComputerKeep(Game& game, KeepVisit& visit) override {
        if (hard_[visit.Player()])
            DoHardKeep(game, visit);
        else
            marovane::DoComputerKeep(game, visit);
    }

    int HardTurns = 0;
    int Refused = 0;
    std::string Problem;

private:
    // What the same click would do for a human whose turn it is.
    void Check(Cell from, Cell to, bool attack) {
        const int p = game_.CurrentPlayer;
        game_.PlayerComp[p] = false;
        const ClickAction action = game_.ClickActionFrom(from.X, from.Y, to.X, to.Y);
        game_.PlayerComp[p] = true;
        const bool fights = action == ClickAction::Attack || action == ClickAction::Arrow ||
                            action == ClickAction::Rock || action == ClickAction::Oil ||
                            action == ClickAction::Heal || action == ClickAction::Repair;
        Refused += attack ? !fights : action != ClickAction::Move;
    }

    Game& game_;
    PerPlayer<bool> hard_;
    int turnsLeft_;
};

NewGameSetup Computers(int players) {
    NewGameSetup setup;
    setup.Slots.assign(static_cast<size_t>(players), SlotKind::Computer);
    return setup;
}

// What a seeded game of computers came to, at its end or at the turn limit.
struct CheckedGame {
    BoardArrays Board;
    int HardTurns = 0;
    int Refused = 0;
    std::string Problem;
};

CheckedGame PlayChecked(const UnitSpecs& specs, const char* name, int players, PerPlayer<bool> hard,
                        int turns, uint64_t seed) {
    HeadlessPort port;
    Game game(specs, port, seed);
    game.SetShowThinking(false);
    CheckedComputer computer(game, hard, turns);
    game.SetComputerPlayer(&computer);
    EXPECT_TRUE(game.NewGame(*FindScenario(MAROVANE_PROGRAM_DIR, name), Computers(players)));
    return {game.Board(), computer.HardTurns, computer.Refused, computer.Problem};
}

// Hard computers in seeded games of open fields, castles, fog, keeps, captives and four
// players: every step and attack is one the rules let a human make, the board stays in order,
// and the same seed plays the same game.
TEST(HardComputer, PlaysOnlyWhatAHumanMayPlayAndTheSameSeedPlaysTheSameGame) {
    const UnitSpecs specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    struct Case {
        const char* Scenario;
        int Players;
        PerPlayer<bool> Hard;
        int Turns;
        uint64_t Seeds;
        bool Replayed; // the first seed is played twice
    };
    const Case cases[] = {
        {"Skirmish", 2, {false, true, false}, 100, 15, true},
        {"Skirmish", 2, {false, false, true}, 100, 15, false},
        {"Castle Siege", 2, {false, true, false}, 40, 1, false},
        {"Into the Mist", 2, {false, false, true}, 40, 1, true},
        {"Royal Rescue", 2, {false, true, false}, 40, 1, false},
        {"Border Wars", 4, {false, true, false, true, false}, 24, 1, false},
    };
    int hardTurns = 0;
    for (const Case& c : cases) {
        for (uint64_t seed = 1; seed <= c.Seeds; ++seed) {
            const CheckedGame played =
                PlayChecked(specs, c.Scenario, c.Players, c.Hard, c.Turns, seed);
            EXPECT_EQ(played.Refused, 0) << c.Scenario << " seed " << seed;
            EXPECT_EQ(played.Problem, "") << c.Scenario << " seed " << seed;
            hardTurns += played.HardTurns;
            if (seed == 1 && c.Replayed) {
                EXPECT_EQ(PlayChecked(specs, c.Scenario, c.Players, c.Hard, c.Turns, seed).Board,
                          played.Board)
                    << c.Scenario << " replays the same";
            }
        }
    }
    EXPECT_GT(hardTurns, 200);
}

// A game of two on an open board with fog of war. Player 1's archer shoots 4 cells far, one more
// than he sees, and has one move: a step costs him his shot.
class HardInFog : public test::AiFixture {
protected:
    static constexpr int kArcher = 6;
    static constexpr Cell kPrey{7, 6};

    // The orders of player 1's hard turn, each with whether the prey's cell was in view then.
    std::vector<std::tuple<Cell, Cell, bool, bool>> Orders(bool preyThere, bool fog) {
        specs.UnitStrength[kArcher] = 91;
        specs.UnitRange[kArcher] = 4;
        GameDef def = test::PlainDef(12, 12);
        def.Options = static_cast<int16_t>(def.Options | Bit(option_bit::Fog));
        Start(def, 2);
        game->SetShowThinking(false);
        game->FogOn = fog;
        Put(3, 6, kArcher, 1);
        Put(12, 12, 4, 2);
        if (preyThere) {
            Put(kPrey.X, kPrey.Y, 4, 2);
            game->BoardUnit(kPrey.X, kPrey.Y) = 13; // one hit point left
        }
        ComputerTurnOf(1);
        std::vector<std::tuple<Cell, Cell, bool, bool>> orders;
        PlayHardTurn(*game, 1, [&](const Game& g, Cell from, Cell to, bool attack) {
            orders.emplace_back(from, to, attack, g.Visible(kPrey.X, kPrey.Y));
        });
        return orders;
    }
};

TEST_F(HardInFog, AUnitHiddenByFogChangesNothingUntilItComesIntoView) {
    // In view, the wounded enemy four cells away is shot at once.
    const auto seen = Orders(true, false);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.front(), std::make_tuple(Cell{3, 6}, kPrey, true, true));
    // Hidden, the turn goes as if he were not there, as long as he stays hidden.
    const auto hidden = Orders(true, true);
    const auto absent = Orders(false, true);
    ASSERT_FALSE(hidden.empty());
    size_t blind = 0;
    while (blind < hidden.size() && !std::get<3>(hidden[blind]))
        ++blind;
    ASSERT_GT(blind, 0u);
    ASSERT_GE(absent.size(), blind);
    for (size_t i = 0; i < blind; ++i)
        EXPECT_EQ(hidden[i], absent[i]) << "order " << i;
}

// The shipped unit table, for what the keep buys.
class HardKeep : public test::AiFixture {
protected:
    void SetUp() override {
        specs = LoadSpecs(fs::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
        GameDef def = CastleDef(10, 10);
        def.Reward = 300;
        def.UnitsAllowed = 0x3FF;
        Start(def, 2);
    }
    KeepVisit Visit(int money) {
        game->Money[1] = static_cast<int16_t>(money);
        KeepVisit visit(*game, 1);
        DoHardKeep(*game, visit);
        return visit;
    }
};

TEST_F(HardKeep, BuysTheStrongestFighterTheTreasuryAffords) {
    const std::pair<int, int> cases[] = {{1000, 11}, {374, 5}, {249, 4}, {174, 3}, {99, 0}};
    for (const auto& [money, type] : cases) {
        const KeepVisit visit = Visit(money);
        EXPECT_EQ(visit.PieceType(), type) << money;
        EXPECT_EQ(visit.Money(), money - specs.UnitCost[type]) << money;
    }
    EXPECT_FALSE(Visit(49).Bought());
}

TEST_F(HardKeep, RescuesARoyalAndKeepsAUnitStandingInTheKeep) {
    Put(1, 1, unit_type::King, 1);
    const KeepVisit rescue = Visit(1000);
    EXPECT_TRUE(rescue.Rescued());
    EXPECT_EQ(rescue.Money(), 1300);
    Clear();
    Put(1, 1, 5, 1);
    const KeepVisit guard = Visit(1000);
    EXPECT_EQ(guard.PieceType(), 5);
    EXPECT_EQ(guard.Money(), 1000);
}

TEST(ComputerLevels, AListNamesTheLevelOfEachSlotAndRefusesAnythingElse) {
    using L = ComputerLevel;
    const std::pair<const char*, std::vector<L>> good[] = {
        {"hard", {L::Hard}},
        {"standard,hard", {L::Standard, L::Hard}},
        {",Hard", {L::Standard, L::Hard}},
        {" HARD , standard ,, hard", {L::Hard, L::Standard, L::Standard, L::Hard}},
    };
    for (const auto& [text, levels] : good)
        EXPECT_EQ(ParseComputerLevels(text), levels) << text;
    for (const char* bad : {"expert", "hard,easy", "hard,hard,hard,hard,hard"})
        EXPECT_THROW(ParseComputerLevels(bad), Error) << bad;
    EXPECT_STREQ(ComputerLevelName(L::Hard), "Hard");
    EXPECT_EQ(ParseComputerLevel("Standard"), L::Standard);
}

} // namespace
} // namespace marovane
