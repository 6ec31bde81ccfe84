#include "util/Json.h"

#include "util/Error.h"
#include "util/Latin1.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

TEST(Json, ParsesAndPrintsInKeyOrder) {
    json::Value value = json::Parse(R"( {"b": [1, -2, 3.5], "a": {"x": true, "y": null},
                                         "s": "q\"\\\n\u00e9"} )");
    EXPECT_EQ(value.Dump(0), R"({"b":[1,-2,3.5],"a":{"x":true,"y":null},"s":"q\"\\\n)"
                             "\xC3\xA9\"}");
    EXPECT_EQ(value.Find("b")->AsArray()[1].AsInteger(), -2);
    EXPECT_EQ(value.Find("missing"), nullptr);
    EXPECT_EQ(json::Parse(value.Dump()).Dump(0), value.Dump(0)) << "pretty output parses back";
}

TEST(Json, BoardsPrintOneRowALine) {
    json::Value rows = json::Value::MakeArray();
    rows.Push(json::Value(json::Value::Array{1, 2}));
    rows.Push(json::Value(json::Value::Array{3, 4}));
    EXPECT_EQ(rows.Dump(2), "[\n  [1, 2],\n  [3, 4]\n]");
}

TEST(Json, FaultsNameLineAndColumn) {
    auto errorOf = [](const std::string& text) {
        try {
            json::Parse(text);
        } catch (const Error& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_NE(errorOf("{\n  \"a\": 1,\n  \"a\": 2}").find("line 3"), std::string::npos);
    EXPECT_NE(errorOf("[1, 2").find("expected ']'"), std::string::npos);
    EXPECT_NE(errorOf("\"open").find("closing quote"), std::string::npos);
    EXPECT_NE(errorOf("[1] x").find("after the end"), std::string::npos);
    EXPECT_NE(errorOf("99999999999999999999").find("out of range"), std::string::npos);
    EXPECT_NE(errorOf(std::string(1000, '[')).find("too deep"), std::string::npos);
    EXPECT_NE(errorOf("").find("unexpected end"), std::string::npos);
}

TEST(Latin1Text, ConvertsBothWays) {
    EXPECT_EQ(Latin1ToUtf8("200\xA4"), "200\xC2\xA4");
    EXPECT_EQ(Utf8ToLatin1("200\xC2\xA4"), "200\xA4");
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC"), "?") << "the euro sign is not Latin-1";
    EXPECT_EQ(Utf8ToLatin1("a\xC3"), "a?") << "a cut sequence";
    EXPECT_EQ(TrimRight(std::string("ab  \0\0", 6)), "ab");
    EXPECT_EQ(Trim("  ab "), "ab");
}

} // namespace
} // namespace marovane
