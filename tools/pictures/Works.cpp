#include "Works.h"

#include "FigureParts.h"
#include "Noise.h"
#include "Paint.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace marovane::art::figure {

namespace {

QPainterPath Beam(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

void Wheel(QPainter& painter, QPointF centre, double radius) {
    QPainterPath rim;
    rim.addEllipse(centre, radius, radius);
    Inked(painter, rim, QColor(96, 60, 30));
    QPainterPath inside;
    inside.addEllipse(centre, radius - 2.2, radius - 2.2);
    Inked(painter, inside, QColor(176, 124, 70), 1.0);
    painter.setPen(QPen(QColor(96, 60, 30), 1.4));
    for (int spoke = 0; spoke < 4; ++spoke) {
        const double angle = spoke * std::numbers::pi / 4 + 0.3;
        const QPointF arm(std::cos(angle) * (radius - 2), std::sin(angle) * (radius - 2));
        painter.drawLine(centre - arm, centre + arm);
    }
    QPainterPath hub;
    hub.addEllipse(centre, 1.6, 1.6);
    Inked(painter, hub, QColor(70, 70, 76), 0.8);
}

} // namespace

void Catapult(QPainter& painter, const QColor& player) {
    GroundShadow(painter, 32, 22);
    // The owner's pennant flies from a pole at the back, streaming toward the front.
    InkedStroke(painter, Beam(QPointF(53, 44), QPointF(53, 12)), Wood(), 1.6);
    painter.save();
    painter.translate(106, 0);
    painter.scale(-1, 1);
    Pennant(painter, player, QPointF(53, 12.5), 13);
    painter.restore();

    InkedStroke(painter, Beam(QPointF(25, 44), QPointF(33, 25)), Wood(), 3.4);
    InkedStroke(painter, Beam(QPointF(41, 44), QPointF(33, 25)), Wood(), 3.4);
    // The throwing arm, its cup loaded with a stone.
    InkedStroke(painter, Beam(QPointF(46, 39), QPointF(15, 13.5)), QColor(170, 116, 62), 3.2);
    QPainterPath rope(QPointF(46, 39.5));
    rope.lineTo(47, 43);
    painter.setPen(QPen(QColor(210, 190, 140), 1.4));
    painter.drawPath(rope);
    QPainterPath cup;
    cup.moveTo(9, 10.5);
    cup.quadTo(13, 19.5, 20, 13);
    cup.closeSubpath();
    Inked(painter, cup, QColor(96, 60, 30), 1.2);
    QPainterPath stone;
    stone.addEllipse(QPointF(14.5, 9.5), 4.6, 4.2);
    QRadialGradient rock(QPointF(13, 8), 5);
    rock.setColorAt(0, QColor(200, 200, 196));
    rock.setColorAt(1, QColor(110, 110, 108));
    Inked(painter, stone, rock, 1.3);
    QPainterPath axle;
    axle.addEllipse(QPointF(33, 26.5), 2.4, 2.4);
    Inked(painter, axle, QColor(70, 70, 76), 1.0);

    // The base beam is painted in the owner's colour.
    QPainterPath base;
    base.addRoundedRect(QRectF(9, 41.5, 46, 6), 1.5, 1.5);
    Inked(painter, base, Cloth(player, base.boundingRect()));
    Wheel(painter, QPointF(17.5, 49.5), 6.5);
    Wheel(painter, QPointF(46.5, 49.5), 6.5);
}

void WallPiece(QPainter& painter, const QColor& player) {
    // A pennant on the middle merlon marks whose wall it is.
    InkedStroke(painter, Beam(QPointF(32, 22), QPointF(32, 8)), Wood(), 1.6);
    Pennant(painter, player, QPointF(32.5, 8.2), 14);

    const double merlonTop = 20, wallTop = 29.5, course = 5.8;
    QPainterPath masonry;
    masonry.addRect(QRectF(5, wallTop, 54, 60 - wallTop));
    for (double x : {5.0, 26.5, 48.0})
        masonry.addRect(QRectF(x, merlonTop, 11, wallTop - merlonTop + 1));
    masonry.setFillRule(Qt::WindingFill);
    masonry = masonry.simplified();
    Inked(painter, masonry, QColor(84, 78, 70), 1.6);

    // Stones laid in courses with staggered joints; the same seed gives every player the
    // same wall, so only the colours tell them apart.
    Rng rng(14);
    painter.save();
    painter.setClipPath(masonry, Qt::IntersectClip);
    int row = 0;
    for (double y = merlonTop; y < 60; y += course, ++row) {
        const double offset = (row % 2) ? 6.0 : 0.0;
        for (double x = 5 - offset; x < 60; x += 12) {
            const int grey = int(rng.Range(150, 196));
            const QRectF stone(x + 0.8, y + 0.8, 12 - 1.6, course - 1.6);
            QLinearGradient shade(stone.topLeft(), stone.bottomLeft());
            shade.setColorAt(0, QColor(grey + 30, grey + 26, grey + 18));
            shade.setColorAt(1, QColor(grey - 20, grey - 24, grey - 30));
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            painter.drawRoundedRect(stone, 1.2, 1.2);
        }
    }
    painter.restore();
    painter.setPen(InkPen(1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(masonry);
    // An arrow slit.
    QPainterPath slit;
    slit.addRoundedRect(QRectF(30.6, 36.5, 2.8, 12), 1.2, 1.2);
    Inked(painter, slit, QColor(20, 16, 14), 1.0);
}

} // namespace marovane::art::figure
