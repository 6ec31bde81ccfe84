#pragma once

#include <QString>

#include <string>

namespace marovane {

// The rules, the files and the network carry text as single-byte Latin-1 characters.
inline QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace marovane
