#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <string_view>

namespace marovane::net {

// A new file in the system's temporary folder, its name the prefix and six random letters, open
// for writing and removed with this object. It is made with one exclusive create: QTemporaryFile
// on Linux makes an unnamed file and links a name to it when asked, two trips through the file
// system for every file a peer sends.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string_view prefix);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Whether the file was made; ErrorString says why not.
    bool IsOpen() const { return made_ && file_.isOpen(); }
    bool Write(std::string_view bytes);
    // Writes out what is buffered and closes the file, which stays until this object goes.
    bool Finish();
    QString ErrorString() const { return file_.errorString(); }
    std::filesystem::path Path() const { return file_.filesystemFileName(); }

private:
    QFile file_;
    bool made_ = false;
};

} // namespace marovane::net
