#include "ImageFiles.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace marovane::art {

namespace {

void Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format, quality))
        throw std::runtime_error("Cannot write \"" + path.toStdString() + "\".");
}

} // namespace

void SaveBmp24(const QImage& image, const QString& path) {
    // The game's strips are plain 24-bit bitmaps: without an alpha channel Qt writes 24 bits.
    Save(image.convertToFormat(QImage::Format_RGB32), path, "BMP");
}

void SaveJpeg(const QImage& image, const QString& path, int quality) {
    Save(image.convertToFormat(QImage::Format_RGB32), path, "JPG", quality);
}

void SavePng(const QImage& image, const QString& path) {
    Save(image, path, "PNG");
}

} // namespace marovane::art
