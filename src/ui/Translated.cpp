#include "ui/Translated.h"

#include "engine/Announcements.h"
#include "ui/QtText.h"
#include "util/Latin1.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace marovane {

QString Translated(const Text& text) {
    if (text.IsValue()) {
        // Scenario names are file names, kept as UTF-8; everything else a file or a peer
        // carries is Latin-1, where a byte above 127 is practically never part of valid UTF-8.
        const std::string& value = text.Source();
        const bool wide = std::any_of(value.begin(), value.end(),
                                      [](char c) { return static_cast<unsigned char>(c) > 127; });
        return wide && IsUtf8(value) ? QString::fromStdString(value) : Latin1(value);
    }
    const QString pattern =
        QCoreApplication::translate(text.Context().c_str(), text.Source().c_str());
    if (text.Args().empty())
        return pattern;
    // The values go in as the English form's do, through UTF-8.
    std::vector<std::string> values;
    for (const Text& arg : text.Args())
        values.push_back(Translated(arg).toStdString());
    return QString::fromStdString(FillIn(pattern.toStdString(), values));
}

QString TranslatedIfKnown(const char* context, const std::string& english) {
    const QString translated = QCoreApplication::translate(context, english.c_str());
    // Without a translation the source comes back read as UTF-8; the text itself is Latin-1.
    return translated == QString::fromUtf8(english.c_str()) ? Latin1(english) : translated;
}

QString PeerTextShown(const std::string& english) {
    if (const std::optional<Text> known = RecognisedAnnouncement(english))
        return Translated(*known);
    return TranslatedIfKnown("Rules", english);
}

} // namespace marovane
