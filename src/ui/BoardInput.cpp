#include "ui/BoardInput.h"

#include "engine/Game.h"
#include "session/GameSession.h"
#include "ui/BoardWidget.h"
#include "ui/Pointers.h"
#include "ui/UnitPanel.h"

#include <QKeyEvent>

#include <cmath>
#include <optional>

namespace marovane {

namespace {

// What a click did, as the tutorial's guide counts it.
std::optional<PlayerDeed> DeedOf(ClickAction action, ClickOutcome outcome) {
    switch (outcome) {
    case ClickOutcome::Selected:
        return PlayerDeed::Selected;
    case ClickOutcome::Stepped:
        return PlayerDeed::Stepped;
    case ClickOutcome::Fought:
        if (action == ClickAction::Heal)
            return PlayerDeed::Healed;
        if (action == ClickAction::Attack || action == ClickAction::Arrow ||
            action == ClickAction::Rock || action == ClickAction::Oil)
            return PlayerDeed::Attacked;
        return std::nullopt;
    case ClickOutcome::Nothing:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

BoardInput::BoardInput(GameSession& session, BoardWidget& board, UnitPanel& pointerPanel,
                       const Pointers& pointers, QObject* parent)
    : QObject(parent), session_(session), board_(board), pointerPanel_(pointerPanel),
      pointers_(pointers) {
    connect(&board_, &BoardWidget::CellClick, this, &BoardInput::OnCellClick);
    connect(&board_, &BoardWidget::CellMouseDown, this,
            [this](int button, int, int x, int y) { OnCellMouseDown(button, x, y); });
    connect(&board_, &BoardWidget::CellMouseMove, this,
            [this](int button, int, int x, int y) { OnCellMouseMove(button, x, y); });
    connect(&board_, &BoardWidget::SurfaceMouseDown, this, [this](int button, int, double, double) {
        if (button & 2 && session_.HumanToMove())
            session_.CurrentGame().SelectNextUnit();
    });
    // The floating panel shows only while the pointer rests on a board cell.
    connect(&board_, &BoardWidget::SurfaceMouseMove, this, [this](int, int, double, double) {
        board_.setCursor(Qt::ForbiddenCursor);
        PointerLeftCells();
    });
    connect(&board_, &BoardWidget::PointerLeft, this, &BoardInput::PointerLeftCells);
}

void BoardInput::PointerLeftCells() {
    pointerPanel_.hide();
    // Coming back to the same cell shows its piece again.
    lastMouseX_ = lastMouseY_ = 0;
}

bool BoardInput::KeyPressed(QKeyEvent* event) {
    if (!session_.HumanToMove())
        return false;
    Game& game = session_.CurrentGame();
    if (event->key() == Qt::Key_Escape && game.HighX >= 1) {
        game.UnselectPiece();
        return true;
    }
    if (event->key() == Qt::Key_Space) {
        game.SelectNextUnit();
        return true;
    }
    return false;
}

void BoardInput::OnCellMouseDown(int button, int, int) {
    if (!session_.HumanToMove())
        return;
    rightButtonDown_ = (button & 2) != 0;
    if (rightButtonDown_)
        session_.CurrentGame().SelectNextUnit();
}

void BoardInput::OnCellClick(int x, int y) {
    if (!session_.HumanToMove() || rightButtonDown_)
        return;
    Game& game = session_.CurrentGame();
    const ClickAction action = game.ClickPreview(x, y);
    if (const auto deed = DeedOf(action, game.CellClick(x, y)))
        emit Did(*deed);
    // What the click did is done: the next pointer move tells about the next one.
    pointerPanel_.SetPreview(QString());
    // The floating panel follows: it gives way when the clicked unit became the selection.
    if (session_.HumanToMove() && game.HighX == x && game.HighY == y)
        game.DispStats(x, y, 0);
    board_.setCursor(Qt::ArrowCursor);
}

void BoardInput::OnCellMouseMove(int button, int x, int y) {
    if (!session_.HumanToMove())
        return;
    if (button != 0) {
        board_.setCursor(Qt::ForbiddenCursor);
        return;
    }
    Game& game = session_.CurrentGame();
    if (x != lastMouseX_ || y != lastMouseY_) {
        game.DispStats(x, y, 0);
        lastMouseX_ = x;
        lastMouseY_ = y;
    }
    double chance = 0;
    const ClickAction action = game.ClickPreview(x, y, &chance);
    board_.setCursor(pointers_.For(action));
    QString label;
    switch (action) {
    case ClickAction::Attack:
    case ClickAction::Arrow:
    case ClickAction::Rock:
    case ClickAction::Oil:
    case ClickAction::Heal:
        // A sure hit shows no number.
        label = QString::number(std::lround(chance * 100)) + "%";
        if (label == "100%")
            label.clear();
        break;
    default:
        break;
    }
    pointerPanel_.SetHitChance(label);
    const auto preview = game.PreviewAttack(game.HighX, game.HighY, x, y);
    pointerPanel_.SetPreview(preview ? PreviewLines(*preview, action == ClickAction::Repair)
                                     : QString());
    if (preview && !preview->Heal)
        emit Did(PlayerDeed::ReadPreview);
}

QString BoardInput::PreviewLines(const AttackPreview& preview, bool repair) {
    auto span = [](const AttackPreview::Span& values) {
        return values.first == values.second
                   ? QString::number(values.first)
                   : QString::number(values.first) + "-" + QString::number(values.second);
    };
    if (preview.Heal)
        return (repair ? tr("Repairs %1") : tr("Heals %1")).arg(span(*preview.Heal));
    QString lines = tr("Damage %1").arg(span(preview.Damage));
    lines += "\n" + (preview.Counter ? tr("Strikes back %1").arg(span(*preview.Counter))
                                     : tr("No strike back"));
    return lines;
}

} // namespace marovane
