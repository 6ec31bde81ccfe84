#include "util/Latin1.h"

#include <gtest/gtest.h>

namespace marovane {
namespace {

TEST(Latin1Text, ConvertsBothWays) {
    EXPECT_EQ(Latin1ToUtf8("200\xA4"), "200\xC2\xA4");
    EXPECT_EQ(Utf8ToLatin1("200\xC2\xA4"), "200\xA4");
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC"), "?") << "the euro sign is not Latin-1";
    EXPECT_EQ(Utf8ToLatin1("a\xC3"), "a?") << "a cut sequence";
    EXPECT_EQ(TrimRight(std::string("ab  \0\0", 6)), "ab");
    EXPECT_EQ(Trim("  ab "), "ab");
}

TEST(Latin1Text, ATerminalGetsMessagesInItsOwnEncoding) {
    struct Case {
        std::string message;
        bool latin1Terminal;
        std::string shown;
    };
    for (const Case& c : {
             Case{"costs 100\xA4.", false, "costs 100\xC2\xA4."},           // the game's own text
             Case{"\"/tmp/\xC3\x9C.def\"", false, "\"/tmp/\xC3\x9C.def\""}, // a UTF-8 file name
             Case{"costs 100\xA4.", true, "costs 100\xA4."},
             Case{"\"/tmp/\xC3\x9C.def\"", true, "\"/tmp/\xDC.def\""},
             Case{"\xC0\x80", false, "\xC3\x80\xC2\x80"}, // an overlong form is no UTF-8
         }) {
        EXPECT_EQ(TerminalText(c.message, c.latin1Terminal), c.shown) << c.message;
    }
}

} // namespace
} // namespace marovane
