#include "scenario/GameDef.h"

#include "engine/Random.h"
#include "util/Error.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

int16_t At(const std::array<uint8_t, kGameDefSize>& bytes, size_t offset) {
    return static_cast<int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

TEST(GameDefRecord, FieldsSitAtTheirOffsetsLittleEndian) {
    GameDef def;
    def.Width = 30;
    def.Height = 0x1234;
    def.Treasury = -2;
    def.Reward = 500;
    def.PartySize = 6;
    def.Options = static_cast<int16_t>(0x8421);
    def.PlayerLimits = 0x0F0F;
    def.PlayerKinds = 0x00FF;
    SetText(def.OptionText[0], "First");
    SetText(def.OptionText[1], "Second \xA4");
    def.OptionType = {3, -1};
    def.OptionAmount = {1000, -7};
    SetText(def.Description, "Win.");
    def.StartPos[1][0] = 5; // (2, 1)
    def.StartPos[0][1] = 9; // (1, 2)
    def.StartPos[3][3] = 15;
    def.UnitsAllowed = 0x03FF;
    SetText(def.Placement, "(P");

    auto bytes = ToBytes(def);
    EXPECT_EQ(bytes[0], 30);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 0x34);
    EXPECT_EQ(bytes[3], 0x12);
    EXPECT_EQ(At(bytes, 4), -2);
    EXPECT_EQ(At(bytes, 6), 500);
    EXPECT_EQ(At(bytes, 8), 6);
    EXPECT_EQ(static_cast<uint16_t>(At(bytes, 10)), 0x8421);
    EXPECT_EQ(At(bytes, 12), 0x0F0F);
    EXPECT_EQ(At(bytes, 14), 0x00FF);
    EXPECT_EQ(std::string(bytes.begin() + 16, bytes.begin() + 22), "First ");
    EXPECT_EQ(bytes[65], ' ') << "text is padded with blanks to its full size";
    EXPECT_EQ(std::string(bytes.begin() + 66, bytes.begin() + 74), "Second \xA4");
    EXPECT_EQ(At(bytes, 116), 3);
    EXPECT_EQ(At(bytes, 118), -1);
    EXPECT_EQ(At(bytes, 120), 1000);
    EXPECT_EQ(At(bytes, 122), -7);
    EXPECT_EQ(std::string(bytes.begin() + 124, bytes.begin() + 128), "Win.");
    EXPECT_EQ(bytes[1123], ' ');
    EXPECT_EQ(At(bytes, 1124 + 2), 5) << "(2, 1) is the second value: x varies fastest";
    EXPECT_EQ(At(bytes, 1124 + 8), 9) << "(1, 2) is the fifth value";
    EXPECT_EQ(At(bytes, 1154), 15);
    EXPECT_EQ(At(bytes, 1156), 0x03FF);
    EXPECT_EQ(bytes[1158], '(');
    EXPECT_EQ(bytes[1159], 'P');
    EXPECT_EQ(bytes[2059], ' ');

    EXPECT_EQ(FromBytes(bytes), def);
}

TEST(GameDefRecord, AnyBytesRoundTripExactly) {
    Random random(5);
    for (int round = 0; round < 50; ++round) {
        std::array<uint8_t, kGameDefSize> bytes{};
        for (auto& b : bytes)
            b = static_cast<uint8_t>(random.Rnd() * 256);
        EXPECT_EQ(ToBytes(FromBytes(bytes)), bytes);
    }
}

TEST(GameDefRecord, TheAllZeroRecordIsEmptyAndShortInputIsRefused) {
    std::array<uint8_t, kGameDefSize> zero{};
    GameDef def = FromBytes(zero);
    EXPECT_EQ(def.Width, 0);
    EXPECT_EQ(TrimmedText(def.Description), "");
    EXPECT_EQ(ToBytes(def), zero);
    EXPECT_EQ(def, GameDef{});

    std::vector<uint8_t> shorter(kGameDefSize - 1);
    EXPECT_THROW(FromBytes(shorter), Error);
    std::vector<uint8_t> longer(kGameDefSize + 100, 7);
    EXPECT_EQ(FromBytes(longer).Width, 0x0707) << "a longer input is read up to the record's end";
}

TEST(GameDefRecord, TextIsCutToItsField) {
    GameDef def;
    SetText(def.OptionText[0], std::string(80, 'x'));
    EXPECT_EQ(def.OptionText[0], std::string(50, 'x'));
    SetText(def.OptionText[0], "short");
    EXPECT_EQ(TrimmedText(def.OptionText[0]), "short");
    EXPECT_EQ(def.OptionText[0].size(), 50u);
}

} // namespace
} // namespace marovane
