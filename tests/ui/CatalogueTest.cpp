#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace marovane {
namespace {

struct Entry {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

std::vector<Entry> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entries.push_back({context, {}, {}, false});
        } else if (xml.name() == u"source") {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const auto type = xml.attributes().value("type");
            entries.back().unfinished = !type.isEmpty();
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QStringList Catalogues() {
    const QDir folder(QString(MAROVANE_SOURCE_DIR) + "/data/translations");
    QStringList paths;
    for (const QString& name : folder.entryList({"marovane_*.ts"}, QDir::Files))
        paths << folder.filePath(name);
    return paths;
}

// The values a text takes (%1, %2, ...), which a translation must keep, in any order.
std::multiset<QString> Placeholders(const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression mark("%[1-9]");
    for (auto match = mark.globalMatch(text); match.hasNext();)
        found.insert(match.next().captured());
    return found;
}

bool HasAccelerator(const QString& text) {
    return QString(text).remove("&&").contains(QRegularExpression("&\\S"));
}

// Every text has its translation, with the same values and, where the English has one, a key
// to press in a menu or on a button.
TEST(Catalogues, EveryTextIsTranslatedWithItsValuesAndKeys) {
    ASSERT_FALSE(Catalogues().isEmpty());
    for (const QString& path : Catalogues()) {
        const std::vector<Entry> entries = ReadCatalogue(path);
        EXPECT_FALSE(entries.empty()) << path.toStdString();
        for (const Entry& entry : entries) {
            const std::string where = QFileInfo(path).fileName().toStdString() + " " +
                                      entry.context.toStdString() + ": \"" +
                                      entry.source.toStdString() + "\"";
            EXPECT_FALSE(entry.unfinished || entry.translation.isEmpty()) << where;
            EXPECT_EQ(Placeholders(entry.translation), Placeholders(entry.source)) << where;
            EXPECT_EQ(HasAccelerator(entry.translation), HasAccelerator(entry.source)) << where;
        }
    }
}

// The English texts, which are the catalogues' keys and what the program shows without a
// translation, stay as they are: a change shows here and must be made in the list on purpose.
TEST(Catalogues, TheEnglishTextsAreTheListedOnes) {
    QFile listFile(QString(MAROVANE_SOURCE_DIR) + "/tests/ui/english-texts.txt");
    ASSERT_TRUE(listFile.open(QIODevice::ReadOnly | QIODevice::Text));
    std::set<QString> listed;
    for (const QString& line : QString::fromUtf8(listFile.readAll()).split('\n'))
        if (!line.isEmpty())
            listed.insert(line);
    for (const QString& path : Catalogues()) {
        std::set<QString> found;
        for (const Entry& entry : ReadCatalogue(path))
            found.insert(entry.context + "\t" + QString(entry.source).replace('\n', "\\n"));
        for (const QString& text : found)
            EXPECT_TRUE(listed.count(text)) << "new or changed: " << text.toStdString();
        for (const QString& text : listed)
            EXPECT_TRUE(found.count(text)) << "gone: " << text.toStdString();
    }
}

} // namespace
} // namespace marovane
