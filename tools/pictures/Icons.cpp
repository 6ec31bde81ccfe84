#include "Icons.h"

#include "Paint.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

namespace marovane::art {

namespace {

// Icons are drawn on a 256 x 256 canvas.
constexpr double kCanvas = 256;

QPainterPath ShieldShape(const QRectF& box) {
    const double l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const double cx = box.center().x();
    QPainterPath shield;
    shield.moveTo(l, t);
    shield.quadTo(cx, t + box.height() * 0.06, r, t);
    shield.lineTo(r, t + box.height() * 0.5);
    shield.cubicTo(r, t + box.height() * 0.78, cx + box.width() * 0.2, b - box.height() * 0.06, cx,
                   b);
    shield.cubicTo(cx - box.width() * 0.2, b - box.height() * 0.06, l, t + box.height() * 0.78, l,
                   t + box.height() * 0.5);
    shield.closeSubpath();
    return shield;
}

QPainterPath TowerShape(const QRectF& box) {
    const double merlon = box.width() / 5;
    QPainterPath tower;
    tower.addRect(QRectF(box.left(), box.top() + merlon, box.width(), box.height() - merlon));
    for (int i = 0; i < 3; ++i)
        tower.addRect(QRectF(box.left() + i * 2 * merlon, box.top(), merlon, merlon * 1.1));
    tower.setFillRule(Qt::WindingFill);
    return tower.simplified();
}

// The emblem of the game: a shield quartered in the four players' colours under a white
// tower, ringed in gold.
void Emblem(QPainter& painter, const QRectF& box, double line) {
    const QPainterPath shield = ShieldShape(box);
    // The quarters are cut to the shield's outline as shapes, not by clipping, so the same
    // drawing also makes the scalable icon (an SVG keeps no clip).
    const QPointF centre(box.center().x(), box.top() + box.height() * 0.45);
    const QRectF all = box.adjusted(-2, -2, 2, 2);
    const auto quarter = [&](const QRectF& part, const QColor& colour) {
        QPainterPath area;
        area.addRect(part);
        painter.fillPath(shield.intersected(area), colour);
    };
    quarter(QRectF(all.topLeft(), centre), Mix(PlayerColour(1), Qt::black, 0.12));
    quarter(QRectF(QPointF(centre.x(), all.top()), QPointF(all.right(), centre.y())),
            Mix(PlayerColour(2), Qt::black, 0.08));
    quarter(QRectF(QPointF(all.left(), centre.y()), QPointF(centre.x(), all.bottom())),
            Mix(PlayerColour(3), Qt::black, 0.05));
    quarter(QRectF(centre, all.bottomRight()), Mix(PlayerColour(4), Qt::black, 0.12));
    QLinearGradient gloss(box.topLeft(), box.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    gloss.setColorAt(1, QColor(0, 0, 0, 60));
    painter.fillPath(shield, gloss);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Ink(), line * 2.6));
    painter.drawPath(shield);
    painter.setPen(QPen(QColor(240, 192, 50), line * 1.4));
    painter.drawPath(shield);

    const double w = box.width() * 0.36, h = box.height() * 0.5;
    const QRectF towerBox(box.center().x() - w / 2, box.top() + box.height() * 0.2, w, h);
    const QPainterPath tower = TowerShape(towerBox);
    QLinearGradient stone(towerBox.topLeft(), towerBox.topRight());
    stone.setColorAt(0, QColor(255, 255, 255));
    stone.setColorAt(1, QColor(206, 206, 214));
    painter.setPen(InkPen(line));
    painter.setBrush(stone);
    painter.drawPath(tower);
    QPainterPath door;
    const double dw = w * 0.36;
    const QRectF doorBox(towerBox.center().x() - dw / 2, towerBox.bottom() - h * 0.36, dw,
                         h * 0.36);
    door.moveTo(doorBox.bottomLeft());
    door.lineTo(doorBox.left(), doorBox.top() + dw / 2);
    door.arcTo(QRectF(doorBox.left(), doorBox.top(), dw, dw), 180, -180);
    door.lineTo(doorBox.bottomRight());
    door.closeSubpath();
    painter.setBrush(Ink());
    painter.drawPath(door);
}

QPainterPath PageShape(double fold) {
    QPainterPath page;
    page.moveTo(44, 14);
    page.lineTo(212 - fold, 14);
    page.lineTo(212, 14 + fold);
    page.lineTo(212, 242);
    page.lineTo(44, 242);
    page.closeSubpath();
    return page;
}

void Page(QPainter& painter, const QColor& paper, double fold) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawPath(PageShape(fold).translated(5, 6));
    QLinearGradient shade(44, 14, 212, 242);
    shade.setColorAt(0, paper);
    shade.setColorAt(1, Mix(paper, Qt::black, 0.12));
    painter.setPen(InkPen(6));
    painter.setBrush(shade);
    painter.drawPath(PageShape(fold));
    QPainterPath corner;
    corner.moveTo(212 - fold, 14);
    corner.lineTo(212 - fold, 14 + fold);
    corner.lineTo(212, 14 + fold);
    corner.closeSubpath();
    painter.setBrush(Mix(paper, Qt::black, 0.2));
    painter.drawPath(corner);
}

// A scenario: a map of a board with a castle in each corner in the players' colours.
void ScenarioIcon(QPainter& painter) {
    Page(painter, QColor(240, 226, 190), 44);
    const QRectF board(64, 66, 128, 128);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(104, 140, 70));
    painter.drawRect(board);
    painter.setPen(QPen(QColor(60, 90, 40), 3));
    for (int i = 1; i < 4; ++i) {
        painter.drawLine(QPointF(board.left() + i * 32, board.top()),
                         QPointF(board.left() + i * 32, board.bottom()));
        painter.drawLine(QPointF(board.left(), board.top() + i * 32),
                         QPointF(board.right(), board.top() + i * 32));
    }
    const QPointF corners[4] = {board.topLeft(), QPointF(board.right() - 48, board.top()),
                                QPointF(board.left(), board.bottom() - 48),
                                QPointF(board.right() - 48, board.bottom() - 48)};
    for (int player = 1; player <= 4; ++player) {
        const QRectF castle(corners[player - 1] + QPointF(6, 6), QSizeF(36, 36));
        painter.setPen(InkPen(4));
        painter.setBrush(PlayerColour(player));
        painter.drawPath(TowerShape(castle));
    }
    painter.setPen(InkPen(6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(board);
    painter.setPen(QPen(QColor(120, 84, 44), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(66, 40), QPointF(150, 40));
    painter.drawLine(QPointF(66, 216), QPointF(190, 216));
}

// A saved game: a white sheet bearing the emblem.
void SavedGameIcon(QPainter& painter) {
    Page(painter, QColor(252, 252, 250), 44);
    painter.setPen(QPen(QColor(150, 150, 160), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(66, 40), QPointF(150, 40));
    Emblem(painter, QRectF(72, 62, 112, 136), 4);
    painter.setPen(QPen(QColor(150, 150, 160), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(66, 220), QPointF(190, 220));
}

} // namespace

QString IconName(IconKind kind) {
    switch (kind) {
    case IconKind::Program:
        return "marovane";
    case IconKind::Scenario:
        return "application-x-marovane-scenario";
    case IconKind::SavedGame:
        break;
    }
    return "application-x-marovane-savegame";
}

QString IconResourceName(IconKind kind) {
    switch (kind) {
    case IconKind::Program:
        return "marovane";
    case IconKind::Scenario:
        return "scenario";
    case IconKind::SavedGame:
        break;
    }
    return "savegame";
}

namespace {

// Draws an icon on the 256 x 256 canvas.
void DrawIcon(QPainter& painter, IconKind kind) {
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case IconKind::Program:
        Emblem(painter, QRectF(28, 16, 200, 228), 7);
        break;
    case IconKind::Scenario:
        ScenarioIcon(painter);
        break;
    case IconKind::SavedGame:
        SavedGameIcon(painter);
        break;
    }
}

} // namespace

QImage MakeIcon(IconKind kind, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(size / kCanvas, size / kCanvas);
    DrawIcon(painter, kind);
    return image;
}

QByteArray MakeScalableIcon(IconKind kind) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kCanvas, kCanvas));
    svg.setViewBox(QRectF(0, 0, kCanvas, kCanvas));
    svg.setTitle(IconName(kind));
    svg.setDescription("Marovane");
    QPainter painter(&svg);
    DrawIcon(painter, kind);
    painter.end();
    return buffer.data();
}

} // namespace marovane::art
