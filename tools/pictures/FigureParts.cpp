#include "FigureParts.h"

#include "Paint.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace marovane::art::figure {

namespace {

QColor Mail() {
    return QColor(150, 155, 164);
}
QColor Leather() {
    return QColor(112, 72, 38);
}

QPointF Along(QPointF from, QPointF to, double t) {
    return from + (to - from) * t;
}

QPainterPath Line(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

// Small rings over a mail surface. At full size they read as chain mail; shrunk they blend into
// a dull grey that still tells mail from bright plate.
void MailRings(QPainter& painter, const QPainterPath& area) {
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setPen(QPen(QColor(92, 96, 106), 0.5));
    painter.setBrush(Qt::NoBrush);
    const QRectF bounds = area.boundingRect();
    int row = 0;
    for (double y = bounds.top(); y < bounds.bottom() + 2; y += 1.9, ++row) {
        for (double x = bounds.left() + (row % 2) * 1.2; x < bounds.right() + 2; x += 2.4)
            painter.drawEllipse(QPointF(x, y), 0.95, 0.8);
    }
    painter.restore();
}

QPainterPath TorsoPath(double cx, double bottom, double hemHalf) {
    QPainterPath path;
    path.moveTo(cx - 7, 24);
    path.lineTo(cx + 7, 24);
    path.quadTo(cx + 10, 24.4, cx + 9.8, 28);
    path.lineTo(cx + 7.5, 39);
    path.lineTo(cx + hemHalf, bottom);
    path.lineTo(cx - hemHalf, bottom);
    path.lineTo(cx - 7.5, 39);
    path.lineTo(cx - 9.8, 28);
    path.quadTo(cx - 10, 24.4, cx - 7, 24);
    path.closeSubpath();
    return path;
}

void Belt(QPainter& painter, double cx, double y) {
    QPainterPath belt;
    belt.addRect(QRectF(cx - 7.8, y, 15.6, 2.6));
    Inked(painter, belt, Leather(), 1.0);
    QPainterPath buckle;
    buckle.addRect(QRectF(cx - 1.3, y + 0.1, 2.6, 2.4));
    Inked(painter, buckle, Gold(), 0.7);
}

} // namespace

QColor Skin() {
    return QColor(240, 198, 156);
}
QColor Wood() {
    return QColor(150, 98, 50);
}
QColor Gold() {
    return QColor(240, 190, 40);
}

QBrush Steel(const QRectF& over) {
    // Plate shines: a bright band a third of the way across, darker toward the far edge.
    QLinearGradient gradient(over.topLeft(), over.topRight());
    gradient.setColorAt(0.0, QColor(170, 178, 190));
    gradient.setColorAt(0.35, QColor(244, 247, 252));
    gradient.setColorAt(1.0, QColor(120, 128, 142));
    return gradient;
}

QBrush Cloth(const QColor& colour, const QRectF& over) {
    // Only a touch of shading: the cloth must stay close to the pure player colour.
    QLinearGradient gradient(over.topLeft(), over.bottomRight());
    gradient.setColorAt(0.0, Mix(colour, Qt::white, 0.18));
    gradient.setColorAt(0.5, colour);
    gradient.setColorAt(1.0, Mix(colour, Qt::black, 0.22));
    return gradient;
}

void Inked(QPainter& painter, const QPainterPath& path, const QBrush& brush, double line) {
    painter.setPen(InkPen(line));
    painter.setBrush(brush);
    painter.drawPath(path);
}

void InkedStroke(QPainter& painter, const QPainterPath& path, const QColor& colour, double width) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(InkPen(width + 2 * 1.2));
    painter.drawPath(path);
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(path);
}

void Card(QPainter& painter, const QColor& player) {
    painter.save();
    // The whole cell in the player's colour with a square edge, so neighbouring cells meet
    // cleanly on the board; the rounded light field inside carries the figure.
    painter.setPen(Qt::NoPen);
    painter.setBrush(player);
    painter.drawRect(QRectF(0, 0, 64, 64));
    painter.setPen(QPen(Mix(player, Qt::black, 0.55), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, 62, 62));
    QRadialGradient field(QPointF(30, 24), 44);
    field.setColorAt(0, QColor(253, 250, 240));
    field.setColorAt(1, QColor(212, 202, 178));
    painter.setPen(InkPen(1.3));
    painter.setBrush(field);
    painter.drawRoundedRect(QRectF(6, 6, 52, 52), 6, 6);
    painter.restore();
}

void GroundShadow(QPainter& painter, double centreX, double halfWidth) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 50, 30, 70));
    painter.drawEllipse(QPointF(centreX, 55), halfWidth, 2.4);
}

void Head(QPainter& painter, QPointF centre, bool beard) {
    QPainterPath head;
    head.addEllipse(centre, 5.8, 6.2);
    Inked(painter, head, Skin());
    if (beard) {
        QPainterPath hair;
        hair.moveTo(centre + QPointF(-5.7, 0.6));
        hair.cubicTo(centre + QPointF(-5.5, 8.5), centre + QPointF(-2, 10.5),
                     centre + QPointF(0, 10.5));
        hair.cubicTo(centre + QPointF(2, 10.5), centre + QPointF(5.5, 8.5),
                     centre + QPointF(5.7, 0.6));
        hair.cubicTo(centre + QPointF(4, 3.2), centre + QPointF(-4, 3.2),
                     centre + QPointF(-5.7, 0.6));
        Inked(painter, hair, QColor(128, 78, 36), 1.2);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink());
    painter.drawEllipse(centre + QPointF(-2.2, -0.3), 0.85, 1.0);
    painter.drawEllipse(centre + QPointF(2.2, -0.3), 0.85, 1.0);
}

void Legs(QPainter& painter, Armour armour, double cx) {
    for (double x : {cx - 6.0, cx + 0.6}) {
        const QRectF leg(x, 40, 5.4, 12.5);
        QPainterPath path;
        path.addRect(leg);
        switch (armour) {
        case Armour::Light:
            Inked(painter, path, QColor(104, 80, 56));
            break;
        case Armour::Medium:
            Inked(painter, path, Mail());
            MailRings(painter, path);
            painter.setPen(InkPen(kLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(path);
            break;
        case Armour::Heavy:
            Inked(painter, path, Steel(leg));
            break;
        }
        QPainterPath boot;
        boot.addRoundedRect(QRectF(x - 0.6, 50.5, 6.6, 4.8), 1.6, 1.6);
        Inked(painter, boot,
              armour == Armour::Heavy ? QBrush(QColor(128, 136, 150)) : QBrush(QColor(70, 46, 28)));
    }
}

void Torso(QPainter& painter, Armour armour, const QColor& player, double cx) {
    switch (armour) {
    case Armour::Light: {
        const QPainterPath tunic = TorsoPath(cx, 45.5, 9);
        Inked(painter, tunic, Cloth(player, tunic.boundingRect()));
        Belt(painter, cx, 37.6);
        break;
    }
    case Armour::Medium: {
        const QPainterPath mail = TorsoPath(cx, 46.5, 9.5);
        Inked(painter, mail, Mail());
        MailRings(painter, mail);
        // The surcoat in the player's colour over the mail keeps the owner plain to see.
        Surcoat(painter, player, cx);
        Belt(painter, cx, 37.6);
        break;
    }
    case Armour::Heavy: {
        const QPainterPath plate = TorsoPath(cx, 40.5, 7.6);
        Inked(painter, plate, Steel(plate.boundingRect()));
        painter.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
        painter.drawLine(QPointF(cx - 1, 26), QPointF(cx - 1, 38));
        for (int hoop = 0; hoop < 2; ++hoop) {
            QPainterPath fauld;
            fauld.addRoundedRect(
                QRectF(cx - 8.2 - hoop * 0.6, 39.6 + hoop * 2.6, 16.4 + hoop * 1.2, 3), 1, 1);
            Inked(painter, fauld, Steel(fauld.boundingRect()), 1.1);
        }
        break;
    }
    }
}

void Surcoat(QPainter& painter, const QColor& player, double cx) {
    QPainterPath surcoat;
    surcoat.moveTo(cx - 6.2, 24.6);
    surcoat.lineTo(cx + 6.2, 24.6);
    surcoat.lineTo(cx + 7.6, 46);
    surcoat.lineTo(cx - 7.6, 46);
    surcoat.closeSubpath();
    Inked(painter, surcoat, Cloth(player, surcoat.boundingRect()));
}

void Arm(QPainter& painter, Armour armour, const QColor& player, QPointF shoulder, QPointF hand) {
    const QPointF elbow = Along(shoulder, hand, 0.5);
    switch (armour) {
    case Armour::Light:
        InkedStroke(painter, Line(shoulder, elbow), player, 5.0);
        InkedStroke(painter, Line(elbow, hand), Skin(), 3.8);
        break;
    case Armour::Medium:
        InkedStroke(painter, Line(shoulder, hand), Mail(), 4.6);
        break;
    case Armour::Heavy: {
        InkedStroke(painter, Line(shoulder, hand), QColor(206, 212, 222), 5.0);
        QPainterPath couter;
        couter.addEllipse(elbow, 2.4, 2.4);
        Inked(painter, couter, Steel(couter.boundingRect()), 1.0);
        // Broad shoulder plates give heavy troops their square silhouette.
        QPainterPath pauldron;
        pauldron.addEllipse(shoulder + QPointF(0, 0.5), 4.8, 3.8);
        Inked(painter, pauldron, Steel(pauldron.boundingRect()), 1.2);
        break;
    }
    }
    QPainterPath fist;
    fist.addEllipse(hand, 2.4, 2.4);
    Inked(painter, fist, armour == Armour::Heavy ? QBrush(QColor(150, 158, 172)) : QBrush(Skin()),
          1.1);
}

void Helmet(QPainter& painter, Armour armour, const QColor& player, QPointF c) {
    switch (armour) {
    case Armour::Light: {
        // A soft cap in the player's colour with its tip falling forward.
        QPainterPath cap;
        cap.moveTo(c + QPointF(-6.4, -0.8));
        cap.cubicTo(c + QPointF(-6.8, -9), c + QPointF(3, -12.5), c + QPointF(7.5, -8));
        cap.quadTo(c + QPointF(5, -7.4), c + QPointF(6.4, -0.8));
        cap.closeSubpath();
        Inked(painter, cap, Cloth(player, cap.boundingRect()));
        break;
    }
    case Armour::Medium: {
        QPainterPath cone;
        cone.moveTo(c + QPointF(-6.6, -1.6));
        cone.quadTo(c + QPointF(-6, -8), c + QPointF(0, -11.5));
        cone.quadTo(c + QPointF(6, -8), c + QPointF(6.6, -1.6));
        cone.closeSubpath();
        Inked(painter, cone, Steel(cone.boundingRect()));
        QPainterPath band;
        band.addRect(QRectF(c.x() - 6.9, c.y() - 3.2, 13.8, 2.8));
        band.addRect(QRectF(c.x() - 0.9, c.y() - 1, 1.8, 5.4));
        band.setFillRule(Qt::WindingFill);
        Inked(painter, band.simplified(), QColor(120, 128, 142), 1.0);
        break;
    }
    case Armour::Heavy: {
        // The plume falls to one side: there is no room above the helm in a cell.
        QPainterPath plume;
        plume.moveTo(c + QPointF(-2.5, -7.8));
        plume.cubicTo(c + QPointF(1, -14.5), c + QPointF(11, -13), c + QPointF(12, -2));
        plume.cubicTo(c + QPointF(9.5, -6.5), c + QPointF(6, -8.2), c + QPointF(2, -7.8));
        plume.closeSubpath();
        Inked(painter, plume, Cloth(player, plume.boundingRect()), 1.3);
        QPainterPath helm;
        helm.addRoundedRect(QRectF(c.x() - 7, c.y() - 8.4, 14, 15.6), 2.6, 2.6);
        Inked(painter, helm, Steel(helm.boundingRect()));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Ink());
        painter.drawRect(QRectF(c.x() - 5.6, c.y() - 1.6, 11.2, 1.9));
        painter.setPen(InkPen(0.8));
        painter.drawLine(c + QPointF(0, -8), c + QPointF(0, 7));
        for (double dy : {2.6, 4.6})
            for (double dx : {-3.0, 3.0})
                painter.drawPoint(c + QPointF(dx, dy));
        break;
    }
    }
}

void Shield(QPainter& painter, Armour armour, const QColor& player, QPointF c) {
    switch (armour) {
    case Armour::Light: {
        QPainterPath buckler;
        buckler.addEllipse(c, 6.2, 6.2);
        Inked(painter, buckler, Cloth(player, buckler.boundingRect()));
        QPainterPath boss;
        boss.addEllipse(c, 2.1, 2.1);
        Inked(painter, boss, Steel(boss.boundingRect()), 1.0);
        break;
    }
    case Armour::Medium: {
        QPainterPath heater;
        heater.moveTo(c + QPointF(-7.5, -8.5));
        heater.lineTo(c + QPointF(7.5, -8.5));
        heater.lineTo(c + QPointF(7.5, -1));
        heater.quadTo(c + QPointF(7, 6), c + QPointF(0, 10));
        heater.quadTo(c + QPointF(-7, 6), c + QPointF(-7.5, -1));
        heater.closeSubpath();
        Inked(painter, heater, Cloth(player, heater.boundingRect()), 2.0);
        painter.setPen(QPen(QColor(120, 128, 142), 1.1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(heater);
        break;
    }
    case Armour::Heavy: {
        QPainterPath kite;
        kite.moveTo(c + QPointF(-9, -11.5));
        kite.quadTo(c + QPointF(0, -13.5), c + QPointF(9, -11.5));
        kite.lineTo(c + QPointF(9, 3));
        kite.quadTo(c + QPointF(8, 10), c + QPointF(0, 15));
        kite.quadTo(c + QPointF(-8, 10), c + QPointF(-9, 3));
        kite.closeSubpath();
        Inked(painter, kite, Cloth(player, kite.boundingRect()), 2.0);
        painter.setPen(QPen(Gold(), 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.save();
        painter.setClipPath(kite, Qt::IntersectClip);
        painter.drawPath(kite);
        painter.restore();
        // A gold chevron, the mark of a knight's shield.
        QPainterPath chevron;
        chevron.moveTo(c + QPointF(-7.5, 5));
        chevron.lineTo(c + QPointF(0, -3));
        chevron.lineTo(c + QPointF(7.5, 5));
        InkedStroke(painter, chevron, Gold(), 2.6);
        break;
    }
    }
}

void Spear(QPainter& painter, QPointF butt, QPointF tip) {
    const QLineF shaft(butt, tip);
    const QPointF unit = (tip - butt) / shaft.length();
    const QPointF side(-unit.y(), unit.x());
    InkedStroke(painter, Line(butt, tip - unit * 4), Wood(), 2.0);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - unit * 5 + side * 2.2);
    head.lineTo(tip - unit * 8);
    head.lineTo(tip - unit * 5 - side * 2.2);
    head.closeSubpath();
    Inked(painter, head, Steel(head.boundingRect()), 1.1);
}

void Sword(QPainter& painter, QPointF hand, double length, double angle) {
    const double radians = angle * std::numbers::pi / 180;
    const QPointF unit(std::sin(radians), -std::cos(radians));
    const QPointF side(-unit.y(), unit.x());
    const QPointF guard = hand + unit * 2.4;
    QPainterPath blade;
    blade.moveTo(guard + side * 1.5);
    blade.lineTo(hand + unit * (length - 2.5) + side * 1.3);
    blade.lineTo(hand + unit * length);
    blade.lineTo(hand + unit * (length - 2.5) - side * 1.3);
    blade.lineTo(guard - side * 1.5);
    blade.closeSubpath();
    Inked(painter, blade, QColor(226, 232, 240), 1.2);
    InkedStroke(painter, Line(guard - side * 4, guard + side * 4), Gold(), 1.6);
    QPainterPath pommel;
    pommel.addEllipse(hand - unit * 3.2, 1.5, 1.5);
    Inked(painter, pommel, Gold(), 0.9);
}

void Bow(QPainter& painter, double x, double top, double bottom, double bulge) {
    QPen string(QColor(246, 240, 222), 0.8);
    painter.setPen(string);
    painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    QPainterPath stave(QPointF(x, top));
    stave.cubicTo(QPointF(x + bulge, top + (bottom - top) * 0.15),
                  QPointF(x + bulge, bottom - (bottom - top) * 0.15), QPointF(x, bottom));
    InkedStroke(painter, stave, QColor(128, 78, 34), 2.4);
}

void Quiver(QPainter& painter, QPointF top, QPointF bottom) {
    const QPointF unit = (top - bottom) / QLineF(bottom, top).length();
    const QPointF side(-unit.y(), unit.x());
    for (double offset : {-1.6, 0.0, 1.6}) {
        const QPointF base = top + side * offset;
        QPainterPath feather;
        feather.moveTo(base);
        feather.lineTo(base + unit * 4.5 + side * 1.2);
        feather.lineTo(base + unit * 4.5 - side * 1.2);
        feather.closeSubpath();
        Inked(painter, feather, QColor(250, 250, 245), 0.8);
    }
    InkedStroke(painter, Line(bottom, top), Leather(), 4.6);
}

void Crown(QPainter& painter, QPointF c, double width, bool queen) {
    const double half = width / 2;
    const double band = width * 0.24;
    QPainterPath crown;
    crown.moveTo(c + QPointF(-half, band));
    crown.lineTo(c + QPointF(half, band));
    if (queen) {
        // A low circlet of rounded arches: lighter than the King's crown.
        crown.lineTo(c + QPointF(half, -band * 0.6));
        for (int i = 4; i >= 1; --i) {
            const double x = -half + width * i / 4;
            crown.quadTo(c + QPointF(x - width / 8, -band * 0.2),
                         c + QPointF(x - width / 4, -band * 0.6));
        }
    } else {
        crown.lineTo(c + QPointF(half, -band * 1.8));
        crown.lineTo(c + QPointF(half * 0.5, -band * 0.3));
        crown.lineTo(c + QPointF(0, -band * 2.4));
        crown.lineTo(c + QPointF(-half * 0.5, -band * 0.3));
        crown.lineTo(c + QPointF(-half, -band * 1.8));
    }
    crown.closeSubpath();
    QLinearGradient gold(c + QPointF(0, -band * 2.4), c + QPointF(0, band));
    gold.setColorAt(0, QColor(255, 236, 130));
    gold.setColorAt(1, QColor(214, 150, 20));
    Inked(painter, crown, gold, 1.3);
    painter.setPen(InkPen(0.6));
    painter.setBrush(QColor(255, 255, 250));
    if (queen) {
        for (int i = 0; i <= 4; ++i)
            painter.drawEllipse(c + QPointF(-half + width * i / 4, -band * 0.7), 1.1, 1.1);
    } else {
        for (QPointF tip :
             {QPointF(-half, -band * 1.8), QPointF(0, -band * 2.4), QPointF(half, -band * 1.8)})
            painter.drawEllipse(c + tip, 1.3, 1.3);
        painter.setBrush(QColor(200, 30, 60));
        painter.drawEllipse(c + QPointF(0, band * 0.45), 1.2, 1.2);
    }
}

void Pennant(QPainter& painter, const QColor& player, QPointF poleTop, double length) {
    QPainterPath flag;
    flag.moveTo(poleTop);
    flag.quadTo(poleTop + QPointF(length * 0.5, 0.5), poleTop + QPointF(length, 3.2));
    flag.quadTo(poleTop + QPointF(length * 0.5, 5), poleTop + QPointF(0, 7.5));
    flag.closeSubpath();
    Inked(painter, flag, Cloth(player, flag.boundingRect()), 1.3);
}

} // namespace marovane::art::figure
