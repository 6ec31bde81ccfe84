#include "UnitStrip.h"

#include <QPainter>

namespace marovane::art {

QRect StripCell(int player, int type, int cellPixels) {
    const int cell = (player - 1) * kUnitTypes + type;
    return QRect((cell % kStripColumns) * cellPixels, (cell / kStripColumns) * cellPixels,
                 cellPixels, cellPixels);
}

namespace {

void PaintCell(QPainter& painter, const CellPainter& paint, int player, int type,
               const QRect& cell) {
    painter.save();
    painter.setClipRect(cell);
    painter.translate(cell.topLeft());
    painter.scale(cell.width() / kDesignSize, cell.height() / kDesignSize);
    paint(painter, player, type);
    painter.restore();
}

} // namespace

QImage MakeStrip(const CellPainter& paint, int cellPixels) {
    QImage strip(kStripColumns * cellPixels, kStripRows * cellPixels, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int player = 1; player <= kPlayers; ++player) {
        for (int type = 0; type < kUnitTypes; ++type)
            PaintCell(painter, paint, player, type, StripCell(player, type, cellPixels));
    }
    return strip;
}

QImage MakeCell(const CellPainter& paint, int player, int type, int cellPixels) {
    QImage image(cellPixels, cellPixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCell(painter, paint, player, type, image.rect());
    return image;
}

} // namespace marovane::art
