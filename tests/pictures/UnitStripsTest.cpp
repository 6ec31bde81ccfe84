#include "PixelTools.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace marovane::test {
namespace {

constexpr int kColumns = 3;
constexpr int kRows = 20;
constexpr int kPlayers = 4;
constexpr int kTypes = 15;

const std::array<QColor, kPlayers> kPlayerColours = {QColor(0, 255, 0), QColor(255, 0, 0),
                                                     QColor(0, 0, 255), QColor(0, 255, 255)};

QString ProgramDir() {
    return MAROVANE_PROGRAM_DIR;
}

std::vector<std::string> StripFiles() {
    std::vector<std::string> names;
    for (const QString& name : QDir(ProgramDir()).entryList({"units-*.bmp"}, QDir::Files))
        names.push_back(name.toStdString());
    return names;
}

QRect CellRect(int cell, int size) {
    return QRect((cell % kColumns) * size, (cell / kColumns) * size, size, size);
}

QString CellName(int cell) {
    return QString("player %1 type %2").arg(cell / kTypes + 1).arg(cell % kTypes);
}

TEST(UnitStrips, BothShippedSetsArePresent) {
    const auto names = StripFiles();
    EXPECT_NE(std::find(names.begin(), names.end(), "units-People.bmp"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "units-Alphabet.bmp"), names.end());
}

class UnitStrip : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        path_ = ProgramDir() + "/" + QString::fromStdString(GetParam());
        image_ = QImage(path_).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(image_.isNull()) << path_.toStdString();
        cell_ = image_.width() / kColumns;
    }

    QString path_;
    QImage image_;
    int cell_ = 0;
};

TEST_P(UnitStrip, IsATwentyFourBitBitmap) {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_EQ(header.left(2), QByteArray("BM"));
    const int bitsPerPixel = uint8_t(header[28]) | uint8_t(header[29]) << 8;
    EXPECT_EQ(bitsPerPixel, 24);
}

TEST_P(UnitStrip, HoldsThreeByTwentySquareCellsOfAtLeast64Pixels) {
    EXPECT_EQ(image_.width() % kColumns, 0);
    EXPECT_EQ(image_.height(), cell_ * kRows);
    EXPECT_GE(cell_, 64);
}

TEST_P(UnitStrip, AllSixtyCellsDifferFromEachOther) {
    // Not merely a changed pixel: two pictures must differ enough to be told apart by eye.
    for (int a = 0; a < kPlayers * kTypes; ++a) {
        for (int b = a + 1; b < kPlayers * kTypes; ++b) {
            const double difference =
                MeanDifference(image_, CellRect(a, cell_), image_, CellRect(b, cell_));
            EXPECT_GT(difference, 4.0) << CellName(a).toStdString() << " and "
                                       << CellName(b).toStdString() << " look alike";
        }
    }
}

TEST_P(UnitStrip, EveryCellCarriesItsOwnersColourAndNoOtherPlayers) {
    for (int cell = 0; cell < kPlayers * kTypes; ++cell) {
        const int owner = cell / kTypes;
        const QRect area = CellRect(cell, cell_);
        const double own = ShareNear(image_, area, kPlayerColours[owner], 60);
        EXPECT_GE(own, 0.15) << CellName(cell).toStdString();
        for (int other = 0; other < kPlayers; ++other) {
            if (other == owner)
                continue;
            const double foreign = ShareNear(image_, area, kPlayerColours[other], 60);
            EXPECT_LT(foreign, 0.02)
                << CellName(cell).toStdString() << " shows player " << other + 1 << "'s colour";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedSets, UnitStrip, testing::ValuesIn(StripFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             // "units-People.bmp" becomes "People".
                             return info.param.substr(6, info.param.size() - 10);
                         });

} // namespace
} // namespace marovane::test
