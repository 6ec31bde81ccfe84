#include "ui/BoardMarks.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <algorithm>

namespace marovane {

namespace {

const QColor kShadow(0, 0, 0, 190);

QColor ReachColour(ReachMark reach) {
    switch (reach) {
    case ReachMark::Attack:
        return QColor(255, 40, 40);
    case ReachMark::Heal:
        return QColor(40, 230, 90);
    case ReachMark::Repair:
        return QColor(255, 170, 0);
    case ReachMark::Step:
        return QColor(80, 220, 255);
    case ReachMark::None:
        break;
    }
    return Qt::transparent;
}

QColor HealthColour(int percent) {
    if (percent * 3 < 100)
        return QColor(230, 30, 30);
    if (percent * 3 < 200)
        return QColor(240, 210, 0);
    return QColor(40, 210, 40);
}

// A ring inside the picture's coloured frame, over a black one: it reads on every player's
// colour and on the pale ground of the pictures.
void PaintRing(QPainter& painter, const QRectF& cell, const QColor& colour) {
    const qreal side = std::min(cell.width(), cell.height());
    const qreal width = std::clamp<qreal>(side / 18, 1.5, 4);
    const qreal inset = std::max<qreal>(2, side / 8);
    const QRectF ring = cell.adjusted(inset, inset, -inset - 1, -inset - 1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kShadow, width + 2));
    painter.drawEllipse(ring);
    painter.setPen(QPen(colour, width));
    painter.drawEllipse(ring);
}

} // namespace

void PaintCellMarks(QPainter& painter, const QRectF& cell, const CellMarks& marks) {
    if (!marks.Any())
        return;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const qreal side = std::min(cell.width(), cell.height());
    if (marks.Spent)
        painter.fillRect(cell, QColor(20, 20, 30, 120));
    if (marks.Reach == ReachMark::Step) {
        QColor tint = ReachColour(marks.Reach);
        tint.setAlpha(80);
        painter.fillRect(cell, tint);
        painter.setPen(QPen(kShadow, 1));
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
        painter.setPen(QPen(ReachColour(marks.Reach), 1));
        painter.drawRect(cell.adjusted(2, 2, -3, -3));
    } else if (marks.Reach != ReachMark::None) {
        PaintRing(painter, cell, ReachColour(marks.Reach));
    }
    if (marks.Health >= 0) {
        // Above the picture's own frame, with a black edge, so that a green bar on a green
        // player's piece still stands out.
        const qreal height = std::clamp<qreal>(side / 9, 2, 7);
        const qreal margin = std::max<qreal>(2, side / 8);
        const QRectF bar(cell.left() + margin, cell.bottom() - margin - height,
                         cell.width() - 2 * margin, height);
        painter.fillRect(bar.adjusted(-1, -1, 1, 1), Qt::black);
        painter.fillRect(bar, QColor(70, 70, 70));
        QRectF filled = bar;
        filled.setWidth(bar.width() * marks.Health / 100.0);
        painter.fillRect(filled, HealthColour(marks.Health));
    }
    painter.restore();
}

} // namespace marovane
