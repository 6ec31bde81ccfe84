#include "ContactSheet.h"

#include "UnitStrip.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTextStream>

#include <stdexcept>

namespace marovane::art {

namespace {

constexpr int kWidth = 1080;
constexpr int kMargin = 20;

QImage Load(const QString& path) {
    QImage image(path);
    if (image.isNull())
        throw std::runtime_error("Cannot read \"" + path.toStdString() + "\".");
    return image;
}

class Sheet {
public:
    Sheet(const QImage& grass) : image_(kWidth, 4000, QImage::Format_RGB32), grass_(grass) {
        image_.fill(QColor(236, 232, 222));
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    }

    void Caption(const QString& text) {
        y_ += 10;
        QFont font("DejaVu Sans");
        font.setPixelSize(16);
        font.setBold(true);
        painter_.setFont(font);
        painter_.setPen(QColor(40, 30, 20));
        painter_.drawText(QPointF(kMargin, y_ + 16), text);
        y_ += 26;
    }

    // Four rows of fifteen cells, one row per player, the way the sides meet on the board.
    void Units(const QImage& strip, int cellPixels, int gap) {
        const int cell = strip.width() / kStripColumns;
        const QRect area(kMargin, y_, kUnitTypes * (cellPixels + gap) + gap,
                         kPlayers * (cellPixels + gap) + gap);
        Grass(area);
        for (int player = 1; player <= kPlayers; ++player) {
            for (int type = 0; type < kUnitTypes; ++type) {
                const QImage picture = strip.copy(StripCell(player, type, cell))
                                           .scaled(cellPixels, cellPixels, Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
                painter_.drawImage(area.left() + gap + type * (cellPixels + gap),
                                   area.top() + gap + (player - 1) * (cellPixels + gap), picture);
            }
        }
        y_ += area.height() + 8;
    }

    void Pointers(const QString& folder) {
        QFile list(folder + "/cursors.txt");
        if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
            throw std::runtime_error("Cannot read cursors.txt");
        QTextStream in(&list);
        int x = kMargin;
        while (!in.atEnd()) {
            const QStringList fields = in.readLine().split(' ', Qt::SkipEmptyParts);
            if (fields.size() != 3)
                continue;
            const QImage pointer = Load(folder + "/" + fields[0] + ".png");
            const QPoint hot(fields[1].toInt(), fields[2].toInt());
            Grass(QRect(x, y_, 40, 40));
            painter_.drawImage(x + 4, y_ + 4, pointer);
            painter_.fillRect(QRect(x, y_ + 44, 40, 40), QColor(240, 234, 214));
            painter_.drawImage(x + 4, y_ + 48, pointer);
            // Magnified four times over a checkerboard, the hot spot marked with a red cross.
            const QRect big(x + 44, y_, 128, 128);
            for (int i = 0; i < 8; ++i)
                for (int j = 0; j < 8; ++j)
                    painter_.fillRect(QRect(big.left() + i * 16, big.top() + j * 16, 16, 16),
                                      (i + j) % 2 ? QColor(190, 190, 190) : QColor(120, 120, 120));
            painter_.drawImage(big, pointer.scaled(128, 128));
            const QPoint spot = big.topLeft() + hot * 4 + QPoint(2, 2);
            painter_.setPen(QPen(QColor(255, 0, 0), 1.5));
            painter_.drawLine(spot - QPoint(6, 0), spot + QPoint(6, 0));
            painter_.drawLine(spot - QPoint(0, 6), spot + QPoint(0, 6));
            painter_.setPen(QColor(40, 30, 20));
            painter_.drawText(QPointF(x, y_ + 146), fields[0]);
            x += 180;
            if (x + 172 > kWidth) {
                x = kMargin;
                y_ += 156;
            }
        }
        y_ += 160;
    }

    void Icons(const QString& folder) {
        int x = kMargin;
        for (const char* name : {"marovane", "scenario", "savegame"}) {
            painter_.fillRect(QRect(x, y_, 340, 264), QColor(150, 150, 156));
            painter_.drawImage(x + 4, y_ + 4, Load(folder + "/" + name + ".png"));
            painter_.drawImage(x + 266, y_ + 4, Load(folder + "/" + name + "-48.png"));
            painter_.drawImage(x + 266, y_ + 60, Load(folder + "/" + name + "-32.png"));
            x += 350;
        }
        y_ += 272;
    }

    void Pictures(const QString& folder) {
        const QSize size(520, 390);
        painter_.drawImage(QRect(QPoint(kMargin, y_), size), Load(folder + "/intro.jpg"));
        painter_.drawImage(QRect(QPoint(kMargin + 530, y_), size), Load(folder + "/hide.jpg"));
        y_ += size.height() + 10;
        // The grass four times over, to show that its edges meet without a seam.
        const QImage grass = Load(folder + "/grass.jpg").scaled(256, 256);
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                painter_.drawImage(kMargin + i * 256, y_ + j * 256, grass);
        y_ += 522;
    }

    QImage Finish() {
        painter_.end();
        return image_.copy(0, 0, kWidth, y_ + kMargin);
    }

private:
    void Grass(const QRect& area) {
        painter_.save();
        painter_.setClipRect(area);
        for (int x = area.left(); x < area.right(); x += grass_.width())
            for (int y = area.top(); y < area.bottom(); y += grass_.height())
                painter_.drawImage(x, y, grass_);
        painter_.restore();
    }

    QImage image_;
    QImage grass_;
    QPainter painter_;
    int y_ = kMargin;
};

} // namespace

QImage MakeContactSheet(const QString& programDir, const QString& resourceDir) {
    Sheet sheet(Load(programDir + "/grass.jpg")
                    .scaled(256, 256, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const QStringList strips = QDir(programDir).entryList({"units-*.bmp"}, QDir::Files);
    for (const QString& name : strips) {
        const QImage strip = Load(programDir + "/" + name);
        sheet.Caption(name + " at 64 and at 24 pixels a cell");
        sheet.Units(strip, 64, 4);
        sheet.Units(strip, 24, 2);
    }
    sheet.Caption("Pointers: on grass, on a light card, and magnified with the hot spot");
    sheet.Pointers(resourceDir + "/cursors");
    sheet.Caption("Icons: program, scenario, saved game at 256, 48 and 32 pixels");
    sheet.Icons(resourceDir + "/icons");
    sheet.Caption("intro.jpg, hide.jpg, and grass.jpg tiled two by two");
    sheet.Pictures(programDir);
    return sheet.Finish();
}

} // namespace marovane::art
