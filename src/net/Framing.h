#pragma once

#include "net/NetLinks.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marovane::net {

// The byte stream between a host and a guest, without any sockets: how frames and files are
// written, and how one connection's incoming bytes are taken apart again.
//
// A frame is 0xFF, a type byte, the payload and 0xFF. In the payload every 0xFF is sent as
// 0xFF 0x00, so a frame mark is a 0xFF not followed by 0x00. One 0xFF between two frames serves
// as the closing mark of the first and the opening mark of the second; two in a row are usual and
// harmless. A file travels as a header frame (ten characters of name, then the length in decimal,
// never escaped) followed directly by the file's raw bytes.

// The frame mark, and what our senders add at the end of every write. A reader cannot judge a
// 0xFF that is the last byte it has (the 0x00 that would make it an escaped data byte may still be
// on its way), so it waits for the next byte; this extra mark is that next byte. It opens nothing:
// a reader skips it before the next frame.
inline constexpr char kFrameMark = '\xFF';

// Files are sent in pieces of at most this many bytes.
inline constexpr std::size_t kFilePieceSize = 65000;

// The width of the remote file name in a file header.
inline constexpr std::size_t kFileNameWidth = 10;

// Limits on what a peer may make us hold: the bytes of a frame still waiting for its closing mark,
// and the announced length of a file. The game's largest messages are board states of some ten
// kilobytes and scenario files of 2060 bytes.
inline constexpr std::size_t kMaxFrameBytes = 1 << 20;
inline constexpr std::uint64_t kMaxFileLength = 1 << 20;

// What a sender lets wait for a peer that does not read: a connection with more unsent bytes
// than this is closed as too slow, so one stalled peer cannot make the others' machine hold
// without limit what it sends.
inline constexpr std::size_t kMaxQueuedBytes = 4 << 20;

// Whether a peer accepts an encoded frame (EncodeFrame): what lies between its marks stays
// within kMaxFrameBytes. A sender never sends a frame that its peer would refuse.
inline bool FrameFits(std::string_view encoded) {
    return encoded.size() <= kMaxFrameBytes + 2;
}

// A file header holds ten characters of name and a length; one that runs longer is not a header.
inline constexpr std::size_t kMaxFileHeaderBytes = 1 + kFileNameWidth + 20;

// The number of the Error event raised when a peer breaks the format or the limits above; the
// connection is closed after it.
inline constexpr int kErrorBadStream = 1002;
// The Error event of a message too long to send, which is dropped, and of a peer closed because
// it left too much unread.
inline constexpr int kErrorTooLong = 1004;
inline constexpr int kErrorTooSlow = 1005;

// The payload with each 0xFF doubled into 0xFF 0x00.
std::string EscapePayload(std::string_view payload);
// The same, added to the end of `out`.
void AppendEscaped(std::string& out, std::string_view payload);

// 0xFF, type, the escaped payload, 0xFF. Leave and accept frames have an empty payload. Not for
// file headers, whose payload is never escaped: use EncodeFileHeader.
std::string EncodeFrame(FrameType type, std::string_view payload = {});

// The header frame of a file of `length` bytes: the name left-aligned in ten characters (padded
// with blanks or cut), then the length in decimal. The raw bytes of the file follow it directly.
// A 0xFF in the name would end the header early, so it becomes '_'.
std::string EncodeFileHeader(std::string_view remoteName, std::uint64_t length);

// One thing the reader found in the stream.
struct StreamEvent {
    enum class Kind {
        Frame,     // Type and Text, the unescaped payload
        FileStart, // Text, the remote name without trailing blanks, and Length
        FileBytes, // Text, the next bytes of the file
        FileEnd,   // the file is complete
        Refused,   // Text and Why, why; the reader takes nothing more
    };
    Kind What = Kind::Frame;
    FrameType Type = kDataFrame;
    std::string Text;
    std::uint64_t Length = 0;
    // A refusal as the player reads it; Text holds its English.
    marovane::Text Why;
};

// Takes apart the bytes of one connection. Feed it bytes as they arrive, in pieces of any size,
// then call Next until it returns nothing; the events come out in the order of the stream. The
// owner may stop between two events (to act on one, or because the connection closed).
//
// Bytes before the first frame mark are discarded, and so are frames with no type byte and frames
// of types the game does not use (249 and 248 are reported: the owner decides). After a file the
// reader again discards everything up to the next frame mark.
class StreamReader {
public:
    void Feed(std::string_view bytes);
    std::optional<StreamEvent> Next();

    // True when the last byte is a 0xFF that would close a frame if it were a mark. A peer that
    // does not end its writes with an extra mark leaves such a byte for good; after a moment of
    // quiet the owner calls JudgePendingMark, and the byte counts as a frame mark.
    bool HasPendingMark() const;
    void JudgePendingMark();

    bool Refused() const { return refused_; }
    // True between a FileStart and its FileEnd.
    bool InFile() const { return state_ == State::File; }

private:
    enum class State { Seeking, InFrame, File };

    // The first frame mark at or after `from`, skipping escaped pairs; npos when there is none
    // yet. `resume` becomes where a later search may go on from.
    std::size_t FindMark(std::size_t from, std::size_t& resume) const;
    std::optional<StreamEvent> ReadFileHeader(std::size_t bodyStart, std::size_t end);
    std::optional<StreamEvent> Refuse(const Text& reason);
    void Compact();

    State state_ = State::Seeking;
    std::string buffer_;
    std::size_t position_ = 0; // the first byte not yet consumed
    std::size_t scanned_ = 0;  // the closing mark of the current frame is not before this
    std::uint64_t fileRemaining_ = 0;
    bool lastJudged_ = false; // the last byte of buffer_ counts as a frame mark
    bool refused_ = false;
};

} // namespace marovane::net
