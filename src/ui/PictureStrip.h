#pragma once

#include <QDir>
#include <QPixmap>
#include <QStringList>

#include <vector>

namespace marovane {

// A unit picture set: one bitmap of 3 columns by 20 rows of equal cells, cut into its 60
// pictures. Picture n (owner - 1) * 15 + type sits in row n / 3, column n % 3.
class PictureStrip {
public:
    static constexpr int kColumns = 3;
    static constexpr int kRows = 20;
    static constexpr int kPictures = kColumns * kRows;

    // Loads "units-NAME.bmp" from the folder; false (and no pictures) when it cannot be read.
    bool Load(const QDir& folder, const QString& name);
    bool Loaded() const { return !pictures_.empty(); }
    const QString& Name() const { return name_; }
    // The picture of number n, or an empty one outside 0..59 or when nothing is loaded.
    const QPixmap& Picture(int n) const;

    // The names of the sets in a folder: the part of each "units-*.bmp" between "units-" and
    // ".bmp", sorted.
    static QStringList SetNames(const QDir& folder);

private:
    std::vector<QPixmap> pictures_;
    QString name_;
};

} // namespace marovane
