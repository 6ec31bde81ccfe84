#include "net/Framing.h"

#include <algorithm>
#include <cstring>

namespace marovane::net {

namespace {

constexpr std::size_t npos = std::string::npos;

// Buffers are compacted once this many consumed bytes lie before the unread ones (or all are
// consumed), so that feeding a byte at a time does not move the whole buffer every time.
constexpr std::size_t kCompactAfter = 4096;

bool IsReportedType(unsigned char type) {
    switch (type) {
    case kLeaveFrame:
    case kAcceptFrame:
    case kTitleFrame:
    case kVersionFrame:
    case kSetupFrame:
    case kDataFrame:
        return true;
    default:
        return false;
    }
}

// Inside a frame body every 0xFF is followed by its 0x00: the mark search saw to that.
std::string Unescape(std::string_view body) {
    // Runs between marks are copied whole; each mark drops the 0x00 after it.
    std::string out;
    out.reserve(body.size());
    std::size_t from = 0;
    while (from < body.size()) {
        const std::size_t mark = body.find(kFrameMark, from);
        if (mark == std::string_view::npos) {
            out.append(body.substr(from));
            break;
        }
        out.append(body.substr(from, mark + 1 - from));
        from = mark + 2;
    }
    return out;
}

} // namespace

std::string EscapePayload(std::string_view payload) {
    std::string out;
    AppendEscaped(out, payload);
    return out;
}

void AppendEscaped(std::string& out, std::string_view payload) {
    // Board states are thousands of bytes, sent several times a turn, with a few 0xFF among
    // them: the runs between marks are found by memchr, which looks at many bytes at a time,
    // and copied whole; each mark gets its 0x00. Room for some marks is made at once.
    out.reserve(out.size() + payload.size() + payload.size() / 64 + 16);
    const char* from = payload.data();
    const char* const end = from + payload.size();
    while (from < end) {
        const void* mark = std::memchr(from, kFrameMark, static_cast<std::size_t>(end - from));
        if (!mark) {
            out.append(from, end);
            break;
        }
        const char* const after = static_cast<const char*>(mark) + 1;
        out.append(from, after);
        out.push_back('\0');
        from = after;
    }
}

std::string EncodeFrame(FrameType type, std::string_view payload) {
    std::string out;
    // Room for some escaped marks and the extra mark the senders add, so that adding them
    // copies nothing.
    out.reserve(payload.size() + payload.size() / 64 + 20);
    out.push_back(kFrameMark);
    out.push_back(static_cast<char>(type));
    AppendEscaped(out, payload);
    out.push_back(kFrameMark);
    return out;
}

std::string EncodeFileHeader(std::string_view remoteName, std::uint64_t length) {
    std::string name(remoteName.substr(0, kFileNameWidth));
    std::replace(name.begin(), name.end(), kFrameMark, '_');
    name.resize(kFileNameWidth, ' ');
    std::string out(1, kFrameMark);
    out.push_back(static_cast<char>(kFileHeaderFrame));
    out += name;
    out += std::to_string(length);
    out.push_back(kFrameMark);
    return out;
}

void StreamReader::Feed(std::string_view bytes) {
    if (refused_ || bytes.empty())
        return;
    lastJudged_ = false;
    buffer_.append(bytes);
}

bool StreamReader::HasPendingMark() const {
    const std::size_t size = buffer_.size();
    return state_ == State::InFrame && !lastJudged_ && size >= 2 && position_ + 1 < size &&
           buffer_.back() == kFrameMark && scanned_ == size - 1 &&
           static_cast<unsigned char>(buffer_[position_]) != kFileHeaderFrame;
}

void StreamReader::JudgePendingMark() {
    if (!buffer_.empty() && buffer_.back() == kFrameMark)
        lastJudged_ = true;
}

std::size_t StreamReader::FindMark(std::size_t from, std::size_t& resume) const {
    std::size_t i = from;
    for (;;) {
        i = buffer_.find(kFrameMark, i);
        if (i == npos) {
            resume = buffer_.size();
            return npos;
        }
        if (i + 1 == buffer_.size()) {
            // The last byte: a mark only once it has been judged one.
            if (lastJudged_)
                return i;
            resume = i;
            return npos;
        }
        if (buffer_[i + 1] != '\0')
            return i;
        i += 2;
    }
}

std::optional<StreamEvent> StreamReader::Next() {
    while (!refused_) {
        const std::size_t size = buffer_.size();
        switch (state_) {
        case State::File: {
            if (fileRemaining_ == 0) {
                state_ = State::Seeking;
                scanned_ = position_;
                return StreamEvent{StreamEvent::Kind::FileEnd, kFileHeaderFrame, {}, 0, {}};
            }
            if (position_ == size) {
                Compact();
                return std::nullopt;
            }
            const std::size_t count =
                static_cast<std::size_t>(std::min<std::uint64_t>(fileRemaining_, size - position_));
            StreamEvent event{StreamEvent::Kind::FileBytes,
                              kFileHeaderFrame,
                              buffer_.substr(position_, count),
                              0,
                              {}};
            position_ += count;
            fileRemaining_ -= count;
            return event;
        }
        case State::Seeking: {
            std::size_t resume = 0;
            const std::size_t mark = FindMark(position_, resume);
            if (mark == npos) {
                // Bytes before a frame are dropped; a 0xFF at the end may still be a mark.
                position_ = resume;
                Compact();
                return std::nullopt;
            }
            position_ = mark + 1;
            scanned_ = position_;
            state_ = State::InFrame;
            break;
        }
        case State::InFrame: {
            if (position_ == size) {
                Compact();
                return std::nullopt;
            }
            if (buffer_[position_] == kFrameMark) {
                // A mark right after the last one: the previous frame's closing mark was followed
                // by this frame's opening mark, or a frame came with no type byte.
                const bool last = position_ + 1 == size;
                if (last && !lastJudged_) {
                    Compact();
                    return std::nullopt;
                }
                if (last || buffer_[position_ + 1] != '\0') {
                    ++position_;
                    scanned_ = position_;
                    break;
                }
                // Otherwise an escaped 0xFF as the type byte, a type nobody sends.
            }
            if (static_cast<unsigned char>(buffer_[position_]) == kFileHeaderFrame) {
                // The header's payload is never escaped, so its first 0xFF closes it whatever
                // follows: the file's first byte may well be 0x00.
                const std::size_t close = buffer_.find(kFrameMark, position_ + 1);
                const std::size_t length = (close == npos ? size : close) - position_;
                if (length > kMaxFileHeaderBytes)
                    return Refuse(
                        Tx("Network", "The connection sent a file header longer than %1 bytes.")
                            .Arg(kMaxFileHeaderBytes));
                if (close == npos) {
                    Compact();
                    return std::nullopt;
                }
                return ReadFileHeader(position_ + 1, close);
            }
            std::size_t resume = 0;
            const std::size_t close = FindMark(std::max(scanned_, position_), resume);
            if (close == npos) {
                scanned_ = resume;
                if (size - position_ > kMaxFrameBytes)
                    return Refuse(
                        Tx("Network", "The connection sent a message longer than %1 bytes.")
                            .Arg(kMaxFrameBytes));
                Compact();
                return std::nullopt;
            }
            const auto type = static_cast<unsigned char>(buffer_[position_]);
            std::string payload =
                Unescape(std::string_view(buffer_).substr(position_ + 1, close - position_ - 1));
            // The closing mark also opens the next frame, if a body follows it directly.
            position_ = close + 1;
            scanned_ = position_;
            if (IsReportedType(type))
                return StreamEvent{StreamEvent::Kind::Frame,
                                   static_cast<FrameType>(type),
                                   std::move(payload),
                                   0,
                                   {}};
            break;
        }
        }
    }
    return std::nullopt;
}

std::optional<StreamEvent> StreamReader::ReadFileHeader(std::size_t bodyStart, std::size_t end) {
    const std::string_view header = std::string_view(buffer_).substr(bodyStart, end - bodyStart);
    std::string name(header.substr(0, kFileNameWidth));
    name.erase(name.find_last_not_of(' ') + 1);
    const std::string_view digits =
        header.size() > kFileNameWidth ? header.substr(kFileNameWidth) : std::string_view();
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return Refuse(
            Tx("Network", "The connection sent a file header whose length is not a number."));
    std::uint64_t length = 0;
    for (char digit : digits) {
        length = length * 10 + static_cast<std::uint64_t>(digit - '0');
        if (length > kMaxFileLength)
            return Refuse(Tx("Network", "The connection announced a file of %1 bytes; at most %2 "
                                        "are accepted.")
                              .Arg(std::string(digits))
                              .Arg(kMaxFileLength));
    }
    position_ = end + 1;
    state_ = State::File;
    fileRemaining_ = length;
    return StreamEvent{StreamEvent::Kind::FileStart, kFileHeaderFrame, std::move(name), length, {}};
}

std::optional<StreamEvent> StreamReader::Refuse(const Text& reason) {
    refused_ = true;
    buffer_.clear();
    position_ = scanned_ = 0;
    return StreamEvent{StreamEvent::Kind::Refused, kDataFrame, reason.English(), 0, reason};
}

void StreamReader::Compact() {
    if (position_ == 0)
        return;
    if (position_ < buffer_.size() && (position_ < kCompactAfter || position_ < buffer_.size() / 2))
        return;
    buffer_.erase(0, position_);
    scanned_ = std::max(scanned_, position_) - position_;
    position_ = 0;
}

} // namespace marovane::net
