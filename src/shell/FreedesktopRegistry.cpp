#include "shell/FreedesktopRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace marovane {

namespace {

constexpr int kDefaultGlobWeight = 50; // what the MIME database assumes without a weight
constexpr int kOurGlobWeight = 80;
const char* const kDefaultsSection = "[Default Applications]";
const char* const kIconSizes[] = {"256x256", "48x48", "32x32"};

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool WriteText(const QString& path, const QString& text) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

// "application/x-marovane-scenario" -> "marovane-scenario.desktop"
QString DesktopEntryName(const QString& mimeType) {
    QString name = mimeType.section('/', 1);
    if (name.startsWith("x-"))
        name.remove(0, 2);
    return name + ".desktop";
}

QString PackageName(const QString& mimeType) {
    return QString(mimeType).replace('/', '-') + ".xml";
}

// The Exec line's program: quoted, with the characters that are special inside quotes escaped.
QString ExecLine(const QString& programPath) {
    QString quoted;
    for (const QChar c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return "\"" + quoted + "\" %f";
}

DocumentType MakeType(const QString& extension, const QString& kind, const QString& description,
                      const QString& programPath) {
    DocumentType type;
    type.Extension = extension;
    type.Description = description;
    type.TypeKey = "application/x-marovane-" + kind;
    type.Command = ExecLine(programPath);
    type.Icon = "application-x-marovane-" + kind;
    return type;
}

struct GlobOwner {
    QString Type;
    int Weight = -1;
};

// The heaviest glob for "*EXT" among the MIME packages; `skip` leaves out one type's own.
GlobOwner HeaviestGlob(const QDir& packages, const QString& extension, const QString& skip = {}) {
    GlobOwner owner;
    const QString pattern = "*" + extension;
    for (const QString& name : packages.entryList({"*.xml"}, QDir::Files, QDir::Name)) {
        QFile file(packages.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader xml(&file);
        QString type;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"mime-type") {
                type = xml.attributes().value("type").toString();
            } else if (xml.name() == u"glob" && !type.isEmpty() &&
                       type.compare(skip, Qt::CaseInsensitive) != 0 &&
                       xml.attributes().value("pattern").compare(pattern, Qt::CaseInsensitive) ==
                           0) {
                bool ok = false;
                int weight = xml.attributes().value("weight").toInt(&ok);
                if (!ok)
                    weight = kDefaultGlobWeight;
                if (weight > owner.Weight)
                    owner = {type, weight};
            }
        }
    }
    return owner;
}

// The value of a key in one section of an ini-like desktop file; empty when absent.
QString IniValue(const QString& text, const QString& section, const QString& key) {
    bool inSection = false;
    for (const QString& raw : text.split('\n')) {
        const QString line = raw.trimmed();
        if (line.startsWith('[')) {
            inSection = line == section;
        } else if (inSection && line.startsWith(key + "=")) {
            return line.mid(key.size() + 1);
        }
    }
    return {};
}

// The text with `key=value` set in the section, every other line kept.
QString WithIniValue(const QString& text, const QString& section, const QString& key,
                     const QString& value) {
    QStringList lines = text.isEmpty() ? QStringList() : text.split('\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const QString entry = key + "=" + value;
    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line == section) {
            header = i;
        } else if (line.startsWith('[')) {
            if (header >= 0)
                break;
        } else if (header >= 0 && line.startsWith(key + "=")) {
            lines[i] = entry;
            return lines.join('\n') + '\n';
        }
    }
    if (header < 0) {
        lines << section << entry;
    } else {
        qsizetype end = header + 1;
        while (end < lines.size() && !lines[end].trimmed().startsWith('['))
            ++end;
        lines.insert(end, entry);
    }
    return lines.join('\n') + '\n';
}

} // namespace

FreedesktopRegistry::FreedesktopRegistry(const QDir& dataHome, const QDir& iconSource,
                                         std::function<void(const QDir&)> refresh)
    : dataHome_(dataHome), iconSource_(iconSource), refresh_(std::move(refresh)) {}

DocumentType FreedesktopRegistry::ScenarioType(const QString& programPath) {
    return MakeType(".def", "scenario", "Marovane Game Definition File", programPath);
}

DocumentType FreedesktopRegistry::SavedGameType(const QString& programPath) {
    return MakeType(".mvg", "savegame", "Marovane Saved Game File", programPath);
}

QDir FreedesktopRegistry::UserDataHome() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

void FreedesktopRegistry::RefreshDesktopCaches(const QDir& dataHome) {
    const QString mime = QStandardPaths::findExecutable("update-mime-database");
    if (!mime.isEmpty())
        QProcess::startDetached(mime, {dataHome.filePath("mime")});
    const QString desktop = QStandardPaths::findExecutable("update-desktop-database");
    if (!desktop.isEmpty())
        QProcess::startDetached(desktop, {dataHome.filePath("applications")});
}

QString FreedesktopRegistry::TypeOfExtension(const QString& extension) const {
    return HeaviestGlob(QDir(dataHome_.filePath("mime/packages")), extension).Type;
}

QString FreedesktopRegistry::DefaultEntry(const QString& typeKey) const {
    const QString list = ReadText(dataHome_.filePath("applications/mimeapps.list"));
    return IniValue(list, kDefaultsSection, typeKey).section(';', 0, 0).trimmed();
}

QString FreedesktopRegistry::OpenCommand(const QString& typeKey) const {
    const QString entry = DefaultEntry(typeKey);
    if (entry.isEmpty())
        return {};
    return IniValue(ReadText(dataHome_.filePath("applications/" + entry)), "[Desktop Entry]",
                    "Exec");
}

QString FreedesktopRegistry::IconOf(const QString& typeKey) const {
    QFile file(dataHome_.filePath("mime/packages/" + PackageName(typeKey)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"icon") {
            const QString name = xml.attributes().value("name").toString();
            // A type whose icon file is gone is not fully registered.
            const QString icon = "icons/hicolor/48x48/mimetypes/" + name + ".png";
            return QFileInfo::exists(dataHome_.filePath(icon)) ? name : QString();
        }
    }
    return {};
}

bool FreedesktopRegistry::CopyIcons(const DocumentType& type) const {
    bool copied = true;
    for (const char* size : kIconSizes) {
        for (const QString& icon :
             {"mimetypes/" + type.Icon + ".png", QString("apps/marovane.png")}) {
            const QString relative = QString("hicolor/") + size + "/" + icon;
            const QString source = iconSource_.filePath(relative);
            const QString target = dataHome_.filePath("icons/" + relative);
            if (!QFileInfo::exists(source))
                continue;
            QDir().mkpath(QFileInfo(target).path());
            QFile::remove(target);
            copied = QFile::copy(source, target) && copied;
        }
    }
    return copied;
}

bool FreedesktopRegistry::Write(const DocumentType& type) {
    // Taking an extension over means outweighing every other type that claims it.
    const GlobOwner other =
        HeaviestGlob(QDir(dataHome_.filePath("mime/packages")), type.Extension, type.TypeKey);
    const int weight = std::min(100, std::max(kOurGlobWeight, other.Weight + 1));
    const QString package =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" +
        type.TypeKey +
        "\">\n"
        "    <comment>" +
        type.Description.toHtmlEscaped() +
        "</comment>\n"
        "    <icon name=\"" +
        type.Icon +
        "\"/>\n"
        "    <glob pattern=\"*" +
        type.Extension + "\" weight=\"" + QString::number(weight) +
        "\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    const QString entryName = DesktopEntryName(type.TypeKey);
    const QString entry = "[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Marovane\n"
                          "Comment=Opens a " +
                          type.Description +
                          "\n"
                          "Exec=" +
                          type.Command +
                          "\n"
                          "Icon=marovane\n"
                          "MimeType=" +
                          type.TypeKey +
                          ";\n"
                          "NoDisplay=true\n"
                          "Terminal=false\n";
    const QString listPath = dataHome_.filePath("applications/mimeapps.list");
    const QString list =
        WithIniValue(ReadText(listPath), kDefaultsSection, type.TypeKey, entryName + ";");
    const bool written =
        CopyIcons(type) &&
        WriteText(dataHome_.filePath("mime/packages/" + PackageName(type.TypeKey)), package) &&
        WriteText(dataHome_.filePath("applications/" + entryName), entry) &&
        WriteText(listPath, list);
    if (written && refresh_)
        refresh_(dataHome_);
    return written;
}

} // namespace marovane
