#pragma once

#include "net/Framing.h"
#include "net/qt/TemporaryFile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace marovane::net {

// One connection's incoming side: the stream reader, and the file being received, which is
// written to a temporary file in the system's temporary folder (its name begins "NG") and kept in
// memory too, so that whoever takes it need not read it back.
class IncomingStream {
public:
    struct Message {
        enum class Kind {
            Frame, // Type and Text
            File,  // Path, Contents and Text, the remote name; the file is deleted with the message
            Failure, // Text and Why: the peer broke the format, or the temporary file failed
        };
        Kind What = Kind::Frame;
        FrameType Type = kDataFrame;
        std::string Text;
        // A failure as the player reads it; Text holds its English.
        marovane::Text Why;
        std::filesystem::path Path;
        std::string Contents;
        std::unique_ptr<TemporaryFile> Owner;
    };

    IncomingStream();
    ~IncomingStream();
    IncomingStream(const IncomingStream&) = delete;
    IncomingStream& operator=(const IncomingStream&) = delete;

    void Feed(std::string_view bytes) { reader_.Feed(bytes); }
    // The next frame or complete file.
    std::optional<Message> Next();

    bool HasPendingMark() const { return reader_.HasPendingMark(); }
    void JudgePendingMark() { reader_.JudgePendingMark(); }

    // Forgets everything of the last connection, its partial file included.
    void Reset();

private:
    StreamReader reader_;
    std::unique_ptr<TemporaryFile> file_;
    std::string fileName_;
    std::string contents_;
    bool failed_ = false;
};

} // namespace marovane::net
