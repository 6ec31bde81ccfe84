#include "session/Settings.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

TEST(Settings, EverySettingIsWrittenUnderItsKeyAndReadBack) {
    MemorySettings store;
    PlayerSettings settings(store);
    settings.SetViewOption(view_option::ShowThinking, false);
    settings.SetViewOption(view_option::HideOpponents, true);
    settings.SetViewOption(view_option::AutoNextTurn, false);
    settings.SetShowAbout(false);
    settings.SetLastHost("game-room.local");
    settings.SetComputerStrength(ComputerLevel::Hard);
    const std::map<std::string, std::string> expected = {
        {"Show Computer &Thinking", "False"}, {"&Hide Opponents Turn", "True"},
        {"&Auto Next Turn", "False"},         {"Show About", "False"},
        {"LastHost", "game-room.local"},      {"Computer Level", "Hard"}};
    EXPECT_EQ(store.Values, expected);

    const PlayerSettings again(store);
    EXPECT_FALSE(again.ViewOption(view_option::ShowThinking));
    EXPECT_TRUE(again.ViewOption(view_option::HideOpponents));
    EXPECT_FALSE(again.ViewOption(view_option::AutoNextTurn));
    EXPECT_FALSE(again.ShowAbout());
    EXPECT_EQ(again.LastHost(), "game-room.local");
    EXPECT_EQ(again.ComputerStrength(), ComputerLevel::Hard);
    settings.SetShowAbout(true);
    EXPECT_EQ(store.Values["Show About"], "True");
}

TEST(Settings, FlagsReadTheirWordsInAnyCaseAndFallBackOnAnythingElse) {
    MemorySettings store;
    const PlayerSettings settings(store);
    for (const char* word : {"True", "TRUE", "true"}) {
        store.Values["&Hide Opponents Turn"] = word;
        EXPECT_TRUE(settings.ViewOption(view_option::HideOpponents)) << word;
    }
    store.Values["Show About"] = "false";
    EXPECT_FALSE(settings.ShowAbout());
    store.Values["Show About"] = "perhaps";
    EXPECT_TRUE(settings.ShowAbout());
    store.Values["&Hide Opponents Turn"] = "";
    EXPECT_FALSE(settings.ViewOption(view_option::HideOpponents));
    store.Values["Computer Level"] = "HARD";
    EXPECT_EQ(settings.ComputerStrength(), ComputerLevel::Hard);
    store.Values["Computer Level"] = "Grandmaster";
    EXPECT_EQ(settings.ComputerStrength(), ComputerLevel::Standard);
}

} // namespace
} // namespace marovane
