#include "PixelTools.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace marovane::test {
namespace {

QImage LoadPicture(const QString& name) {
    return QImage(QString(MAROVANE_PROGRAM_DIR) + "/" + name).convertToFormat(QImage::Format_RGB32);
}

// Standard deviation of the luminance: how busy a picture is.
double LuminanceSpread(const QImage& image) {
    double sum = 0, squares = 0;
    const double count = double(image.width()) * image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double luminance = qGray(image.pixel(x, y));
            sum += luminance;
            squares += luminance * luminance;
        }
    }
    const double mean = sum / count;
    return std::sqrt(squares / count - mean * mean);
}

TEST(BoardPictures, LoadWithTheirSizes) {
    const QImage intro = LoadPicture("intro.jpg");
    ASSERT_FALSE(intro.isNull());
    EXPECT_GE(intro.width(), 800);
    EXPECT_GE(intro.height(), 600);
    for (const char* name : {"grass.jpg", "hide.jpg"}) {
        const QImage picture = LoadPicture(name);
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_GE(picture.width(), 256) << name;
        EXPECT_GE(picture.height(), 256) << name;
        // A real picture, not a flat fill.
        EXPECT_GT(LuminanceSpread(picture), 2.0) << name;
    }
}

// Across the wrap-around edge (from the last column to the first) a picture that tiles changes
// no more than between neighbouring columns inside it. The inner pairs straddle the picture's
// 8-pixel JPEG blocks as the edge does, so compression affects both alike.
void ExpectNoSeamBetweenLastAndFirstColumn(const QImage& image) {
    const int step = image.width() / 16;
    double inside = 0;
    for (int x = step; x < image.width(); x += step)
        inside += ColumnDifference(image, x - 1, x);
    inside /= 15;
    EXPECT_LT(ColumnDifference(image, image.width() - 1, 0), inside * 1.3 + 0.5);
}

TEST(BoardPictures, GrassRepeatsWithoutASeam) {
    const QImage grass = LoadPicture("grass.jpg");
    ASSERT_FALSE(grass.isNull());
    ASSERT_EQ(grass.width() % 128, 0);
    ASSERT_EQ(grass.height() % 128, 0);
    ExpectNoSeamBetweenLastAndFirstColumn(grass);
    QTransform turn;
    turn.rotate(90);
    ExpectNoSeamBetweenLastAndFirstColumn(grass.transformed(turn));
}

TEST(BoardPictures, GrassIsQuietAndEveryPlayerColourStandsOutOnIt) {
    const QImage grass = LoadPicture("grass.jpg");
    ASSERT_FALSE(grass.isNull());
    EXPECT_LT(LuminanceSpread(grass), 20.0);
    const QImage average = grass.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QColor ground = average.pixelColor(0, 0);
    for (QColor player :
         {QColor(0, 255, 0), QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 255)}) {
        const int dr = player.red() - ground.red(), dg = player.green() - ground.green(),
                  db = player.blue() - ground.blue();
        EXPECT_GT(std::sqrt(dr * dr + dg * dg + db * db), 120) << player.name().toStdString();
    }
}

TEST(Pointers, EachHasAPictureAndAHotSpotOnIt) {
    QFile list(":/cursors/cursors.txt");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly | QIODevice::Text));
    std::map<QString, QPoint> hotSpots;
    QTextStream in(&list);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(fields.size(), 3);
        hotSpots[fields[0]] = QPoint(fields[1].toInt(), fields[2].toInt());
    }
    for (const char* name : {"Run", "Attack", "Arrow", "Rock", "Magic", "Oil", "Repair"}) {
        ASSERT_TRUE(hotSpots.count(name)) << name;
        const QPoint hot = hotSpots[name];
        const QImage pointer(QString(":/cursors/%1.png").arg(name));
        ASSERT_EQ(pointer.size(), QSize(32, 32)) << name;
        ASSERT_TRUE(pointer.hasAlphaChannel()) << name;
        ASSERT_TRUE(pointer.rect().contains(hot)) << name;
        // The hot spot lies on the drawing (or within a pixel or two of its edge), and the
        // picture leaves the board visible around it.
        int opaqueNear = 0, clear = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const int alpha = qAlpha(pointer.pixel(x, y));
                clear += alpha == 0;
                opaqueNear +=
                    alpha > 128 && std::abs(x - hot.x()) <= 2 && std::abs(y - hot.y()) <= 2;
            }
        }
        EXPECT_GT(opaqueNear, 0) << name;
        EXPECT_GT(clear, 32 * 32 / 5) << name;
    }
}

TEST(Icons, ComeInThreeSizesInTheResourceAndTheProgramFolder) {
    const std::pair<const char*, const char*> icons[] = {
        {"marovane", "apps/marovane"},
        {"scenario", "mimetypes/application-x-marovane-scenario"},
        {"savegame", "mimetypes/application-x-marovane-savegame"}};
    std::vector<QImage> large;
    for (const auto& [resource, theme] : icons) {
        for (int size : {256, 48, 32}) {
            const QString suffix = size == 256 ? QString() : QString("-%1").arg(size);
            const QImage icon(QString(":/icons/%1%2.png").arg(resource, suffix));
            EXPECT_EQ(icon.size(), QSize(size, size)) << resource << " " << size;
            EXPECT_TRUE(icon.hasAlphaChannel()) << resource;
            // A shape of its own on any desktop: clear corners, solid middle.
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << resource << " " << size;
            EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << resource << " " << size;
            const QImage file(QString("%1/icons/hicolor/%2x%2/%3.png")
                                  .arg(MAROVANE_PROGRAM_DIR)
                                  .arg(size)
                                  .arg(theme));
            EXPECT_EQ(file.size(), QSize(size, size)) << theme << " " << size;
            if (size == 256)
                large.push_back(icon.convertToFormat(QImage::Format_ARGB32));
        }
    }
    ASSERT_EQ(large.size(), 3u);
    const QRect all(0, 0, 256, 256);
    EXPECT_GT(MeanDifference(large[0], all, large[1], all), 10.0);
    EXPECT_GT(MeanDifference(large[0], all, large[2], all), 10.0);
    EXPECT_GT(MeanDifference(large[1], all, large[2], all), 10.0);
}

// The desktop's icon theme: every size it asks for, and a scalable drawing that looks like the
// drawn icons.
TEST(Icons, TheThemeHasEverySizeAndAScalableDrawingOfTheSameIcon) {
    for (const char* theme : {"apps/marovane", "mimetypes/application-x-marovane-scenario",
                              "mimetypes/application-x-marovane-savegame"}) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage file(QString("%1/icons/hicolor/%2x%2/%3.png")
                                  .arg(MAROVANE_PROGRAM_DIR)
                                  .arg(size)
                                  .arg(theme));
            EXPECT_EQ(file.size(), QSize(size, size)) << theme << " " << size;
        }
        QSvgRenderer svg(
            QString("%1/icons/hicolor/scalable/%2.svg").arg(MAROVANE_PROGRAM_DIR, theme));
        ASSERT_TRUE(svg.isValid()) << theme;
        QImage drawn(256, 256, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        const QImage png =
            QImage(QString("%1/icons/hicolor/256x256/%2.png").arg(MAROVANE_PROGRAM_DIR, theme))
                .convertToFormat(QImage::Format_ARGB32);
        const QRect all(0, 0, 256, 256);
        EXPECT_LT(MeanDifference(drawn, all, png, all), 4.0) << theme;
    }
}

} // namespace
} // namespace marovane::test
