#include "util/Error.h"
#include "util/JsonParse.h"
#include "util/JsonPrint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace marovane {
namespace {

TEST(JsonPrint, ListsOfPlainValuesStayOnOneLineSoBoardsPrintOneRowALine) {
    json::Value state = json::Value::object();
    state["Board"] = json::Value::array({json::Value::array({1, 2}), json::Value::array({3, -4})});
    state["Texts"] = json::Value::array({"a \"b\"", true, nullptr});
    state["Empty"] = json::Value::array();
    state["Nested"] = {{"None", json::Value::object()}, {"Rows", json::Value::array()}};
    const std::string printed = json::Print(state);
    EXPECT_EQ(printed, "{\n"
                       "  \"Board\": [\n"
                       "    [1, 2],\n"
                       "    [3, -4]\n"
                       "  ],\n"
                       "  \"Texts\": [\"a \\\"b\\\"\", true, null],\n"
                       "  \"Empty\": [],\n"
                       "  \"Nested\": {\n"
                       "    \"None\": {},\n"
                       "    \"Rows\": []\n"
                       "  }\n"
                       "}");
    EXPECT_EQ(json::Parse(printed), state);
}

// Player biases are single-precision: nine digits give the value back without the noise of its
// widening to double (nlohmann would print 0.1f as 0.10000000149011612).
TEST(JsonPrint, FloatsPrintWithNineSignificantDigits) {
    json::Value numbers =
        json::Value::array({static_cast<double>(-0.133876637f), static_cast<double>(0.1f), 1.0, 0.0,
                            static_cast<double>(1e-7f), 2.5e10, std::nan(""), HUGE_VAL});
    EXPECT_EQ(json::Print(numbers),
              "[-0.133876637, 0.100000001, 1, 0, 1.00000001e-07, 2.5e+10, null, null]");
    EXPECT_EQ(json::Parse(json::Print(numbers))[1].get<float>(), 0.1f);
}

TEST(JsonParse, FaultsAreErrorsNamingLineAndColumn) {
    auto errorOf = [](const std::string& text) {
        try {
            json::Parse(text);
        } catch (const Error& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    // Positions name the character where the fault showed.
    EXPECT_EQ(errorOf("{\n  \"a\": 1,\n  \"a\": 2}"),
              "JSON error at line 3, column 5: the key \"a\" appears twice.")
        << "a second value for a key would silently replace the first";
    EXPECT_EQ(errorOf("{\"a\": [1], \"b\": {\"a\": 2, \"c\": {\"a\": 3}}}"), "no error")
        << "the same key in different objects";
    EXPECT_EQ(errorOf(std::string(100000, '[')),
              "JSON error at line 1, column 66: nesting too deep.");
    EXPECT_EQ(errorOf(std::string(64, '[') + std::string(64, ']')), "no error");
    struct Case {
        std::string text, where;
    };
    for (const Case& c :
         {Case{"{\n  \"a\": 1\n  \"b\": 2}", "at line 3, column 5: "},
          Case{"[1,\n\n  x]", "at line 3, column 3: "}, Case{"[1, 2", "at line 1, column 6: "},
          Case{"[1] x", "at line 1, column 5: "}, Case{"", "at line 1, column 1: "},
          Case{"[\"caf\xE9\"]", "at line 1, column 7: "}}) {
        const std::string error = errorOf(c.text);
        EXPECT_EQ(error.rfind("JSON error " + c.where, 0), 0u) << c.text << ": " << error;
        EXPECT_EQ(error.find("[json.exception"), std::string::npos) << error;
    }
}

} // namespace
} // namespace marovane
