#pragma once

#include <string>
#include <string_view>

namespace marovane {

// The game's files and messages hold single-byte Latin-1 text (so the currency sign is byte 164).
// These convert at the edges where UTF-8 is expected: JSON output and input, the terminal.
std::string Latin1ToUtf8(std::string_view latin1);

// Characters outside Latin-1, and malformed UTF-8, become '?'.
std::string Utf8ToLatin1(std::string_view utf8);

// Removes trailing blanks and NUL padding, as fixed-size text fields are stored padded.
std::string_view TrimRight(std::string_view text);

std::string_view Trim(std::string_view text);

} // namespace marovane
