#include "ImageFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace marovane::art {
namespace {

TEST(ImageFiles, BitmapsAreTwentyFourBitEvenFromAnImageWithAlpha) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixelColor(5, 3, QColor(250, 0, 120));
    const QString path = folder.filePath("made/here/strip.bmp");
    SaveBmp24(image, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(uint8_t(header[28]), 24);
    const QImage back(path);
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixelColor(0, 0), QColor(10, 200, 30));
    EXPECT_EQ(back.pixelColor(5, 3), QColor(250, 0, 120));
}

TEST(ImageFiles, AFileThatCannotBeWrittenStopsTheGenerator) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile blocker(folder.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::gray);
    // A folder cannot be made where a file already is.
    EXPECT_THROW(SaveJpeg(image, folder.filePath("file/picture.jpg")), std::runtime_error);
    EXPECT_THROW(SavePng(image, folder.filePath("file/picture.png")), std::runtime_error);
}

} // namespace
} // namespace marovane::art
