#include "Intro.h"

#include "Noise.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace marovane::art {

namespace {

// The picture is composed on a 1024 x 768 canvas and scaled to the size asked for.
constexpr double kWidth = 1024, kHeight = 768;
constexpr double kHorizon = 560;

const QColor kSilhouette(26, 20, 36);

void Sky(QPainter& painter, Rng& rng) {
    QLinearGradient sky(0, 0, 0, kHorizon + 40);
    sky.setColorAt(0.0, QColor(14, 16, 44));
    sky.setColorAt(0.45, QColor(60, 44, 96));
    sky.setColorAt(0.75, QColor(170, 86, 96));
    sky.setColorAt(1.0, QColor(250, 170, 90));
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), sky);
    QRadialGradient glow(QPointF(kWidth / 2, kHorizon), 460);
    glow.setColorAt(0, QColor(255, 214, 140, 200));
    glow.setColorAt(0.4, QColor(255, 170, 110, 70));
    glow.setColorAt(1, QColor(255, 170, 110, 0));
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), glow);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 180; ++i) {
        const double y = std::pow(rng.Uniform(), 1.6) * kHorizon * 0.6;
        const double x = rng.Uniform() * kWidth;
        const int alpha = int(230 * (1 - y / (kHorizon * 0.6)) * rng.Range(0.3, 1));
        painter.setBrush(QColor(255, 250, 230, alpha));
        painter.drawEllipse(QPointF(x, y), rng.Range(0.6, 1.6), rng.Range(0.6, 1.6));
    }
}

// A ridge of summed sine waves, filled down to the bottom of the picture.
void Hills(QPainter& painter, double base, double height, double phase, const QColor& colour) {
    QPainterPath ridge(QPointF(0, kHeight));
    for (double x = 0; x <= kWidth; x += 8) {
        const double y = base - height * (0.5 * std::sin(x / 170 + phase) +
                                          0.3 * std::sin(x / 67 + phase * 2.3) +
                                          0.2 * std::sin(x / 31 + phase * 0.7));
        ridge.lineTo(x, y);
    }
    ridge.lineTo(kWidth, kHeight);
    ridge.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(ridge);
}

QPainterPath Battlements(double left, double right, double top, double merlon) {
    QPainterPath path;
    const int count = std::max(2, int((right - left) / (merlon * 1.7)));
    const double pitch = (right - left - merlon) / (count - 1);
    for (int i = 0; i < count; ++i)
        path.addRect(QRectF(left + i * pitch, top - merlon * 0.9, merlon, merlon));
    return path;
}

QPainterPath Tower(double left, double right, double top, double bottom, bool roof) {
    QPainterPath tower;
    tower.addRect(QRectF(left, top, right - left, bottom - top));
    if (roof) {
        QPainterPath cone;
        cone.moveTo(left - 10, top);
        cone.lineTo((left + right) / 2, top - (right - left) * 1.25);
        cone.lineTo(right + 10, top);
        cone.closeSubpath();
        tower.addPath(cone);
    } else {
        tower.addPath(Battlements(left - 4, right + 4, top, 14));
        tower.addRect(QRectF(left - 4, top - 2, right - left + 8, 6));
    }
    return tower;
}

void Banner(QPainter& painter, QPointF poleTop, const QColor& colour, double wave) {
    painter.setPen(QPen(kSilhouette, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(poleTop, poleTop + QPointF(0, 58));
    QPainterPath flag(poleTop + QPointF(2, 2));
    const double length = 64;
    for (double t = 0; t <= 1.0001; t += 0.1)
        flag.lineTo(poleTop + QPointF(2 + length * t, 2 + 7 * t + 5 * std::sin(t * 5 + wave)));
    for (double t = 1; t >= -0.0001; t -= 0.1)
        flag.lineTo(poleTop + QPointF(2 + length * t, 32 - 2 * t + 5 * std::sin(t * 5 + wave)));
    flag.closeSubpath();
    QLinearGradient shade(poleTop, poleTop + QPointF(length, 30));
    shade.setColorAt(0, colour);
    shade.setColorAt(0.6, Mix(colour, Qt::black, 0.15));
    shade.setColorAt(1, Mix(colour, Qt::black, 0.35));
    painter.setPen(QPen(kSilhouette, 2.5));
    painter.setBrush(shade);
    painter.drawPath(flag);
}

void Window(QPainter& painter, QPointF centre, double width, double height) {
    QPainterPath arch;
    arch.moveTo(centre + QPointF(-width / 2, height / 2));
    arch.lineTo(centre + QPointF(-width / 2, -height / 2 + width / 2));
    arch.arcTo(QRectF(centre.x() - width / 2, centre.y() - height / 2, width, width), 180, -180);
    arch.lineTo(centre + QPointF(width / 2, height / 2));
    arch.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 196, 100));
    painter.drawPath(arch);
}

void Castle(QPainter& painter) {
    // The walls reach down into the hill they stand on; the gate opens at ground level.
    const double ground = 640, footing = 720;
    QPainterPath castle;
    castle.addRect(QRectF(300, 500, 424, footing - 500));
    castle.addPath(Battlements(300, 724, 500, 16));
    castle.addPath(Tower(262, 330, 420, footing, true));
    castle.addPath(Tower(694, 762, 420, footing, true));
    castle.addPath(Tower(432, 592, 350, footing, false));
    castle.addPath(Tower(412, 462, 270, 360, true));
    castle.addPath(Tower(562, 612, 270, 360, true));
    castle.setFillRule(Qt::WindingFill);
    QPainterPath mound;
    mound.moveTo(120, kHeight);
    mound.cubicTo(240, 610, 784, 610, 904, kHeight);
    mound.closeSubpath();
    castle.addPath(mound);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSilhouette);
    painter.drawPath(castle.simplified());

    // Lit windows and the open gate glow against the dark stone.
    for (QPointF w : {QPointF(296, 470), QPointF(728, 470), QPointF(490, 410), QPointF(534, 410),
                      QPointF(437, 318), QPointF(587, 318)})
        Window(painter, w, 10, 22);
    QPainterPath gate;
    gate.moveTo(486, ground);
    gate.lineTo(486, 580);
    gate.arcTo(QRectF(486, 556, 52, 52), 180, -180);
    gate.lineTo(538, ground);
    gate.closeSubpath();
    QLinearGradient light(0, 560, 0, ground);
    light.setColorAt(0, QColor(255, 170, 70));
    light.setColorAt(1, QColor(255, 220, 140));
    painter.setBrush(light);
    painter.drawPath(gate);
    painter.setPen(QPen(kSilhouette, 3));
    for (double x = 496; x < 536; x += 10)
        painter.drawLine(QPointF(x, 562), QPointF(x, 600));
    painter.drawLine(QPointF(486, 590), QPointF(538, 590));

    Banner(painter, QPointF(296, 276), PlayerColour(1), 0.0);
    Banner(painter, QPointF(437, 144), PlayerColour(2), 1.3);
    Banner(painter, QPointF(587, 144), PlayerColour(3), 2.1);
    Banner(painter, QPointF(728, 276), PlayerColour(4), 0.7);
}

void Title(QPainter& painter) {
    const QPainterPath title =
        FittedText("Marovane", TitleFont(), QRectF(kWidth / 2 - 330, 26, 660, 112));
    painter.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, 26));
        painter.drawPath(title.translated(i * 1.2, i * 1.6));
    }
    const QRectF bounds = title.boundingRect();
    QLinearGradient gold(bounds.topLeft(), bounds.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 246, 190));
    gold.setColorAt(0.45, QColor(246, 200, 80));
    gold.setColorAt(0.55, QColor(214, 150, 40));
    gold.setColorAt(1.0, QColor(250, 210, 110));
    QPen edge(QColor(50, 28, 10), 5);
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(gold);
    painter.drawPath(title);
    painter.setPen(QPen(QColor(255, 250, 220, 120), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(title.translated(-1, -1));

    // A rule with a lozenge under the name, and a line of words under that.
    const double ruleY = bounds.bottom() + 26;
    painter.setPen(QPen(QColor(246, 206, 110), 2.5));
    painter.drawLine(QPointF(kWidth / 2 - 250, ruleY), QPointF(kWidth / 2 - 16, ruleY));
    painter.drawLine(QPointF(kWidth / 2 + 16, ruleY), QPointF(kWidth / 2 + 250, ruleY));
    QPainterPath lozenge;
    lozenge.moveTo(kWidth / 2, ruleY - 9);
    lozenge.lineTo(kWidth / 2 + 9, ruleY);
    lozenge.lineTo(kWidth / 2, ruleY + 9);
    lozenge.lineTo(kWidth / 2 - 9, ruleY);
    lozenge.closeSubpath();
    painter.setBrush(QColor(246, 206, 110));
    painter.drawPath(lozenge);
    const QPainterPath motto = FittedText("CASTLES  \u00B7  KINGS  \u00B7  CONQUEST", TitleFont(),
                                          QRectF(kWidth / 2 - 230, ruleY + 20, 460, 24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 232, 196));
    painter.drawPath(motto);
}

} // namespace

QImage MakeIntro(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kWidth, size.height() / kHeight);
    Rng rng(1492);
    Sky(painter, rng);
    Hills(painter, kHorizon - 10, 40, 0.4, QColor(96, 62, 98));
    Hills(painter, kHorizon + 40, 46, 2.2, QColor(62, 44, 74));
    painter.save();
    painter.translate(0, 66);
    Castle(painter);
    painter.restore();
    QLinearGradient field(0, 660, 0, kHeight);
    field.setColorAt(0, QColor(26, 20, 36, 0));
    field.setColorAt(1, QColor(10, 8, 16, 255));
    painter.fillRect(QRectF(0, 660, kWidth, kHeight - 660), field);
    Title(painter);
    return image;
}

} // namespace marovane::art
