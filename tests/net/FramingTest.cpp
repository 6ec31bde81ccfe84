#include "net/Framing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marovane::net {
namespace {

using namespace std::string_literals;

// The reader's events as short texts, the bytes of one file joined into one entry however the
// stream was cut: "254:payload", "file name 5", "bytes ...", "end", "refused".
std::vector<std::string> Drain(StreamReader& reader, std::vector<std::string>& log) {
    while (std::optional<StreamEvent> event = reader.Next()) {
        switch (event->What) {
        case StreamEvent::Kind::Frame:
            log.push_back(std::to_string(event->Type) + ":" + event->Text);
            break;
        case StreamEvent::Kind::FileStart:
            log.push_back("file " + event->Text + " " + std::to_string(event->Length));
            break;
        case StreamEvent::Kind::FileBytes:
            if (!log.empty() && log.back().starts_with("bytes "))
                log.back() += event->Text;
            else
                log.push_back("bytes " + event->Text);
            break;
        case StreamEvent::Kind::FileEnd:
            log.push_back("end");
            break;
        case StreamEvent::Kind::Refused:
            log.push_back("refused");
            break;
        }
    }
    return log;
}

std::vector<std::string> Read(const std::vector<std::string>& pieces) {
    StreamReader reader;
    std::vector<std::string> log;
    for (const std::string& piece : pieces) {
        reader.Feed(piece);
        Drain(reader, log);
    }
    return log;
}

std::vector<std::string> ReadWhole(const std::string& bytes) {
    return Read({bytes});
}

// What our senders write for one message: the frame and the extra mark.
std::string Sent(FrameType type, const std::string& payload = {}) {
    return EncodeFrame(type, payload) + kFrameMark;
}

TEST(FrameWriting, EveryFrameTypeByteForByte) {
    EXPECT_EQ(EncodeFrame(kLeaveFrame), "\xFF\xF8\xFF"s);
    EXPECT_EQ(EncodeFrame(kAcceptFrame), "\xFF\xF9\xFF"s);
    EXPECT_EQ(EncodeFrame(kTitleFrame, "Marovane"), "\xFF\xFAMarovane\xFF"s);
    EXPECT_EQ(EncodeFrame(kVersionFrame, "1.0"), "\xFF\xFB"
                                                 "1.0\xFF"s);
    EXPECT_EQ(EncodeFrame(kSetupFrame, "P\x01\x02"s), "\xFF\xFCP\x01\x02\xFF"s);
    // Every 0xFF of the payload is doubled with a 0x00, the last one included.
    EXPECT_EQ(EncodeFrame(kDataFrame, "\xFF\x00\xFFx\xFF"s),
              "\xFF\xFE\xFF\x00\x00\xFF\x00x\xFF\x00\xFF"s);
    EXPECT_EQ(EncodeFrame(kDataFrame, ""), "\xFF\xFE\xFF"s);
}

TEST(FrameWriting, EveryMarkOfALongPayloadIsDoubledWhereverItFalls) {
    // Runs of 0 to 20 other bytes between marks put a mark at every place of the eight-byte
    // words the writer copies whole; a run of marks and a long run without one close it.
    std::string payload, escaped;
    for (int run = 0; run <= 20; ++run) {
        const std::string other(static_cast<size_t>(run), static_cast<char>('a' + run));
        payload += other + "\xFF";
        escaped += other + "\xFF\x00"s;
    }
    payload += "\xFF\xFF\xFF" + std::string(30, 'z');
    escaped += "\xFF\x00\xFF\x00\xFF\x00"s + std::string(30, 'z');
    EXPECT_EQ(EncodeFrame(kDataFrame, payload), "\xFF\xFE" + escaped + "\xFF");
    EXPECT_EQ(EscapePayload(std::string(37, '\x7F')), std::string(37, '\x7F'));
}

TEST(FrameWriting, FileHeaderPadsOrCutsTheNameToTenAndNeverEscapes) {
    EXPECT_EQ(EncodeFileHeader("Game.def", 2060), "\xFF\xFDGame.def  2060\xFF"s);
    EXPECT_EQ(EncodeFileHeader("Game on Host.def", 0), "\xFF\xFDGame on Ho0\xFF"s);
    EXPECT_EQ(EncodeFileHeader("abc", 150000), "\xFF\xFD"
                                               "abc       150000\xFF"s);
    // A 0xFF in the name would close the header early.
    EXPECT_EQ(EncodeFileHeader("a\xFF"s, 7), "\xFF\xFD"
                                             "a_        7\xFF"s);
}

// A conversation with every kind of frame and a file in the middle, as our senders write it.
std::string Conversation() {
    return Sent(kAcceptFrame) + Sent(kTitleFrame, "Marovane") + Sent(kVersionFrame, "1.0") +
           Sent(kSetupFrame, "P1\xFF"s) + Sent(kDataFrame, "\xFF\xFF\x00\xFF"s) +
           EncodeFileHeader("Game on Host.def", 6) + "\x00\xFF\x00\xFF\xFF\x01"s + kFrameMark +
           Sent(kDataFrame, "after") + Sent(kLeaveFrame);
}

const std::vector<std::string> kConversationEvents = {
    "249:",
    "250:Marovane",
    "251:1.0",
    "252:P1\xFF"s,
    "254:\xFF\xFF\x00\xFF"s,
    "file Game on Ho 6",
    "bytes \x00\xFF\x00\xFF\xFF\x01"s,
    "end",
    "254:after",
    "248:",
};

TEST(StreamReader, ReadsAConversationWholeOrCutAnywhere) {
    const std::string bytes = Conversation();
    EXPECT_EQ(ReadWhole(bytes), kConversationEvents);

    for (std::size_t cut = 1; cut < bytes.size(); ++cut)
        EXPECT_EQ(Read({bytes.substr(0, cut), bytes.substr(cut)}), kConversationEvents)
            << "cut at " << cut;

    std::vector<std::string> bytewise;
    for (char byte : bytes)
        bytewise.emplace_back(1, byte);
    EXPECT_EQ(Read(bytewise), kConversationEvents);

    for (std::size_t first = 1; first < bytes.size(); first += 3)
        for (std::size_t second = first + 1; second < bytes.size(); second += 2)
            ASSERT_EQ(Read({bytes.substr(0, first), bytes.substr(first, second - first),
                            bytes.substr(second)}),
                      kConversationEvents)
                << "cut at " << first << " and " << second;
}

TEST(StreamReader, AFrameIsReportedOnceItIsComplete) {
    StreamReader reader;
    std::vector<std::string> log;
    reader.Feed("\xFF\xFEhal"s);
    EXPECT_TRUE(Drain(reader, log).empty());
    reader.Feed("f\xFF\xFF\xFE"s);
    EXPECT_EQ(Drain(reader, log), std::vector<std::string>{"254:half"});
    reader.Feed("two\xFF\xFF"s);
    EXPECT_EQ(Drain(reader, log), (std::vector<std::string>{"254:half", "254:two"}));
}

TEST(StreamReader, A0xFFEndingAPieceWaitsForTheNextByte) {
    // The 0x00 that makes it a data byte comes with the next piece.
    EXPECT_EQ(Read({"\xFF\xFE"
                    "a\xFF"s,
                    "\x00"
                    "b\xFF\xFF"s}),
              std::vector<std::string>{"254:a\xFF"
                                       "b"s});
    EXPECT_EQ(Read({"\xFF\xFE"
                    "a\xFF"s,
                    "\x00\xFF"s, "\xFF"s}),
              std::vector<std::string>{"254:a\xFF"s});

    StreamReader reader;
    std::vector<std::string> log;
    reader.Feed(Sent(kDataFrame, "x\xFF"s));
    EXPECT_EQ(Drain(reader, log), std::vector<std::string>{"254:x\xFF"s});
    // Our own writes end with the extra mark, so nothing is left waiting for judgement.
    EXPECT_FALSE(reader.HasPendingMark());
}

TEST(StreamReader, APeerWithoutTheExtraMarkIsReadOnceTheLastMarkIsJudged) {
    StreamReader reader;
    std::vector<std::string> log;
    reader.Feed("\xFF\xFA"
                "abc\xFF"s);
    EXPECT_TRUE(Drain(reader, log).empty());
    EXPECT_TRUE(reader.HasPendingMark());
    reader.JudgePendingMark();
    EXPECT_EQ(Drain(reader, log), std::vector<std::string>{"250:abc"});
    EXPECT_FALSE(reader.HasPendingMark());
    // The judged mark opens the next frame.
    reader.Feed("\xFB"
                "1.0\xFF"s);
    reader.JudgePendingMark();
    EXPECT_EQ(Drain(reader, log), (std::vector<std::string>{"250:abc", "251:1.0"}));

    // A lone mark, or one right after a complete frame, waits for nothing.
    StreamReader idle;
    idle.Feed("\xFF"s);
    EXPECT_FALSE(idle.HasPendingMark());
}

TEST(StreamReader, TwoFramesInOnePieceComeOutInOrder) {
    EXPECT_EQ(ReadWhole("\xFF\xFE"
                        "a\xFF\xFC"
                        "b\xFF\xFF"s),
              (std::vector<std::string>{"254:a", "252:b"}));
    EXPECT_EQ(ReadWhole(Sent(kDataFrame, "1") + Sent(kDataFrame, "2")),
              (std::vector<std::string>{"254:1", "254:2"}));
}

TEST(StreamReader, DiscardsBytesBeforeAFrameEmptyFramesAndUnknownTypes) {
    EXPECT_EQ(ReadWhole("garbage\x00\x01\xFF\x00junk\xFF\xFE"
                        "data\xFF\xFF"s),
              std::vector<std::string>{"254:data"});
    EXPECT_EQ(ReadWhole("\xFF\xFF\xFF\xFF\xFE"
                        "x\xFF\xFF"s),
              std::vector<std::string>{"254:x"});
    // Type 0x01, and an escaped 0xFF as the type, are not the game's.
    EXPECT_EQ(ReadWhole("\xFF\x01skip\xFF\xFF\x00skip\xFF\xFE"
                        "kept\xFF\xFF"s),
              std::vector<std::string>{"254:kept"});
    // A long run of noise without a mark is dropped, not kept.
    EXPECT_EQ(ReadWhole(std::string(3 << 20, 'n') + Sent(kDataFrame, "ok")),
              std::vector<std::string>{"254:ok"});
}

TEST(StreamReader, FileHeaderEdgeCases) {
    // A name sent as twelve characters arrives as its first ten; a short one without blanks.
    EXPECT_EQ(ReadWhole("\xFF\xFD"
                        "ABCDEFGHIJ0\xFF\xFF"s),
              (std::vector<std::string>{"file ABCDEFGHIJ 0", "end"}));
    EXPECT_EQ(ReadWhole(EncodeFileHeader("abcdefghijkl", 1) + "z"),
              (std::vector<std::string>{"file abcdefghij 1", "bytes z", "end"}));
    EXPECT_EQ(ReadWhole(EncodeFileHeader("abc", 2) + "xy"),
              (std::vector<std::string>{"file abc 2", "bytes xy", "end"}));
    // The header is not escaped: its first 0xFF closes it even when the file begins with 0x00.
    EXPECT_EQ(ReadWhole(EncodeFileHeader("f", 3) + "\x00\x00\xFF"s),
              (std::vector<std::string>{"file f 3", "bytes \x00\x00\xFF"s, "end"}));
    // Frames right after the file, in the same piece, with no extra mark between.
    EXPECT_EQ(ReadWhole(EncodeFileHeader("f", 1) + "\xFF" + EncodeFrame(kDataFrame, "next") +
                        EncodeFrame(kSetupFrame, "more") + kFrameMark),
              (std::vector<std::string>{"file f 1", "bytes \xFF"s, "end", "254:next", "252:more"}));
    // A file, a file and a frame, each piece holding the end of one and the start of the next.
    EXPECT_EQ(Read({EncodeFileHeader("a", 2) + "1", "2" + EncodeFileHeader("b", 1),
                    "3" + Sent(kDataFrame, "z")}),
              (std::vector<std::string>{"file a 2", "bytes 12", "end", "file b 1", "bytes 3", "end",
                                        "254:z"}));
}

TEST(StreamReader, RefusesWhatWouldGrowWithoutBound) {
    const std::string open = "\xFF\xFE"s;
    // A frame body up to the limit waits for its closing mark; one byte more is refused.
    EXPECT_TRUE(ReadWhole(open + std::string(kMaxFrameBytes - 1, 'a')).empty());
    EXPECT_EQ(ReadWhole(open + std::string(kMaxFrameBytes, 'a')),
              std::vector<std::string>{"refused"});

    const std::string limit = std::to_string(kMaxFileLength);
    EXPECT_EQ(ReadWhole(EncodeFileHeader("big", kMaxFileLength)),
              std::vector<std::string>{"file big " + limit});
    EXPECT_EQ(ReadWhole(EncodeFileHeader("big", kMaxFileLength + 1)),
              std::vector<std::string>{"refused"});
    EXPECT_EQ(ReadWhole("\xFF\xFD"
                        "big       99999999999999999999999\xFF"s),
              std::vector<std::string>{"refused"});

    // Lengths that are not plain digits, and a header that never ends.
    for (const std::string& length : {""s, "-5"s, "+5"s, " 5"s, "5x"s, "1e3"s})
        EXPECT_EQ(ReadWhole("\xFF\xFD"
                            "name      " +
                            length + "\xFF"),
                  std::vector<std::string>{"refused"})
            << length;
    EXPECT_EQ(ReadWhole("\xFF\xFDshort\xFF"s), std::vector<std::string>{"refused"});
    EXPECT_EQ(ReadWhole("\xFF\xFD" + std::string(kMaxFileHeaderBytes, '1')),
              std::vector<std::string>{"refused"});

    // Nothing more comes out of a reader that refused.
    StreamReader reader;
    std::vector<std::string> log;
    reader.Feed("\xFF\xFD"
                "x         x\xFF"s);
    reader.Feed(Sent(kDataFrame, "late"));
    EXPECT_EQ(Drain(reader, log), std::vector<std::string>{"refused"});
    EXPECT_TRUE(reader.Refused());
    reader.Feed(Sent(kDataFrame, "later"));
    EXPECT_EQ(Drain(reader, log), std::vector<std::string>{"refused"});
}

TEST(StreamReader, ALongMessageFedByteByByteArrivesWhole) {
    // A board state sized message with many escaped bytes, a byte at a time.
    std::string payload;
    for (int i = 0; i < 40000; ++i)
        payload.push_back(static_cast<char>(i * 7));
    const std::string bytes = Sent(kDataFrame, payload);
    StreamReader reader;
    std::vector<std::string> log;
    for (char byte : bytes) {
        reader.Feed(std::string_view(&byte, 1));
        Drain(reader, log);
    }
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "254:" + payload);
}

} // namespace
} // namespace marovane::net
