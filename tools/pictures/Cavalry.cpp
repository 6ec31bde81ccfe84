#include "Cavalry.h"

#include "Paint.h"

#include <QPainter>

namespace marovane::art::figure {

namespace {

QColor Coat(Armour armour) {
    switch (armour) {
    case Armour::Light:
        return QColor(176, 110, 58);
    case Armour::Medium:
        return QColor(112, 72, 44);
    case Armour::Heavy:
        break;
    }
    return QColor(214, 214, 218);
}

QPainterPath Segment(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

void Leg(QPainter& painter, QPointF top, QPointF hoof, const QColor& coat) {
    InkedStroke(painter, Segment(top, hoof), coat, 3.2);
    QPainterPath shoe;
    shoe.addRect(QRectF(hoof.x() - 2.2, hoof.y() - 0.5, 4.4, 2.2));
    Inked(painter, shoe, QColor(50, 40, 34), 0.8);
}

QPainterPath Neck() {
    QPainterPath neck;
    neck.moveTo(24, 45);
    neck.cubicTo(22, 38, 17.5, 31, 15.5, 27);
    neck.lineTo(21.5, 21.5);
    neck.cubicTo(25, 27, 28, 31.5, 31.5, 36);
    neck.closeSubpath();
    return neck;
}

QPainterPath HorseHead() {
    QPainterPath head;
    head.moveTo(14.5, 22.5);
    head.lineTo(22, 21.5);
    head.lineTo(20.5, 28);
    head.quadTo(14.5, 32.5, 11, 34);
    head.quadTo(7.8, 34, 7.8, 31);
    head.quadTo(9.5, 26.5, 14.5, 22.5);
    head.closeSubpath();
    return head;
}

void Horse(QPainter& painter, Armour armour, const QColor& player) {
    const QColor coat = Coat(armour);
    const QColor farCoat = Mix(coat, Qt::black, 0.25);
    Leg(painter, QPointF(29.5, 44), QPointF(30, 54.5), farCoat);
    Leg(painter, QPointF(42.5, 44), QPointF(41.5, 54.5), farCoat);
    QPainterPath tail(QPointF(50.5, 38));
    tail.cubicTo(55.5, 39, 56.5, 46, 53.5, 51.5);
    InkedStroke(painter, tail, QColor(70, 46, 28), 3.0);
    Leg(painter, QPointF(25.5, 44), QPointF(23.5, 54.5), coat);
    Leg(painter, QPointF(46.5, 44), QPointF(47.5, 54.5), coat);
    QPainterPath body;
    body.addEllipse(QPointF(37, 41), 14.5, 7.2);
    Inked(painter, body, coat);
    Inked(painter, Neck(), coat);
    QPainterPath ear;
    ear.moveTo(17.5, 23);
    ear.lineTo(18.8, 17.2);
    ear.lineTo(21, 22.6);
    ear.closeSubpath();
    Inked(painter, ear, coat, 1.2);
    Inked(painter, HorseHead(), coat);

    if (armour == Armour::Heavy) {
        // Barding: the caparison hides body and neck, so the horse itself wears the colour.
        QPainterPath cloth;
        cloth.moveTo(22.5, 37.5);
        cloth.quadTo(37, 30.5, 51.5, 37);
        cloth.lineTo(52, 49);
        for (int i = 0; i < 6; ++i) {
            const double x = 52 - (i + 1) * 29.5 / 6;
            cloth.quadTo(x + 29.5 / 12, 52.5, x, 49);
        }
        cloth.closeSubpath();
        const QPainterPath caparison = cloth.united(Neck());
        Inked(painter, caparison, Cloth(player, caparison.boundingRect()));
        painter.setPen(QPen(Gold(), 1.1));
        painter.drawLine(QPointF(23, 46.5), QPointF(51.5, 46.5));
        QPainterPath chamfron;
        chamfron.moveTo(14, 23);
        chamfron.lineTo(21, 22.2);
        chamfron.lineTo(12.5, 31.5);
        chamfron.lineTo(9.5, 30);
        chamfron.closeSubpath();
        Inked(painter, chamfron, Steel(chamfron.boundingRect()), 1.1);
    } else {
        QPainterPath mane(QPointF(21.5, 22));
        mane.cubicTo(25, 27, 28, 31.5, 31, 35);
        InkedStroke(painter, mane, QColor(60, 40, 26), 2.0);
    }
    if (armour == Armour::Medium) {
        QPainterPath saddleCloth;
        saddleCloth.addRoundedRect(QRectF(30.5, 33.5, 13, 13.5), 2.5, 2.5);
        Inked(painter, saddleCloth, Cloth(player, saddleCloth.boundingRect()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink());
    painter.drawEllipse(QPointF(16.3, 25), 0.9, 0.9);
    painter.drawEllipse(QPointF(9.4, 31.4), 0.6, 0.6);
    painter.setPen(QPen(QColor(60, 36, 20), 0.9));
    painter.drawLine(QPointF(20.5, 24), QPointF(11, 31.6));
}

} // namespace

void Cavalry(QPainter& painter, Armour armour, const QColor& player) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 50, 30, 70));
    painter.drawEllipse(QPointF(36, 55.5), 19, 2.2);
    Horse(painter, armour, player);

    // The rider is the standing figure drawn smaller, seated on the horse's back.
    painter.save();
    painter.translate(37.5, 37);
    painter.scale(0.78, 0.78);
    painter.translate(-32, -42);
    if (armour == Armour::Light)
        Spear(painter, QPointF(44, 52), QPointF(1, 6));
    Torso(painter, armour, player);
    QPainterPath leg(QPointF(29.5, 40));
    leg.lineTo(23.5, 45);
    leg.lineTo(25, 52.5);
    const QColor hose = armour == Armour::Light    ? QColor(104, 80, 56)
                        : armour == Armour::Medium ? QColor(150, 155, 164)
                                                   : QColor(214, 220, 230);
    InkedStroke(painter, leg, hose, 5.0);
    QPainterPath boot;
    boot.addRoundedRect(QRectF(22.5, 50.5, 6.5, 5), 1.6, 1.6);
    Inked(painter, boot, QColor(70, 46, 28));
    const QPointF head(32, 17.5);
    Head(painter, head);
    Helmet(painter, armour, player, head);
    const QPointF hand(21.5, 33);
    if (armour == Armour::Medium)
        Sword(painter, hand, 21, -38);
    Arm(painter, armour, player, QPointF(23.2, 27), hand);
    Arm(painter, armour, player, QPointF(40.8, 27), QPointF(43, 35));
    Shield(painter, armour, player, QPointF(44, 35));
    painter.restore();

    if (armour == Armour::Heavy) {
        // A lance held upright, its pennant streaming forward over the horse's head.
        painter.save();
        painter.translate(42, 0);
        painter.scale(-1, 1);
        Pennant(painter, player, QPointF(20.5, 9.5), 11);
        painter.restore();
        QPainterPath lance;
        lance.moveTo(21.5, 7);
        lance.lineTo(29.5, 47);
        lance.lineTo(26.5, 47.5);
        lance.closeSubpath();
        Inked(painter, lance, QColor(206, 170, 120), 1.1);
        QPainterPath vamplate;
        vamplate.moveTo(25.5, 35);
        vamplate.lineTo(31.5, 39);
        vamplate.lineTo(25, 41);
        vamplate.closeSubpath();
        Inked(painter, vamplate, Steel(vamplate.boundingRect()), 1.0);
    }
}

} // namespace marovane::art::figure
