// Benchmarks of the window: painting a full board, and a computer turn in the window against
// the same turn without one.
//
//   build/bench/bench/window_bench   (QT_QPA_PLATFORM=offscreen when there is no screen)

#include "ai/ComputerTurn.h"
#include "engine/CellMarks.h"
#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "ui/BoardAnimations.h"
#include "ui/BoardWidget.h"
#include "ui/GameWindow.h"
#include "ui/PictureStrip.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

using namespace marovane;

namespace {

const QDir kProgramDir(MAROVANE_PROGRAM_DIR);

std::string ScenarioPath(const char* name) {
    auto path = FindScenario(MAROVANE_PROGRAM_DIR, name);
    if (!path)
        throw std::runtime_error(std::string("no scenario ") + name);
    return path->string();
}

// A 30 x 30 board as a game shows it: a picture with its marks in every cell, castle lines, the
// reach circle and the highlight, on the grass; with the argument 1, a piece slides between two
// cells and a battle's damage shows over a third, as in a frame of an animation.
void BM_PaintBoard(benchmark::State& state) {
    PictureStrip strip;
    strip.Load(kProgramDir, "People");
    BoardWidget board;
    BoardAnimations animations(board, strip);
    if (state.range(0) == 1) {
        board.PaintAbove = [&animations](QPainter& painter) { animations.Paint(painter); };
        animations.SlidePiece(strip.Picture(4), Cell{14, 15}, Cell{15, 15});
        animations.ShowDamage(Cell{16, 15}, 12);
    }
    board.SetCellSpacing(-1);
    board.SetSize(30, 30);
    board.SetCellWidth(30 * board.Geometry().Tpp());
    board.SetCellHeight(30 * board.Geometry().Tpp());
    board.SetPicture(QPixmap(kProgramDir.filePath("grass.jpg")));
    board.SetHiddenShade(QColor(0, 0, 0, 70));
    for (int x = 1; x <= 30; ++x) {
        for (int y = 1; y <= 30; ++y) {
            board.SetCellPicture(x, y, strip.Picture((x * 7 + y * 3) % 60));
            board.SetCellVisible(x, y, (x + y) % 5 != 0);
            // Health bars on every piece, some units spent, the selection's reach around it.
            const bool near = std::abs(x - 15) <= 3 && std::abs(y - 15) <= 3;
            board.SetCellMark(x, y,
                              CellMarks{near ? ReachMark::Attack : ReachMark::None,
                                        static_cast<int8_t>((x * y) % 101), (x + y) % 7 == 0});
        }
    }
    for (int p = 0; p < 4; ++p) {
        for (int i = 0; i < 8; ++i)
            board.DrawLine(p * 7, i, p * 7 + 3, i + 0.5, QColor(Qt::red));
    }
    board.PutCircle(15, 15, 3.4, QColor(Qt::yellow));
    board.Highlight(15, 15, QColor(Qt::magenta));
    QImage target(board.size(), QImage::Format_ARGB32_Premultiplied);
    board.render(&target); // warms the scaled picture cache, as the first frame does
    for (auto _ : state) {
        board.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["pixels"] = board.width() * board.height();
}
BENCHMARK(BM_PaintBoard)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The start of Border Wars for four with player 1 to move as a computer, as saved-game bytes so
// every iteration starts from the same board.
std::string StartOfBorderWars() {
    UnitSpecs specs = LoadSpecs(kProgramDir.filePath("specs.txt").toStdString());
    HeadlessPort port;
    Game game(specs, port, 5);
    NewGameSetup setup;
    setup.Slots = {SlotKind::Computer, SlotKind::Computer, SlotKind::Computer, SlotKind::Computer};
    if (!game.NewGame(ScenarioPath("Border Wars"), setup))
        throw std::runtime_error("Border Wars did not start");
    return EncodeSavedGame(game);
}

void PlayTurns(benchmark::State& state, Game& game) {
    static const std::string start = StartOfBorderWars();
    const SavedGame saved = DecodeSavedGame(start);
    for (auto _ : state) {
        state.PauseTiming();
        RestoreSavedGame(saved, game);
        game.NoThinking = true;
        game.Rng().Seed(9);
        state.ResumeTiming();
        DoComputerMoves(game, 1);
    }
}

void BM_ComputerTurnHeadless(benchmark::State& state) {
    UnitSpecs specs = LoadSpecs(kProgramDir.filePath("specs.txt").toStdString());
    HeadlessPort port;
    Game game(specs, port, 5);
    PlayTurns(state, game);
}
BENCHMARK(BM_ComputerTurnHeadless)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ComputerTurnInWindow(benchmark::State& state) {
    UnitSpecs specs = LoadSpecs(kProgramDir.filePath("specs.txt").toStdString());
    GameWindow window(kProgramDir, specs, 5);
    window.SetComputerPlayer(nullptr);
    window.Action("mnuOCheck0")->setChecked(false);
    window.CurrentGame().SetShowThinking(false);
    window.show();
    // The board shows the restored game: load it through the window once.
    const std::string bytes = StartOfBorderWars();
    const QString path = QDir::temp().filePath("marovane-window-bench.mvg");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    window.LoadFrom(path);
    QFile::remove(path);
    PlayTurns(state, window.CurrentGame());
}
BENCHMARK(BM_ComputerTurnInWindow)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
