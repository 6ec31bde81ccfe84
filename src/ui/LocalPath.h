#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace marovane {

// File names cross between Qt and the plain C++ layers in the system's own encoding, so names
// that are not UTF-8 survive the trip.
inline std::filesystem::path ToLocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

inline QString FromLocalPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.string().c_str());
}

} // namespace marovane
