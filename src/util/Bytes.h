#pragma once

#include "util/Text.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace marovane {

// The game's files and messages are plain runs of little-endian values with no gaps: 16-bit
// signed numbers, flags as 16-bit -1 (True) or 0 (False), 32-bit values, 32-bit IEEE floats,
// bytes, and fixed-size Latin-1 text padded with blanks. ByteWriter and ByteReader are the one
// place that encoding is written.

class ByteWriter {
public:
    void Byte(uint8_t value);
    void Int16(int16_t value);
    void UInt32(uint32_t value);
    void Float(float value);
    void Flag(bool value);
    // Exactly `size` bytes: the text cut to that size, or padded on the right with blanks.
    void Text(std::string_view text, size_t size);
    void Bytes(std::string_view bytes);
    // Whole runs at once, as the one-by-one calls would write them (boards are thousands of
    // values).
    void Int16s(std::span<const int16_t> values);
    void Bytes(std::span<const uint8_t> values);

    // Room for `size` bytes in all, so that writing up to that many moves nothing.
    void Reserve(size_t size) { out_.reserve(size); }
    size_t Size() const { return out_.size(); }
    const std::string& Data() const { return out_; }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

// How a reader words its refusals: "The <Source> ends inside <what>.", after a first line of its
// own when Heading is not empty (a saved game's refusals all begin "Invalid save file."). Both
// are looked up in the "Files" catalogue when the window shows them.
struct ByteWording {
    std::string Heading;
    std::string Source = "data";
};

// Reads values one after the other from bytes it does not own. Every read first checks that the
// bytes are there, and refuses with marovane::Error naming the item being read rather than read
// past the end; a read that finds too few bytes consumes none. Nothing is allocated but what a read
// returns, and only after its bytes were found present.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, ByteWording wording = {});
    explicit ByteReader(std::span<const uint8_t> bytes, ByteWording wording = {});

    uint8_t Byte(std::string_view what);
    int16_t Int16(std::string_view what);
    uint32_t UInt32(std::string_view what);
    float Float(std::string_view what);
    // Refuses any value but -1 and 0.
    bool Flag(std::string_view what);
    // `size` bytes as they are stored, padding included.
    std::string Text(size_t size, std::string_view what);
    // A view into the reader's bytes, valid as long as they are.
    std::string_view Bytes(size_t count, std::string_view what);
    // Fills whole runs at once, as the one-by-one calls would read them; a run that is not all
    // there is refused before anything is read.
    void Int16s(std::span<int16_t> values, std::string_view what);
    void Bytes(std::span<uint8_t> values, std::string_view what);

    // Refuses unless `count` more bytes are there. Callers check a whole run of items this way
    // before they allocate room for it.
    void Require(size_t count, std::string_view what) const;
    size_t Remaining() const { return bytes_.size() - position_; }
    size_t Position() const { return position_; }

    // Throws marovane::Error with the detail under the reader's heading.
    [[noreturn]] void Refuse(const marovane::Text& detail) const;
    [[noreturn]] void Refuse(const std::string& detail) const;

private:
    std::string_view bytes_;
    size_t position_ = 0;
    ByteWording wording_;
};

} // namespace marovane
