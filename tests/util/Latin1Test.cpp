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

} // namespace
} // namespace marovane
