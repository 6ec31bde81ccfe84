#include "scenario/DefJson.h"

#include "scenario/BoardString.h"
#include "scenario/DefFile.h"
#include "scenario/Options.h"
#include "support/TestGame.h"
#include "util/Error.h"
#include "util/JsonParse.h"
#include "util/JsonPrint.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

std::string ErrorOf(const std::string& source) {
    try {
        DefFromJson(json::Parse(source));
    } catch (const Error& error) {
        return error.what();
    }
    return "";
}

TEST(DefJson, ShowThenBuildGivesTheSameBytesForEveryShippedScenario) {
    auto names = ListScenarios(MAROVANE_PROGRAM_DIR);
    ASSERT_GE(names.size(), 6u);
    for (const auto& name : names) {
        GameDef def = ReadDefFile(*FindScenario(MAROVANE_PROGRAM_DIR, name));
        std::string shown = json::Print(DefToJson(def));
        EXPECT_EQ(ToBytes(DefFromJson(json::Parse(shown))), ToBytes(def)) << name;
    }
}

TEST(DefJson, ShowGivesRowsTrimmedTextAndPlacementBytes) {
    GameDef def = test::PlainDef(10, 10);
    SetText(def.OptionText[0], "Bigger \xA4");
    SetText(def.Placement, std::string(1, char(40)) + char(80) + "  \x05");
    json::Value shown = DefToJson(def);
    EXPECT_EQ(shown.at("OptionText")[0].get<std::string>(), "Bigger \xC2\xA4");
    EXPECT_EQ(shown.at("Description").get<std::string>(), "A test scenario.");
    EXPECT_EQ(shown.at("StartPos")[0].dump(), "[1,4,0,0]") << "row y = 1";
    EXPECT_EQ(shown.at("Placement").dump(), "[40,80,32,32,5]");
    EXPECT_EQ(shown.at("OptionType").dump(), "[-1,-1]");
}

// The tool prints the record's Latin-1 texts as UTF-8, which nlohmann refuses to print when it is
// malformed: every byte must come through the printer and back.
TEST(DefJson, EveryLatin1CharacterSurvivesShowAndBuild) {
    GameDef def = test::PlainDef(10, 10);
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    SetText(def.Description, everyByte + "end");
    SetText(def.OptionText[1], "\xA4 \xFF \\ \"");
    const std::string shown = json::Print(DefToJson(def));
    EXPECT_EQ(ToBytes(DefFromJson(json::Parse(shown))), ToBytes(def));
}

TEST(DefJson, SourcesMayNameFlagsAndListUnits) {
    GameDef def = DefFromJson(json::Parse(R"({
        "Width": 10, "Height": 10,
        "Options": ["Castle", "Royalty", "Advanced"],
        "UnitsAllowed": ["Peasant", "Royalty"],
        "PlayerLimits": {"Players": [2, 4], "Teams": [0, 3]},
        "PlayerKinds": {"Human": [1], "Computer": [2, 3]},
        "OptionType": ["Treasury", 7],
        "Placement": {"Width": 10, "Height": 10, "Units": [[3, 1, 5, 2]], "Emptied": [[1, 2]]}
    })"));
    EXPECT_EQ(def.Options,
              (1 << option_bit::Castle) | (1 << option_bit::Royalty) | (1 << option_bit::Advanced));
    EXPECT_EQ(def.UnitsAllowed, 1 | (1 << 9));
    EXPECT_EQ(def.PlayerLimits, 0b1010 | (1 << 5) | (1 << 6) | (1 << 8));
    EXPECT_EQ(def.PlayerKinds, 1 | (1 << 5) | (1 << 6));
    EXPECT_EQ(def.OptionType[0], 3);
    EXPECT_EQ(def.OptionType[1], 7);
    EXPECT_EQ(static_cast<unsigned char>(def.Placement[2 + 2]), 64 + 5);
    EXPECT_EQ(def.Placement[2 + 10], 16);
    EXPECT_EQ(def.Placement.size(), GameDef::kPlacementSize);
    EXPECT_EQ(TrimmedText(def.Description), "");
}

TEST(DefJson, BadSourcesNameTheKey) {
    EXPECT_NE(ErrorOf(R"({"Height": 10})").find("\"Width\": missing"), std::string::npos);
    EXPECT_NE(ErrorOf(R"({"Width": 10, "Height": 10, "Colour": 3})").find("Colour"),
              std::string::npos);
    EXPECT_NE(ErrorOf(R"({"Width": 40000, "Height": 10})").find("outside the range"),
              std::string::npos);
    EXPECT_NE(ErrorOf(R"({"Width": 18446744073709551615, "Height": 10})").find("outside the range"),
              std::string::npos)
        << "a number beyond the signed range does not wrap to -1";
    EXPECT_NE(ErrorOf(R"({"Width": 10, "Height": 10, "Options": ["Fgo"]})").find("Fog"),
              std::string::npos);
    EXPECT_NE(
        ErrorOf(R"({"Width": 10, "Height": 10, "Description": ")" + std::string(1001, 'a') + "\"}")
            .find("at most 1000"),
        std::string::npos);
    EXPECT_NE(ErrorOf(R"({"Width": 10, "Height": 10, "Placement": {"Width": 10, "Height": 10,
                          "Units": [[11, 1, 3, 1]]}})")
                  .find("off the board"),
              std::string::npos);
    EXPECT_NE(ErrorOf(R"({"Width": 10, "Height": 10, "Placement": {"Width": 31, "Height": 31}})")
                  .find("900 cells"),
              std::string::npos);
    EXPECT_NE(ErrorOf(R"({"Width": 10, "Height": 10, "StartPos": [[1, 2, 3]]})").find("StartPos"),
              std::string::npos);
    EXPECT_NE(ErrorOf("[1, 2]").find("JSON object"), std::string::npos);
}

} // namespace
} // namespace marovane
