#include "net/qt/IncomingStream.h"

#include <QDir>
#include <QTemporaryFile>

namespace marovane::net {

namespace {

IncomingStream::Message Failure(const Text& why) {
    IncomingStream::Message message;
    message.What = IncomingStream::Message::Kind::Failure;
    message.Text = why.English();
    message.Why = why;
    return message;
}

} // namespace

IncomingStream::IncomingStream() = default;
IncomingStream::~IncomingStream() = default;

void IncomingStream::Reset() {
    file_.reset();
    fileName_.clear();
    reader_ = StreamReader();
    failed_ = false;
}

std::optional<IncomingStream::Message> IncomingStream::Next() {
    using Kind = StreamEvent::Kind;
    while (!failed_) {
        std::optional<StreamEvent> event = reader_.Next();
        if (!event)
            return std::nullopt;
        switch (event->What) {
        case Kind::Frame: {
            Message message;
            message.Type = event->Type;
            message.Text = std::move(event->Text);
            return message;
        }
        case Kind::Refused:
            failed_ = true;
            return Failure(event->Why);
        case Kind::FileStart:
            file_ =
                std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/NGXXXXXX"));
            fileName_ = std::move(event->Text);
            // Asking for the name gives the file one at once (it might otherwise stay unnamed
            // until it is complete), so a file being received can be seen in the folder.
            if (!file_->open() || file_->fileName().isEmpty()) {
                failed_ = true;
                return Failure(
                    Tx("Network", "Cannot create a temporary file for a received file: %1")
                        .Arg(file_->errorString().toStdString()));
            }
            break;
        case Kind::FileBytes:
            if (file_->write(event->Text.data(), static_cast<qint64>(event->Text.size())) !=
                static_cast<qint64>(event->Text.size())) {
                failed_ = true;
                return Failure(Tx("Network", "Cannot write a received file: %1")
                                   .Arg(file_->errorString().toStdString()));
            }
            break;
        case Kind::FileEnd: {
            if (!file_->flush()) {
                failed_ = true;
                return Failure(Tx("Network", "Cannot write a received file: %1")
                                   .Arg(file_->errorString().toStdString()));
            }
            file_->close();
            Message message;
            message.What = Message::Kind::File;
            message.Text = std::move(fileName_);
            message.Path = file_->filesystemFileName();
            message.Owner = std::move(file_);
            fileName_.clear();
            return message;
        }
        }
    }
    return std::nullopt;
}

} // namespace marovane::net
