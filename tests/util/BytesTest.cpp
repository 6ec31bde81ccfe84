#include "util/Bytes.h"

#include "util/Error.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>

namespace marovane {
namespace {

using namespace std::string_literals;

// One of every item, with the values where an encoding goes wrong: sign bits, the high byte,
// -0.0 and a NaN with a payload, text cut and padded.
std::string EveryItem() {
    ByteWriter out;
    out.Byte(0xFE);
    out.Int16(0x1234);
    out.Int16(-2);
    out.Int16(std::numeric_limits<int16_t>::min());
    out.UInt32(0x12345678u);
    out.UInt32(0x80000005u);
    out.Float(-0.5f);
    out.Float(-0.0f);
    out.Float(std::bit_cast<float>(0x7FC00001u));
    out.Flag(true);
    out.Flag(false);
    out.Text("ab\xA4", 5);
    out.Text("abcdef", 3);
    out.Bytes("\0\xFF"s);
    return out.Take();
}

TEST(ByteWriter, WritesEveryItemLittleEndianWithoutGaps) {
    EXPECT_EQ(EveryItem(), "\xFE"
                           "\x34\x12"
                           "\xFE\xFF"
                           "\x00\x80"
                           "\x78\x56\x34\x12"
                           "\x05\x00\x00\x80"
                           "\x00\x00\x00\xBF"
                           "\x00\x00\x00\x80"
                           "\x01\x00\xC0\x7F"
                           "\xFF\xFF"
                           "\x00\x00"
                           "ab\xA4  "
                           "abc"
                           "\x00\xFF"s);
}

TEST(ByteReader, ReadsBackWhatTheWriterWrote) {
    const std::string bytes = EveryItem();
    ByteReader in(bytes);
    EXPECT_EQ(in.Byte("a"), 0xFE);
    EXPECT_EQ(in.Int16("a"), 0x1234);
    EXPECT_EQ(in.Int16("a"), -2);
    EXPECT_EQ(in.Int16("a"), std::numeric_limits<int16_t>::min());
    EXPECT_EQ(in.UInt32("a"), 0x12345678u);
    EXPECT_EQ(in.UInt32("a"), 0x80000005u);
    EXPECT_EQ(in.Float("a"), -0.5f);
    const float negativeZero = in.Float("a");
    EXPECT_TRUE(negativeZero == 0.0f && std::signbit(negativeZero));
    EXPECT_EQ(std::bit_cast<uint32_t>(in.Float("a")), 0x7FC00001u) << "NaN bits kept";
    EXPECT_TRUE(in.Flag("a"));
    EXPECT_FALSE(in.Flag("a"));
    EXPECT_EQ(in.Text(5, "a"), "ab\xA4  ") << "text comes back with its padding";
    EXPECT_EQ(in.Text(3, "a"), "abc");
    EXPECT_EQ(in.Bytes(2, "a"), "\0\xFF"s);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(in.Position(), bytes.size());
}

TEST(ByteReader, RefusesEveryItemThatRunsPastTheEndAndConsumesNothing) {
    struct Case {
        const char* What;
        size_t Size;
        std::function<void(ByteReader&)> Read;
    };
    const Case cases[] = {
        {"a byte", 1, [](ByteReader& in) { in.Byte("a byte"); }},
        {"a number", 2, [](ByteReader& in) { in.Int16("a number"); }},
        {"a colour", 4, [](ByteReader& in) { in.UInt32("a colour"); }},
        {"a bias", 4, [](ByteReader& in) { in.Float("a bias"); }},
        {"a flag", 2, [](ByteReader& in) { in.Flag("a flag"); }},
        {"a name", 7, [](ByteReader& in) { in.Text(7, "a name"); }},
        {"a record", 9, [](ByteReader& in) { in.Bytes(9, "a record"); }},
        {"a run", 9, [](ByteReader& in) { in.Require(9, "a run"); }},
    };
    for (const Case& c : cases) {
        // Two bytes before the item, then one byte too few of it.
        const std::string bytes = "xy" + std::string(c.Size - 1, '\0');
        ByteReader in(bytes);
        in.Bytes(2, "the start");
        try {
            c.Read(in);
            ADD_FAILURE() << c.What << " read past the end";
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), "The data ends inside "s + c.What + ".");
        }
        EXPECT_EQ(in.Position(), 2u) << c.What;
    }

    ByteReader empty(std::string_view{});
    EXPECT_NO_THROW(empty.Require(0, "nothing"));
    EXPECT_THROW(empty.Bytes(std::numeric_limits<size_t>::max(), "a huge run"), Error)
        << "a length from the input is checked, not allocated";
}

TEST(ByteReader, RefusalsCarryTheReadersHeadingAndFlagsHoldOnlyMinusOneOrZero) {
    const std::string bytes = "\x01\x00\x05"s;
    ByteReader in(bytes, {"Invalid save file.", "file"});
    try {
        in.Flag("GameOn");
        ADD_FAILURE() << "a flag of 1 accepted";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(),
                     "Invalid save file.\nThe flag GameOn holds 1 instead of -1 or 0.");
    }
    try {
        in.Int16("the board size");
        ADD_FAILURE() << "read past the end";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Invalid save file.\nThe file ends inside the board size.");
    }
    EXPECT_EQ(in.Byte("the last byte"), 5);
}

} // namespace
} // namespace marovane
