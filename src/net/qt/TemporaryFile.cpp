#include "net/qt/TemporaryFile.h"

#include <QDir>
#include <QRandomGenerator>

namespace marovane::net {

namespace {

// Names already taken are skipped; a folder where this many random names are all taken, or
// where nothing can be made, gives up.
constexpr int kNameTries = 64;

QString RandomLetters(int count) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString letters;
    letters.reserve(count);
    for (int i = 0; i < count; ++i)
        letters.append(QChar(
            kLetters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof(kLetters) - 1))]));
    return letters;
}

} // namespace

TemporaryFile::TemporaryFile(std::string_view prefix) {
    const QString start = QDir::tempPath() + QLatin1Char('/') +
                          QString::fromLatin1(prefix.data(), static_cast<qsizetype>(prefix.size()));
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        file_.setFileName(start + RandomLetters(6));
        // Readable by its owner only, as the peer's bytes are nobody else's business.
        if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            made_ = true;
            return;
        }
        if (!file_.exists())
            return;
    }
}

TemporaryFile::~TemporaryFile() {
    // Only a file this object made: after a failed create the name is someone else's.
    if (made_)
        file_.remove();
}

bool TemporaryFile::Write(std::string_view bytes) {
    return file_.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
}

bool TemporaryFile::Finish() {
    if (!file_.flush())
        return false;
    file_.close();
    return true;
}

} // namespace marovane::net
