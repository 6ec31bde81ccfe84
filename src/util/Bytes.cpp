#include "util/Bytes.h"

#include "util/Error.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace marovane {

void ByteWriter::Byte(uint8_t value) {
    out_.push_back(static_cast<char>(value));
}

void ByteWriter::Int16(int16_t value) {
    const auto bits = static_cast<uint16_t>(value);
    Byte(static_cast<uint8_t>(bits & 0xFF));
    Byte(static_cast<uint8_t>(bits >> 8));
}

void ByteWriter::UInt32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        Byte(static_cast<uint8_t>((value >> shift) & 0xFF));
}

void ByteWriter::Float(float value) {
    UInt32(std::bit_cast<uint32_t>(value));
}

void ByteWriter::Flag(bool value) {
    Int16(value ? -1 : 0);
}

void ByteWriter::Text(std::string_view text, size_t size) {
    text = text.substr(0, size);
    out_.append(text);
    out_.append(size - text.size(), ' ');
}

void ByteWriter::Bytes(std::string_view bytes) {
    out_.append(bytes);
}

void ByteWriter::Int16s(std::span<const int16_t> values) {
    // A little-endian machine holds the values as they are written: a board is copied whole.
    if constexpr (std::endian::native == std::endian::little) {
        out_.append(reinterpret_cast<const char*>(values.data()), 2 * values.size());
        return;
    }
    const size_t start = out_.size();
    out_.resize(start + 2 * values.size());
    char* at = out_.data() + start;
    for (int16_t value : values) {
        const auto bits = static_cast<uint16_t>(value);
        *at++ = static_cast<char>(bits & 0xFF);
        *at++ = static_cast<char>(bits >> 8);
    }
}

void ByteWriter::Bytes(std::span<const uint8_t> values) {
    out_.append(reinterpret_cast<const char*>(values.data()), values.size());
}

ByteReader::ByteReader(std::string_view bytes, ByteWording wording)
    : bytes_(bytes), wording_(std::move(wording)) {}

ByteReader::ByteReader(std::span<const uint8_t> bytes, ByteWording wording)
    : ByteReader(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                 std::move(wording)) {}

namespace {

// The sources the readers name, for the catalogues: the window translates them at run time.
[[maybe_unused]] const char* const kSourceWords[] = {MAROVANE_TEXT("Files", "data"),
                                                     MAROVANE_TEXT("Files", "file"),
                                                     MAROVANE_TEXT("Files", "message")};

} // namespace

void ByteReader::Refuse(const marovane::Text& detail) const {
    if (wording_.Heading.empty())
        throw Error(detail);
    throw Error(Tx("Files", "%1\n%2").Arg(Tx("Files", wording_.Heading.c_str())).Arg(detail));
}

void ByteReader::Refuse(const std::string& detail) const {
    Refuse(Verbatim(detail));
}

void ByteReader::Require(size_t count, std::string_view what) const {
    if (Remaining() < count)
        Refuse(Tx("Files", "The %1 ends inside %2.")
                   .Arg(Tx("Files", wording_.Source.c_str()))
                   .Arg(std::string(what)));
}

std::string_view ByteReader::Bytes(size_t count, std::string_view what) {
    Require(count, what);
    std::string_view taken = bytes_.substr(position_, count);
    position_ += count;
    return taken;
}

void ByteReader::Int16s(std::span<int16_t> values, std::string_view what) {
    const std::string_view b = Bytes(2 * values.size(), what);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(values.data(), b.data(), b.size());
        return;
    }
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int16_t>(static_cast<uint16_t>(
            static_cast<uint8_t>(b[2 * i]) | (static_cast<uint8_t>(b[2 * i + 1]) << 8)));
}

void ByteReader::Bytes(std::span<uint8_t> values, std::string_view what) {
    const std::string_view b = Bytes(values.size(), what);
    std::copy(b.begin(), b.end(), reinterpret_cast<char*>(values.data()));
}

uint8_t ByteReader::Byte(std::string_view what) {
    return static_cast<uint8_t>(Bytes(1, what)[0]);
}

int16_t ByteReader::Int16(std::string_view what) {
    std::string_view b = Bytes(2, what);
    return static_cast<int16_t>(
        static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8)));
}

uint32_t ByteReader::UInt32(std::string_view what) {
    std::string_view b = Bytes(4, what);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(b[i]);
    return value;
}

float ByteReader::Float(std::string_view what) {
    return std::bit_cast<float>(UInt32(what));
}

bool ByteReader::Flag(std::string_view what) {
    const int16_t value = Int16(what);
    if (value != -1 && value != 0)
        Refuse(Tx("Files", "The flag %1 holds %2 instead of -1 or 0.")
                   .Arg(std::string(what))
                   .Arg(value));
    return value == -1;
}

std::string ByteReader::Text(size_t size, std::string_view what) {
    return std::string(Bytes(size, what));
}

} // namespace marovane
