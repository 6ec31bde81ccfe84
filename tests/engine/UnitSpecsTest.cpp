#include "engine/UnitSpecs.h"

#include "support/TestGame.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <fstream>

namespace marovane {
namespace {

// Fifteen records, one a line, with the given text in place of the first record.
std::string Table(const std::string& first = "\"Peasant\", 32, 50, 211000") {
    std::string text = first + "\n";
    for (int t = 1; t < kUnitTypes; ++t)
        text += "Type " + std::to_string(t) + "," + std::to_string(10 * t + 2) + ",100,321000\n";
    return text;
}

std::string ErrorOf(const std::string& text) {
    try {
        ParseSpecs(text, "specs.txt");
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

TEST(UnitSpecsReading, ReadsQuotedNamesBlanksAndPackedDigits) {
    UnitSpecs specs = ParseSpecs(Table("  \"Light, Fast\"  ,  53 ,  -1 , 421000"), "specs.txt");
    EXPECT_EQ(specs.UnitName[0], "Light, Fast");
    EXPECT_EQ(specs.UnitStrength[0], 53);
    EXPECT_EQ(specs.HitPoints(0), 5);
    EXPECT_EQ(specs.Moves(0), 3);
    EXPECT_EQ(specs.UnitCost[0], -1);
    EXPECT_EQ(specs.UnitMaxDamage[0], 4);
    EXPECT_EQ(specs.UnitMinDamage[0], 2);
    EXPECT_EQ(specs.UnitRange[0], 1);
    EXPECT_EQ(specs.UnitCloseBonus[0], 0);
    EXPECT_EQ(specs.UnitWallBonus[0], 0);
    EXPECT_EQ(specs.UnitWallPenalty[0], 0);
    EXPECT_EQ(specs.UnitName[1], "Type 1");
}

TEST(UnitSpecsReading, EveryDigitHasItsPlaceAndExcessStaysWithMaximumDamage) {
    UnitSpecs specs = ParseSpecs(Table("Siege,41,300,123654321"), "specs.txt");
    EXPECT_EQ(specs.UnitMaxDamage[0], 1236);
    EXPECT_EQ(specs.UnitMinDamage[0], 5);
    EXPECT_EQ(specs.UnitRange[0], 4);
    EXPECT_EQ(specs.UnitCloseBonus[0], 3);
    EXPECT_EQ(specs.UnitWallBonus[0], 2);
    EXPECT_EQ(specs.UnitWallPenalty[0], 1);

    UnitSpecs zero = ParseSpecs(Table("Idle,50,0,0"), "specs.txt");
    EXPECT_EQ(zero.UnitMaxDamage[0], 0);
    EXPECT_EQ(zero.UnitRange[0], 0);
    EXPECT_EQ(zero.Moves(0), 0);
}

TEST(UnitSpecsReading, LineEndsAndCommasBothSeparateItems) {
    std::string text =
        "\"Peasant\"\n32\r\n50,\n211000\n\n" + Table().substr(Table().find('\n') + 1);
    UnitSpecs specs = ParseSpecs(text, "specs.txt");
    EXPECT_EQ(specs.UnitStrength[0], 32);
    EXPECT_EQ(specs.UnitCost[0], 50);
    EXPECT_EQ(specs.UnitMaxDamage[0], 2);
    EXPECT_EQ(specs.UnitStrength[14], 142);
}

TEST(UnitSpecsReading, NothingAfterTheFifteenthRecordIsRead) {
    UnitSpecs specs = ParseSpecs(Table() + "this is not read, at all\n\"x\",y,z\n", "specs.txt");
    EXPECT_EQ(specs.UnitName[14], "Type 14");
}

TEST(UnitSpecsReading, ShippedTableGivesTheFixedRoles) {
    UnitSpecs specs = LoadSpecs(std::filesystem::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    EXPECT_LT(specs.UnitCost[unit_type::King], 0);
    EXPECT_LT(specs.UnitCost[unit_type::Queen], 0);
    EXPECT_LT(specs.UnitCost[unit_type::Wall], 1);
    EXPECT_EQ(specs.Moves(unit_type::Wall), 0);
    EXPECT_EQ(specs.UnitCloseBonus[unit_type::Catapult], 9) << "a catapult cannot shoot next to it";
    for (int t = 0; t < unit_type::King; ++t) {
        EXPECT_GT(specs.UnitCost[t], 0) << "type " << t;
        EXPECT_GT(specs.Moves(t), 0) << "type " << t;
        EXPECT_LE(specs.UnitMinDamage[t], specs.UnitMaxDamage[t]) << "type " << t;
    }
    // Within each class, heavier armour costs more and lasts longer.
    for (int row = 0; row < 3; ++row) {
        int light = 3 + row * 3;
        EXPECT_LT(specs.UnitCost[light], specs.UnitCost[light + 1]);
        EXPECT_LT(specs.UnitCost[light + 1], specs.UnitCost[light + 2]);
        EXPECT_LE(specs.HitPoints(light), specs.HitPoints(light + 1));
        EXPECT_LE(specs.HitPoints(light + 1), specs.HitPoints(light + 2));
    }
}

TEST(UnitSpecsFailures, MissingFileNamesTheFile) {
    try {
        LoadSpecs("/nonexistent/folder/specs.txt");
        FAIL() << "a missing file must stop the start";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/folder/specs.txt"),
                  std::string::npos);
    }
}

TEST(UnitSpecsFailures, ShortTableNamesTheIncompleteRecord) {
    std::string text = Table();
    std::string fourteen = text.substr(0, text.rfind("Type 14"));
    std::string message = ErrorOf(fourteen);
    EXPECT_NE(message.find("specs.txt, line 15, record 15 (unit type 14)"), std::string::npos)
        << message;
    EXPECT_NE(message.find("ends before the record is complete"), std::string::npos) << message;

    std::string halfRecord = fourteen + "Type 14, 142\n";
    message = ErrorOf(halfRecord);
    EXPECT_NE(message.find("record 15"), std::string::npos) << message;
    EXPECT_NE(message.find("cost"), std::string::npos) << message;
}

TEST(UnitSpecsFailures, ItemsThatAreNotNumbersNameRecordAndItem) {
    std::string message = ErrorOf(Table("Peasant, strong, 50, 211000"));
    EXPECT_NE(
        message.find("record 1 (unit type 0), strength code: \"strong\" is not a whole number"),
        std::string::npos)
        << message;
    EXPECT_NE(ErrorOf(Table("Peasant, 32, 5x, 211000")).find("cost"), std::string::npos);
    EXPECT_NE(ErrorOf(Table("Peasant, 32, , 211000")).find("not a whole number"),
              std::string::npos);
    EXPECT_NE(ErrorOf(Table("Peasant, 32, \"50\", 211000")).find("not a whole number"),
              std::string::npos);
}

TEST(UnitSpecsFailures, ValuesOutsideTheirRangeAreRefused) {
    EXPECT_NE(ErrorOf(Table("Giant, 32768, 50, 0")).find("outside the range -32768..32767"),
              std::string::npos);
    EXPECT_NE(ErrorOf(Table("Giant, 32, -40000, 0")).find("cost"), std::string::npos);
    EXPECT_NE(ErrorOf(Table("Giant, 32, 50, 9999999999")).find("packed statistics"),
              std::string::npos);
    EXPECT_NE(ErrorOf(Table("Giant, 32, 50, -211000")).find("negative"), std::string::npos);
    EXPECT_EQ(ErrorOf(Table("Giant, 32767, -32768, 2147483647")), "");
}

TEST(UnitSpecsFailures, ANegativeStrengthIsRefusedNamingItsLine) {
    // The fourth record, on the fifth line after a blank one: its unit could never be bought
    // onto a board that the rules can handle.
    std::string text = Table();
    const size_t third = text.find("Type 3");
    text.replace(third, text.find('\n', third) - third, "Type 3,-32,100,321000");
    text.insert(0, "\n");
    const std::string message = ErrorOf(text);
    EXPECT_NE(message.find("specs.txt, line 5, record 4 (unit type 3), strength code: -32 is "
                           "negative"),
              std::string::npos)
        << message;
}

} // namespace
} // namespace marovane
