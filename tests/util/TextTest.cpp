#include "util/Text.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

// The English form puts every value in its place in one pass: a value that holds "%1" itself, a
// text as a value, a number, and a mark without a value, which stays as written.
TEST(Text, TheEnglishFormPutsEachValueInItsPlaceOnce) {
    const Text team = Tx("Rules", "The %1 Players").Arg("Left");
    const struct {
        Text text;
        const char* english;
    } cases[] = {
        {Tx("Rules", "Player %1's Turn").Arg(3), "Player 3's Turn"},
        {Tx("Rules", "%2 before %1").Arg("a").Arg("b"), "b before a"},
        {Tx("Rules", "%1 have conquered all!").Arg(team), "The Left Players have conquered all!"},
        {Tx("Files", "Cannot read \"%1\".").Arg("100%1.def"), "Cannot read \"100%1.def\"."},
        {Tx("Rules", "%1 of %3, 50%").Arg(1), "1 of %3, 50%"},
        {Verbatim("%1 as it stands"), "%1 as it stands"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text.English(), c.english) << c.text.Source();
}

} // namespace
} // namespace marovane
