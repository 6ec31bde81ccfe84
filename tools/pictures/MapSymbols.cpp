#include "MapSymbols.h"

#include "Paint.h"

#include <QPainter>

namespace marovane::art {

namespace {

constexpr QRectF kFrame(6, 22, 52, 34);
constexpr double kStroke = 4.0;

QPainterPath Crown(bool rounded) {
    QPainterPath crown;
    crown.moveTo(20, 48);
    crown.lineTo(44, 48);
    if (rounded) {
        crown.lineTo(44, 34);
        crown.quadTo(38, 42, 32, 31);
        crown.quadTo(26, 42, 20, 34);
    } else {
        crown.lineTo(45, 29);
        crown.lineTo(38.5, 39);
        crown.lineTo(32, 27);
        crown.lineTo(25.5, 39);
        crown.lineTo(19, 29);
    }
    crown.closeSubpath();
    return crown;
}

QPainterPath Sign(int type) {
    QPainterPath sign;
    const double left = kFrame.left(), right = kFrame.right();
    const double top = kFrame.top(), bottom = kFrame.bottom();
    switch (type) {
    case 0: // engineers: a bridge with three piers
        sign.moveTo(18, 47);
        sign.lineTo(18, 32);
        sign.lineTo(46, 32);
        sign.lineTo(46, 47);
        sign.moveTo(32, 32);
        sign.lineTo(32, 47);
        break;
    case 1: // medical: a cross through the whole frame
        sign.moveTo(32, top);
        sign.lineTo(32, bottom);
        sign.moveTo(left, 39);
        sign.lineTo(right, 39);
        break;
    case 2: // artillery: a dot, drawn filled by the caller
        sign.addEllipse(QPointF(32, 39), 7, 7);
        break;
    case 3:
    case 4:
    case 5: // infantry: the frame's diagonals crossed
        sign.moveTo(left, top);
        sign.lineTo(right, bottom);
        sign.moveTo(left, bottom);
        sign.lineTo(right, top);
        break;
    case 6:
    case 7:
    case 8: // archers: a drawn bow with its arrow pointing ahead
        sign.moveTo(14, 52);
        sign.quadTo(32, 14, 50, 52);
        sign.lineTo(14, 52);
        sign.moveTo(32, 56);
        sign.lineTo(32, 26);
        sign.moveTo(26.5, 31.5);
        sign.lineTo(32, 26);
        sign.lineTo(37.5, 31.5);
        break;
    case 9:
    case 10:
    case 11: // cavalry: one diagonal
        sign.moveTo(left, bottom);
        sign.lineTo(right, top);
        break;
    case 12:
        sign = Crown(false);
        break;
    case 13:
        sign = Crown(true);
        break;
    case 14: // fortification: a crenellated line
        sign.moveTo(left, 45);
        for (double x = left + 5; x < right - 5; x += 12) {
            sign.lineTo(x, 45);
            sign.lineTo(x, 33);
            sign.lineTo(x + 6, 33);
            sign.lineTo(x + 6, 45);
        }
        sign.lineTo(right, 45);
        break;
    }
    return sign;
}

} // namespace

void DrawSymbolCell(QPainter& painter, int player, int type) {
    const QColor colour = PlayerColour(player);
    // Map paper, with a thin rule around the cell.
    painter.fillRect(QRectF(0, 0, 64, 64), QColor(246, 242, 226));
    painter.setPen(QPen(QColor(170, 160, 130), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.6, 0.6, 62.8, 62.8));

    // The King's crown is solid, the Queen's an open outline, so the two differ even when
    // a cell is small.
    const bool filledSign = type == 2 || type == 12;
    const QPainterPath sign = Sign(type);
    painter.setPen(InkPen(kStroke));
    painter.setBrush(colour);
    painter.drawRect(kFrame);
    painter.save();
    painter.setClipRect(kFrame);
    QPen signPen = InkPen(kStroke);
    signPen.setCapStyle(Qt::FlatCap);
    signPen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(filledSign ? InkPen(1.6) : signPen);
    painter.setBrush(filledSign ? QBrush(Ink()) : QBrush(Qt::NoBrush));
    painter.drawPath(sign);
    painter.restore();
    painter.setPen(InkPen(kStroke));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kFrame);

    if (type >= 12 && type <= 13) {
        // A headquarters staff hangs from the frame: the King's at its left, the Queen's at
        // its right.
        const double x = type == 12 ? kFrame.left() : kFrame.right();
        painter.setPen(InkPen(kStroke));
        painter.drawLine(QPointF(x, kFrame.bottom()), QPointF(x, 62));
    }
    if (type >= 3 && type <= 11) {
        const int bars = (type - 3) % 3 + 1;
        QPen bar = InkPen(4.2);
        bar.setCapStyle(Qt::FlatCap);
        painter.setPen(bar);
        for (int i = 0; i < bars; ++i) {
            const double x = 32 + (i - (bars - 1) / 2.0) * 8.5;
            painter.drawLine(QPointF(x, 5), QPointF(x, 19));
        }
    }
}

} // namespace marovane::art
