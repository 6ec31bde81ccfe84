#include "ui/PictureStrip.h"

#include <QImage>

namespace marovane {

bool PictureStrip::Load(const QDir& folder, const QString& name) {
    QImage strip(folder.filePath("units-" + name + ".bmp"));
    pictures_.clear();
    name_.clear();
    if (strip.isNull() || strip.width() < kColumns || strip.height() < kRows)
        return false;
    const int width = strip.width() / kColumns;
    const int height = strip.height() / kRows;
    pictures_.reserve(kPictures);
    for (int n = 0; n < kPictures; ++n) {
        pictures_.push_back(QPixmap::fromImage(
            strip.copy((n % kColumns) * width, (n / kColumns) * height, width, height)));
    }
    name_ = name;
    return true;
}

const QPixmap& PictureStrip::Picture(int n) const {
    static const QPixmap none;
    if (n < 0 || n >= static_cast<int>(pictures_.size()))
        return none;
    return pictures_[static_cast<size_t>(n)];
}

QStringList PictureStrip::SetNames(const QDir& folder) {
    QStringList names;
    for (const QString& file : folder.entryList({"units-*.bmp"}, QDir::Files, QDir::Name)) {
        names << file.mid(6, file.size() - 6 - 4);
    }
    return names;
}

} // namespace marovane
