#include "net/qt/IncomingStream.h"

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
    contents_.clear();
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
            file_ = std::make_unique<TemporaryFile>("NG");
            fileName_ = std::move(event->Text);
            contents_.clear();
            // The announced length is only a claim: the bytes themselves are bounded by it.
            contents_.reserve(static_cast<std::size_t>(event->Length));
            if (!file_->IsOpen()) {
                failed_ = true;
                return Failure(
                    Tx("Network", "Cannot create a temporary file for a received file: %1")
                        .Arg(file_->ErrorString().toStdString()));
            }
            break;
        case Kind::FileBytes:
            contents_ += event->Text;
            if (!file_->Write(event->Text)) {
                failed_ = true;
                return Failure(Tx("Network", "Cannot write a received file: %1")
                                   .Arg(file_->ErrorString().toStdString()));
            }
            break;
        case Kind::FileEnd: {
            if (!file_->Finish()) {
                failed_ = true;
                return Failure(Tx("Network", "Cannot write a received file: %1")
                                   .Arg(file_->ErrorString().toStdString()));
            }
            Message message;
            message.What = Message::Kind::File;
            message.Text = std::move(fileName_);
            message.Path = file_->Path();
            message.Contents = std::move(contents_);
            message.Owner = std::move(file_);
            fileName_.clear();
            contents_.clear();
            return message;
        }
        }
    }
    return std::nullopt;
}

} // namespace marovane::net
