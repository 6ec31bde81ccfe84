#pragma once

#include <string>
#include <string_view>

namespace marovane {

// The game's files and messages hold single-byte Latin-1 text (so the currency sign is byte 164).
// These convert at the edges where UTF-8 is expected: JSON output and input, the terminal.
std::string Latin1ToUtf8(std::string_view latin1);

// Characters outside Latin-1, and malformed UTF-8, become '?'.
std::string Utf8ToLatin1(std::string_view utf8);

// Whether the text is well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view text);

// A message for a terminal: the game's Latin-1 text, or text that is UTF-8 already (a file name
// from the system), in UTF-8, or in Latin-1 when the terminal is a Latin-1 one.
std::string TerminalText(std::string_view message, bool latin1Terminal);

// Removes trailing blanks and NUL padding, as fixed-size text fields are stored padded.
std::string_view TrimRight(std::string_view text);

std::string_view Trim(std::string_view text);

} // namespace marovane
