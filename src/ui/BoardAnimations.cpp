#include "ui/BoardAnimations.h"

#include "engine/Game.h"
#include "scenario/UnitTypes.h"
#include "ui/BoardWidget.h"
#include "ui/PictureStrip.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace marovane {

namespace {

// About sixty frames a second while anything moves.
constexpr int kFrameMs = 16;

QString DamageText(int damage) {
    return damage > 0 ? QString("-%1").arg(damage) : BoardAnimations::tr("miss");
}

QColor DamageColour(int damage) {
    return damage > 0 ? QColor(235, 45, 35) : QColor(245, 245, 235);
}

} // namespace

BoardAnimations::BoardAnimations(BoardWidget& board, const PictureStrip& pictures, QObject* parent)
    : QObject(parent), board_(board), pictures_(pictures) {
    clock_.start();
    frames_.setInterval(kFrameMs);
    connect(&frames_, &QTimer::timeout, this, &BoardAnimations::Tick);
}

bool BoardAnimations::Shown(const Game& game, const GameEvent& event) const {
    if (!Wanted || !Wanted() || !board_.isVisible())
        return false;
    const int p = game.CurrentPlayer;
    if (p < 1)
        return false;
    // The computer's moves show as fast as its thinking does; another machine's turn arrives
    // as a whole board.
    const SeatKind seat = game.Seat(p);
    if (seat != SeatKind::HumanHere && !(seat == SeatKind::Computer && !game.NoThinking))
        return false;
    const std::vector<Cell> cells = EventCells(event);
    return std::all_of(cells.begin(), cells.end(),
                       [this](Cell c) { return board_.CellVisible(c.X, c.Y); });
}

void BoardAnimations::Heard(const Game& game, const GameEvent& event) {
    const auto* step = std::get_if<game_event::Step>(&event);
    const auto* battle = std::get_if<game_event::Battle>(&event);
    if ((!step && !battle) || !Shown(game, event))
        return;
    if (step) {
        SlidePiece(pictures_.Picture(PictureNumber(step->Player, step->Type)), step->From,
                   step->To);
        return;
    }
    ShowDamage(battle->To, battle->Damage);
    if (battle->Counter)
        ShowDamage(battle->From, *battle->Counter);
}

void BoardAnimations::SlidePiece(const QPixmap& picture, Cell from, Cell to) {
    // A piece that moves on leaves its last slide behind.
    slides_.clear();
    slides_.push_back(Slide{picture, from, to, clock_.elapsed()});
    if (!frames_.isActive())
        frames_.start();
    board_.update();
}

void BoardAnimations::ShowDamage(Cell at, int damage) {
    damages_.push_back(Damage{at, DamageText(damage), DamageColour(damage), clock_.elapsed()});
    if (!frames_.isActive())
        frames_.start();
    board_.update();
}

void BoardAnimations::Skip() {
    if (!Running())
        return;
    slides_.clear();
    damages_.clear();
    frames_.stop();
    board_.update();
}

void BoardAnimations::Tick() {
    const qint64 now = clock_.elapsed();
    std::erase_if(slides_, [now](const Slide& s) { return now - s.Start >= kSlideMs; });
    std::erase_if(damages_, [now](const Damage& d) { return now - d.Start >= kDamageMs; });
    if (!Running())
        frames_.stop();
    board_.update();
}

QStringList BoardAnimations::DamageTexts() const {
    QStringList texts;
    for (const Damage& d : damages_)
        texts << d.Text;
    return texts;
}

void BoardAnimations::Paint(QPainter& painter) const {
    if (!Running())
        return;
    const qint64 now = clock_.elapsed();
    for (const Slide& s : slides_) {
        const double t = std::clamp(static_cast<double>(now - s.Start) / kSlideMs, 0.0, 1.0);
        const QPointF from = board_.CellRect(s.From.X, s.From.Y).topLeft();
        const QPointF to = board_.CellRect(s.To.X, s.To.Y).topLeft();
        // The piece already stands on its new cell: that cell shows empty until it arrives.
        board_.PaintEmptyCell(painter, s.To.X, s.To.Y);
        painter.drawPixmap(from + (to - from) * t, board_.CellSized(s.Picture));
    }
    if (damages_.empty())
        return;
    const QRectF anyCell = board_.CellRect(1, 1);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(11, static_cast<int>(anyCell.height() * 0.45)));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Damage& d : damages_) {
        const double t = std::clamp(static_cast<double>(now - d.Start) / kDamageMs, 0.0, 1.0);
        const QRectF cell = board_.CellRect(d.At.X, d.At.Y);
        // Rises a little over the piece, and fades in its second half.
        QPainterPath path;
        const QFontMetricsF metrics(font);
        const QPointF base(cell.center().x() - metrics.horizontalAdvance(d.Text) / 2,
                           cell.center().y() - cell.height() * 0.35 * t + metrics.ascent() / 3);
        path.addText(base, font, d.Text);
        const int alpha = t < 0.5 ? 255 : static_cast<int>(255 * (1 - t) * 2);
        QColor fill = d.Colour;
        fill.setAlpha(alpha);
        painter.setPen(QPen(QColor(0, 0, 0, alpha), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.fillPath(path, fill);
    }
}

} // namespace marovane
