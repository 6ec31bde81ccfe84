#include "LetterTiles.h"

#include "Paint.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>

namespace marovane::art {

namespace {

// Peasant, Priest, Catapult; Light, Medium, Heavy Infantry, Archer and Cavalry; King, Queen,
// Wall.
constexpr std::array<const char*, 15> kLabels = {"P",  "Pr", "C",  "LI", "MI", "HI", "LA", "MA",
                                                 "HA", "LC", "MC", "HC", "K",  "Q",  "W"};

// Every label gets the same capital height, so a board of tiles reads evenly; a label too
// wide for the tile is narrowed rather than shrunk.
QPainterPath Label(const QString& text, double capHeight, double maxWidth, QPointF centre) {
    const QFont font = LetterFont();
    QPainterPath reference;
    reference.addText(0, 0, font, "H");
    const QRectF capital = reference.boundingRect();
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = capHeight / capital.height();
    const double squeeze = std::min(1.0, maxWidth / (bounds.width() * scale));
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.scale(scale * squeeze, scale);
    transform.translate(-bounds.center().x(), -capital.center().y());
    return transform.map(path);
}

// Dark letters on the light colours (green, cyan), white on the dark ones (red, blue).
bool IsLight(const QColor& colour) {
    return 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue() > 128;
}

} // namespace

void DrawLetterCell(QPainter& painter, int player, int type) {
    const QColor colour = PlayerColour(player);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(0, 0, 64, 64));

    // Bevel: a lit upper-left edge and a shaded lower-right edge make the tile a raised piece.
    QPolygonF lit({QPointF(0, 0), QPointF(64, 0), QPointF(58.5, 5.5), QPointF(5.5, 5.5),
                   QPointF(5.5, 58.5), QPointF(0, 64)});
    QPolygonF shaded({QPointF(64, 64), QPointF(0, 64), QPointF(5.5, 58.5), QPointF(58.5, 58.5),
                      QPointF(58.5, 5.5), QPointF(64, 0)});
    painter.setBrush(Mix(colour, Qt::white, 0.5));
    painter.drawPolygon(lit);
    painter.setBrush(Mix(colour, Qt::black, 0.4));
    painter.drawPolygon(shaded);
    painter.setPen(QPen(Mix(colour, Qt::black, 0.7), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.6, 0.6, 62.8, 62.8));

    const QString text = kLabels[type];
    const bool single = text.size() == 1;
    const QPainterPath label =
        Label(text, single ? 34 : 25, single ? 40 : 46, QPointF(32, single ? 32.5 : 32));
    const bool light = IsLight(colour);
    const QColor ink = light ? QColor(16, 16, 16) : QColor(255, 255, 255);
    const QColor edge = light ? QColor(255, 255, 255, 150) : QColor(0, 0, 0, 220);
    painter.setRenderHint(QPainter::Antialiasing);
    // A soft shadow and an edge in the opposite tone keep the letters crisp when shrunk.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(label.translated(1.6, 1.8));
    QPen outline(edge, 2.6);
    outline.setJoinStyle(Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(label);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(label);
}

} // namespace marovane::art
