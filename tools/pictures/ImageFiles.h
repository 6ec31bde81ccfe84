#pragma once

#include <QImage>
#include <QString>

namespace marovane::art {

// Each writes the picture, making the folder first; a failure throws std::runtime_error
// naming the file, so the build stops instead of shipping a missing picture.
void SaveBmp24(const QImage& image, const QString& path);
void SaveJpeg(const QImage& image, const QString& path, int quality = 92);
void SavePng(const QImage& image, const QString& path);

} // namespace marovane::art
