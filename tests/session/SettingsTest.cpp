#include "session/Settings.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

TEST(Settings, OptionsReadTheirWordsInAnyCaseAndFallBackOnAnythingElse) {
    MemorySettings settings;
    const std::string key = ViewOptionCaptions()[view_option::AutoNextTurn];
    EXPECT_TRUE(ReadViewOption(settings, view_option::AutoNextTurn, true)) << "nothing stored";
    EXPECT_FALSE(ReadViewOption(settings, view_option::AutoNextTurn, false));
    for (const char* word : {"True", "TRUE", "true"}) {
        settings.Values[key] = word;
        EXPECT_TRUE(ReadViewOption(settings, view_option::AutoNextTurn, false)) << word;
    }
    settings.Values[key] = "false";
    EXPECT_FALSE(ReadViewOption(settings, view_option::AutoNextTurn, true));
    settings.Values[key] = "perhaps";
    EXPECT_TRUE(ReadViewOption(settings, view_option::AutoNextTurn, true));
    EXPECT_FALSE(ReadViewOption(settings, view_option::AutoNextTurn, false));
    WriteViewOption(settings, view_option::AutoNextTurn, true);
    EXPECT_EQ(settings.Values[key], "True");
}

} // namespace
} // namespace marovane
