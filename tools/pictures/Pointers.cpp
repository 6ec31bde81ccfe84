#include "Pointers.h"

#include "Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

namespace marovane::art {

namespace {

constexpr int kSize = 32;

// Every part of a pointer gets a white halo under its dark outline, so it shows on dark grass
// and on the light unit cards alike.
void Part(QPainter& painter, const QPainterPath& path, const QBrush& fill, double line = 1.5) {
    painter.setBrush(Qt::NoBrush);
    QPen halo(QColor(255, 255, 255, 235), 3.6);
    halo.setJoinStyle(Qt::RoundJoin);
    halo.setCapStyle(Qt::RoundCap);
    painter.setPen(halo);
    painter.drawPath(path);
    painter.setPen(InkPen(line));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath Quad(QPointF a, QPointF b, QPointF c, QPointF d) {
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.lineTo(d);
    path.closeSubpath();
    return path;
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

const QColor kSteel(222, 228, 236);
const QColor kGold(240, 190, 40);
const QColor kWood(150, 98, 50);

void Run(QPainter& painter) {
    // A boot in mid-stride with speed lines behind it.
    QPainterPath boot;
    boot.moveTo(13, 4);
    boot.lineTo(22, 4);
    boot.lineTo(21, 17);
    boot.quadTo(28, 19, 29, 23);
    boot.lineTo(29, 26);
    boot.lineTo(8, 26);
    boot.quadTo(6, 26, 6.5, 23);
    boot.lineTo(12, 19);
    boot.closeSubpath();
    Part(painter, boot, QColor(150, 92, 44));
    Part(painter, Quad(QPointF(12.5, 4), QPointF(22.5, 4), QPointF(22.2, 8), QPointF(12.3, 8)),
         QColor(104, 62, 30));
    Part(painter, Quad(QPointF(6.5, 26), QPointF(29, 26), QPointF(29, 28.5), QPointF(7, 28.5)),
         QColor(60, 40, 26));
    QPen speed(QColor(255, 255, 255), 3.4, Qt::SolidLine, Qt::RoundCap);
    for (int line = 0; line < 3; ++line) {
        const double y = 9 + line * 5;
        painter.setPen(speed);
        painter.drawLine(QPointF(25, y), QPointF(30, y));
        painter.setPen(InkPen(1.6));
        painter.drawLine(QPointF(25, y), QPointF(30, y));
    }
}

void Attack(QPainter& painter) {
    // A sword pointing up and left; its point is the hot spot.
    Part(painter, Quad(QPointF(1.5, 1.5), QPointF(8, 3.5), QPointF(21, 16.5), QPointF(16.5, 21)),
         kSteel);
    painter.setPen(QPen(QColor(150, 160, 176), 1.0));
    painter.drawLine(QPointF(5, 4.5), QPointF(18.5, 18));
    Part(painter, Quad(QPointF(13, 22.5), QPointF(22.5, 13), QPointF(25, 15.5), QPointF(15.5, 25)),
         kGold);
    Part(painter, Quad(QPointF(19, 22), QPointF(22, 19), QPointF(27, 24), QPointF(24, 27)),
         QColor(110, 66, 34));
    Part(painter, Circle(QPointF(27.5, 27.5), 2.6), kGold);
}

void Arrow(QPainter& painter) {
    // An arrow in flight toward the upper left; its head is the hot spot.
    QPainterPath shaft(QPointF(8, 8));
    shaft.lineTo(27, 27);
    QPen halo(QColor(255, 255, 255, 235), 5.2, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(halo);
    painter.drawPath(shaft);
    painter.setPen(QPen(Ink(), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shaft);
    painter.setPen(QPen(kWood, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(shaft);
    const QColor feather(220, 40, 40);
    Part(painter, Quad(QPointF(20, 24), QPointF(24, 20), QPointF(30, 22), QPointF(26, 25)),
         feather);
    Part(painter, Quad(QPointF(24, 20), QPointF(20, 24), QPointF(22, 30), QPointF(25, 26)),
         feather);
    QPainterPath head(QPointF(1.5, 1.5));
    head.lineTo(12, 5.5);
    head.lineTo(8.5, 8.5);
    head.lineTo(5.5, 12);
    head.closeSubpath();
    Part(painter, head, kSteel);
}

void Rock(QPainter& painter) {
    // A boulder hurtling down from the upper right; its middle is the hot spot.
    QPen trail(QColor(255, 255, 255, 220), 3.2, Qt::SolidLine, Qt::RoundCap);
    for (int line = 0; line < 3; ++line) {
        const QPointF from(19 + line * 4.5, 6 - line * 1.5);
        const QPointF to = from + QPointF(9, -4.5);
        painter.setPen(trail);
        painter.drawLine(from, to);
        painter.setPen(InkPen(1.5));
        painter.drawLine(from, to);
    }
    QPainterPath stone;
    stone.moveTo(7, 14);
    stone.lineTo(13, 8.5);
    stone.lineTo(21, 9.5);
    stone.lineTo(26, 16);
    stone.lineTo(24, 25);
    stone.lineTo(15, 28);
    stone.lineTo(7.5, 23);
    stone.closeSubpath();
    QRadialGradient shade(QPointF(13, 13), 16);
    shade.setColorAt(0, QColor(214, 212, 204));
    shade.setColorAt(1, QColor(108, 104, 98));
    Part(painter, stone, shade);
    painter.setPen(QPen(QColor(80, 76, 70), 1.0));
    painter.drawLine(QPointF(12, 19), QPointF(18, 16));
    painter.drawLine(QPointF(16, 24), QPointF(20, 20));
}

QPainterPath Star(QPointF centre, double outer, double inner, int points) {
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = i * std::numbers::pi / points;
        const double radius = i % 2 ? inner : outer;
        const QPointF point = centre + QPointF(std::sin(angle), -std::cos(angle)) * radius;
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void Magic(QPainter& painter) {
    // A wand with a sparkling star at its tip; the star is the hot spot.
    Part(painter, Quad(QPointF(12, 14.5), QPointF(14.5, 12), QPointF(30, 27.5), QPointF(27.5, 30)),
         QColor(70, 50, 90));
    Part(painter, Quad(QPointF(12, 14.5), QPointF(14.5, 12), QPointF(17.5, 15), QPointF(15, 17.5)),
         QColor(250, 250, 250));
    QRadialGradient glow(QPointF(9, 9), 8);
    glow.setColorAt(0, QColor(255, 255, 230));
    glow.setColorAt(1, QColor(255, 210, 60));
    Part(painter, Star(QPointF(9, 9), 8.5, 3.2, 4), glow);
    Part(painter, Star(QPointF(23, 6), 4.6, 1.6, 4), QColor(255, 240, 150), 0.8);
    Part(painter, Star(QPointF(5.5, 23.5), 4.0, 1.4, 4), QColor(255, 240, 150), 0.8);
}

void Oil(QPainter& painter) {
    // A pot tipped over the wall, pouring burning oil down onto the hot spot.
    QPainterPath pot;
    pot.moveTo(16, 3);
    pot.lineTo(28, 7);
    pot.quadTo(31, 13, 26, 17);
    pot.quadTo(20, 19, 15, 12);
    pot.closeSubpath();
    Part(painter, pot, QColor(90, 84, 80));
    Part(painter, Quad(QPointF(14.5, 2), QPointF(29, 6.5), QPointF(28.2, 8.6), QPointF(14, 4.3)),
         QColor(60, 56, 54));
    QPainterPath stream(QPointF(15.5, 6));
    stream.cubicTo(9, 9, 8, 16, 10, 23);
    stream.cubicTo(11, 16, 13, 11, 17, 9);
    stream.closeSubpath();
    Part(painter, stream, QColor(230, 150, 30));
    QPainterPath flame;
    flame.moveTo(10, 31);
    flame.cubicTo(3, 30, 4, 24, 7, 21);
    flame.cubicTo(7, 24, 9, 25, 10, 22);
    flame.cubicTo(11, 25, 13, 24, 13, 21);
    flame.cubicTo(16, 24, 17, 30, 10, 31);
    flame.closeSubpath();
    QRadialGradient fire(QPointF(10, 28), 7);
    fire.setColorAt(0, QColor(255, 240, 120));
    fire.setColorAt(1, QColor(240, 80, 20));
    Part(painter, flame, fire);
}

void Repair(QPainter& painter) {
    // A mason's hammer; the middle of its head is the hot spot.
    Part(painter, Quad(QPointF(12, 14.5), QPointF(14.5, 12), QPointF(30, 27.5), QPointF(27.5, 30)),
         kWood);
    QPainterPath head;
    head.moveTo(2.5, 14);
    head.lineTo(14, 2.5);
    head.lineTo(18.5, 7);
    head.lineTo(7, 18.5);
    head.closeSubpath();
    Part(painter, head, QColor(170, 178, 190));
    Part(painter, Quad(QPointF(1.5, 12.5), QPointF(5, 9), QPointF(9, 13), QPointF(5.5, 16.5)),
         kSteel);
}

Pointer Make(const QString& name, QPoint hotSpot, const std::function<void(QPainter&)>& draw) {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return {name, image, hotSpot};
}

} // namespace

std::vector<Pointer> MakePointers() {
    return {
        Make("Run", QPoint(16, 16), Run),       Make("Attack", QPoint(2, 2), Attack),
        Make("Arrow", QPoint(2, 2), Arrow),     Make("Rock", QPoint(16, 18), Rock),
        Make("Magic", QPoint(9, 9), Magic),     Make("Oil", QPoint(10, 29), Oil),
        Make("Repair", QPoint(10, 10), Repair),
    };
}

} // namespace marovane::art
