#include "Figures.h"

#include "Cavalry.h"
#include "FigureParts.h"
#include "Paint.h"
#include "Works.h"

#include <QPainter>

namespace marovane::art {

using namespace figure;

namespace {

constexpr QPointF kHead(32, 17.5);
constexpr QPointF kWeaponShoulder(23.2, 27);
constexpr QPointF kShieldShoulder(40.8, 27);

Armour ArmourOf(int type) {
    return static_cast<Armour>((type - 3) % 3);
}

void Infantry(QPainter& painter, Armour armour, const QColor& player) {
    GroundShadow(painter, 32, 13);
    if (armour == Armour::Light)
        Spear(painter, QPointF(17.5, 55), QPointF(17.5, 4));
    Legs(painter, armour);
    Torso(painter, armour, player);
    Head(painter, kHead);
    Helmet(painter, armour, player, kHead);
    if (armour == Armour::Light) {
        Arm(painter, armour, player, kWeaponShoulder, QPointF(17.5, 35));
    } else {
        const QPointF hand(17.5, 33);
        Sword(painter, hand, armour == Armour::Heavy ? 26 : 21, -8);
        Arm(painter, armour, player, kWeaponShoulder, hand);
    }
    Arm(painter, armour, player, kShieldShoulder, QPointF(43, 36));
    Shield(painter, armour, player, armour == Armour::Heavy ? QPointF(44, 36) : QPointF(44, 35));
}

// Archers wear their own headgear: a hood, a broad-brimmed kettle hat, or a closed helm.
void ArcherHood(QPainter& painter, const QColor& player) {
    QPainterPath hood;
    hood.addEllipse(kHead + QPointF(0, 0.6), 8.2, 8.8);
    QPainterPath cape;
    cape.moveTo(kHead + QPointF(-7.5, 4));
    cape.lineTo(kHead + QPointF(7.5, 4));
    cape.lineTo(kHead + QPointF(11, 12.5));
    cape.lineTo(kHead + QPointF(-11, 12.5));
    cape.closeSubpath();
    const QPainterPath shape = hood.united(cape);
    Inked(painter, shape, Cloth(player, shape.boundingRect()));
}

void KettleHat(QPainter& painter) {
    QPainterPath dome;
    dome.moveTo(kHead + QPointF(-6, -2));
    dome.cubicTo(kHead + QPointF(-6, -11), kHead + QPointF(6, -11), kHead + QPointF(6, -2));
    dome.closeSubpath();
    Inked(painter, dome, Steel(dome.boundingRect()));
    QPainterPath brim;
    brim.addEllipse(kHead + QPointF(0, -2.2), 10.5, 2.4);
    Inked(painter, brim, Steel(brim.boundingRect()), 1.4);
}

void Archer(QPainter& painter, Armour armour, const QColor& player) {
    GroundShadow(painter, 33, 13);
    Quiver(painter, QPointF(22.5, 13.5), QPointF(34, 36));
    Legs(painter, armour);
    Torso(painter, armour, player);
    if (armour == Armour::Heavy) {
        // Heavy archers wear a brigandine: plate covered with cloth in the owner's colour.
        Surcoat(painter, player);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Gold());
        for (double y = 28; y < 44; y += 3.5)
            for (double x : {29.0, 35.0})
                painter.drawEllipse(QPointF(x, y), 0.7, 0.7);
    }
    if (armour == Armour::Light)
        ArcherHood(painter, player);
    Head(painter, kHead);
    if (armour == Armour::Medium)
        KettleHat(painter);
    if (armour == Armour::Heavy)
        Helmet(painter, armour, player, kHead);
    // An arrow ready in the drawing hand, the bow held out in the other.
    Arm(painter, armour, player, kWeaponShoulder, QPointF(19.5, 40));
    Bow(painter, 44.5, 9, 55, 10);
    Arm(painter, armour, player, kShieldShoulder, QPointF(45.5, 32));
}

void Peasant(QPainter& painter, const QColor& player) {
    GroundShadow(painter, 31, 13);
    // Pitchfork: the tool marks the peasant, who works rather than fights.
    QPainterPath tines;
    tines.moveTo(12.5, 8.5);
    tines.lineTo(12.5, 14);
    tines.quadTo(12.8, 17.5, 17.5, 17.5);
    tines.quadTo(22.2, 17.5, 22.5, 14);
    tines.lineTo(22.5, 8.5);
    tines.moveTo(17.5, 7.5);
    tines.lineTo(17.5, 17.5);
    InkedStroke(painter, tines, QColor(190, 196, 206), 1.6);
    QPainterPath handle(QPointF(17.5, 55));
    handle.lineTo(17.5, 18);
    InkedStroke(painter, handle, Wood(), 2.2);
    Legs(painter, Armour::Light);
    QPainterPath smock;
    smock.moveTo(25, 24);
    smock.lineTo(39, 24);
    smock.quadTo(42, 24.4, 41.8, 28);
    smock.lineTo(42, 47);
    smock.lineTo(22, 47);
    smock.lineTo(22.2, 28);
    smock.quadTo(22, 24.4, 25, 24);
    smock.closeSubpath();
    Inked(painter, smock, Cloth(player, smock.boundingRect()));
    painter.setPen(QPen(QColor(210, 180, 110), 1.6));
    painter.drawLine(QPointF(22.6, 38.5), QPointF(41.4, 38.5));
    Head(painter, kHead);
    // Straw hat with a wide brim.
    QPainterPath crown;
    crown.moveTo(26, 13.5);
    crown.cubicTo(26, 5, 38, 5, 38, 13.5);
    crown.closeSubpath();
    const QColor straw(230, 196, 100);
    Inked(painter, crown, straw, 1.3);
    QPainterPath brim;
    brim.addEllipse(QPointF(32, 13.2), 11.5, 2.8);
    Inked(painter, brim, straw, 1.3);
    painter.setPen(QPen(QColor(150, 90, 40), 1.4));
    painter.drawLine(QPointF(26.6, 11.2), QPointF(37.4, 11.2));
    Arm(painter, Armour::Light, player, kWeaponShoulder, QPointF(17.5, 33));
    Arm(painter, Armour::Light, player, kShieldShoulder, QPointF(42, 41));
}

QPainterPath Robe(double shoulders, double waist, double waistY, double hem) {
    QPainterPath robe;
    robe.moveTo(32 - shoulders + 2.5, 24);
    robe.lineTo(32 + shoulders - 2.5, 24);
    robe.quadTo(32 + shoulders + 0.5, 24.4, 32 + shoulders, 28);
    robe.lineTo(32 + waist, waistY);
    robe.quadTo(32 + hem - 2, 46, 32 + hem, 55.5);
    robe.quadTo(32, 57, 32 - hem, 55.5);
    robe.quadTo(32 - hem + 2, 46, 32 - waist, waistY);
    robe.lineTo(32 - shoulders, 28);
    robe.quadTo(32 - shoulders - 0.5, 24.4, 32 - shoulders + 2.5, 24);
    robe.closeSubpath();
    return robe;
}

void Priest(QPainter& painter, const QColor& player) {
    GroundShadow(painter, 32, 14);
    QPainterPath staff(QPointF(17.5, 55));
    staff.lineTo(17.5, 15);
    InkedStroke(painter, staff, Wood(), 2.2);
    QPainterPath cross(QPointF(17.5, 16));
    cross.lineTo(17.5, 8);
    cross.moveTo(13.8, 11);
    cross.lineTo(21.2, 11);
    InkedStroke(painter, cross, Gold(), 2.0);
    const QPainterPath robe = Robe(9.8, 8, 38, 12.5);
    Inked(painter, robe, Cloth(player, robe.boundingRect()));
    // A white cross on the chest: the healer's sign, bright on every player colour.
    QPainterPath sign;
    sign.addRect(QRectF(30.4, 27.5, 3.2, 15));
    sign.addRect(QRectF(26.5, 31, 11, 3.2));
    sign.setFillRule(Qt::WindingFill);
    Inked(painter, sign.simplified(), QColor(252, 252, 246), 1.0);
    // Tonsure: a ring of hair around a bare crown.
    QPainterPath hair;
    hair.addEllipse(kHead + QPointF(0, -0.6), 6.4, 6.6);
    Inked(painter, hair, QColor(120, 76, 40), 1.3);
    Head(painter, kHead + QPointF(0, 0.8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 76, 40));
    painter.drawChord(QRectF(kHead.x() - 5.6, kHead.y() - 5.6, 11.2, 7), 30 * 16, 120 * 16);
    Arm(painter, Armour::Light, player, kWeaponShoulder, QPointF(17.5, 33));
    // The other hand raised in blessing.
    Arm(painter, Armour::Light, player, kShieldShoulder, QPointF(45, 21));
}

void Ermine(QPainter& painter, const QPainterPath& area) {
    Inked(painter, area, QColor(250, 250, 244), 1.2);
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink());
    const QRectF bounds = area.boundingRect();
    int row = 0;
    for (double y = bounds.top() + 1.8; y < bounds.bottom(); y += 3.2, ++row) {
        for (double x = bounds.left() + 1.5 + (row % 2) * 2.2; x < bounds.right(); x += 4.4)
            painter.drawEllipse(QPointF(x, y), 0.6, 0.9);
    }
    painter.restore();
}

void King(QPainter& painter, const QColor& player) {
    GroundShadow(painter, 32, 14);
    const QPainterPath robe = Robe(10, 8.5, 38, 13);
    Inked(painter, robe, Cloth(player, robe.boundingRect()));
    QPainterPath hem;
    hem.addRect(QRectF(14, 51, 36, 8));
    Ermine(painter, robe.intersected(hem));
    QPainterPath collar;
    collar.moveTo(22, 26);
    collar.quadTo(32, 21, 42, 26);
    collar.lineTo(41, 31);
    collar.quadTo(32, 34.5, 23, 31);
    collar.closeSubpath();
    Ermine(painter, collar);
    Head(painter, kHead, true);
    Crown(painter, kHead + QPointF(0, -7.5), 15, false);
    // Sceptre in one hand, orb in the other.
    QPainterPath rod(QPointF(18, 47));
    rod.lineTo(18, 14);
    InkedStroke(painter, rod, Gold(), 2.0);
    QPainterPath knob;
    knob.addEllipse(QPointF(18, 12), 2.8, 2.8);
    Inked(painter, knob, Gold(), 1.1);
    Arm(painter, Armour::Light, player, kWeaponShoulder, QPointF(18, 34));
    Arm(painter, Armour::Light, player, kShieldShoulder, QPointF(43.5, 38));
    QPainterPath orb;
    orb.addEllipse(QPointF(44, 34), 3.4, 3.4);
    Inked(painter, orb, Gold(), 1.1);
    QPainterPath orbCross(QPointF(44, 30.5));
    orbCross.lineTo(44, 26);
    orbCross.moveTo(42.2, 28);
    orbCross.lineTo(45.8, 28);
    InkedStroke(painter, orbCross, Gold(), 1.1);
}

void Queen(QPainter& painter, const QColor& player) {
    GroundShadow(painter, 32, 16);
    // Long hair falling past the shoulders, behind the head.
    QPainterPath hair;
    hair.moveTo(kHead + QPointF(-6.5, -2));
    hair.cubicTo(kHead + QPointF(-8, -10), kHead + QPointF(8, -10), kHead + QPointF(6.5, -2));
    hair.cubicTo(kHead + QPointF(8, 6), kHead + QPointF(10, 11), kHead + QPointF(8.5, 14));
    hair.lineTo(kHead + QPointF(-8.5, 14));
    hair.cubicTo(kHead + QPointF(-10, 11), kHead + QPointF(-8, 6), kHead + QPointF(-6.5, -2));
    hair.closeSubpath();
    Inked(painter, hair, QColor(196, 130, 50));
    const QPainterPath gown = Robe(8.8, 6, 35, 15.5);
    Inked(painter, gown, Cloth(player, gown.boundingRect()));
    painter.setPen(QPen(Gold(), 1.8));
    painter.drawLine(QPointF(26.2, 35.5), QPointF(37.8, 35.5));
    painter.setPen(QPen(Gold(), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(27, 20, 10, 8), 200 * 16, 140 * 16);
    Head(painter, kHead);
    Crown(painter, kHead + QPointF(0, -7.2), 13, true);
    Arm(painter, Armour::Light, player, kWeaponShoulder, QPointF(29.5, 37.5));
    Arm(painter, Armour::Light, player, kShieldShoulder, QPointF(34.5, 37.5));
}

} // namespace

void DrawPeopleCell(QPainter& painter, int player, int type) {
    const QColor colour = PlayerColour(player);
    Card(painter, colour);
    painter.save();
    QPainterPath field;
    field.addRoundedRect(QRectF(6.6, 6.6, 50.8, 50.8), 5.5, 5.5);
    painter.setClipPath(field, Qt::IntersectClip);
    if (type == 0)
        Peasant(painter, colour);
    else if (type == 1)
        Priest(painter, colour);
    else if (type == 2)
        Catapult(painter, colour);
    else if (type <= 5)
        Infantry(painter, ArmourOf(type), colour);
    else if (type <= 8)
        Archer(painter, ArmourOf(type), colour);
    else if (type <= 11)
        Cavalry(painter, ArmourOf(type), colour);
    else if (type == 12)
        King(painter, colour);
    else if (type == 13)
        Queen(painter, colour);
    else
        WallPiece(painter, colour);
    painter.restore();
}

} // namespace marovane::art
