#pragma once

#include "net/Framing.h"

#include <QByteArray>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QTemporaryFile;

namespace marovane::net {

// One connection's incoming side: the stream reader, and the file being received, which is
// written to a temporary file in the system's temporary folder (its name begins "NG").
class IncomingStream {
public:
    struct Message {
        enum class Kind {
            Frame,   // Type and Text
            File,    // Path (the complete temporary file) and Text, the remote name
            Failure, // Text: the peer broke the format, or the temporary file failed
        };
        Kind What = Kind::Frame;
        FrameType Type = kDataFrame;
        std::string Text;
        std::filesystem::path Path;
    };

    IncomingStream();
    ~IncomingStream();
    IncomingStream(const IncomingStream&) = delete;
    IncomingStream& operator=(const IncomingStream&) = delete;

    void Feed(const QByteArray& bytes);
    // The next frame or complete file. A File message's temporary file lives until DiscardFile,
    // the next call, or Reset.
    std::optional<Message> Next();
    void DiscardFile();

    bool HasPendingMark() const { return reader_.HasPendingMark(); }
    void JudgePendingMark() { reader_.JudgePendingMark(); }

    // Forgets everything of the last connection, its partial file included.
    void Reset();

private:
    StreamReader reader_;
    std::unique_ptr<QTemporaryFile> file_;
    std::string fileName_;
    bool failed_ = false;
};

} // namespace marovane::net
