#include "shell/FreedesktopRegistry.h"

#include <QCoreApplication>
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

// A program in an Exec line: quoted, with the characters that are special inside quotes escaped.
QString QuotedProgram(const QString& programPath) {
    QString quoted;
    for (const QChar c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return "\"" + quoted + "\"";
}

QString ExecLine(const QString& programPath) {
    return QuotedProgram(programPath) + " %f";
}

// An Exec line with its program found on the PATH and quoted as ExecLine quotes it, so that
// "marovane %f" of an installed entry and the running program's own line compare equal.
QString CanonicalExec(const QString& exec) {
    QString program;
    qsizetype end = 0;
    if (exec.startsWith('"')) {
        for (end = 1; end < exec.size() && exec[end] != '"'; ++end) {
            if (exec[end] == '\\' && end + 1 < exec.size())
                ++end;
            program += exec[end];
        }
        ++end; // past the closing quote
    } else {
        end = exec.indexOf(' ');
        if (end < 0)
            end = exec.size();
        program = exec.left(end);
    }
    if (!QFileInfo(program).isAbsolute()) {
        const QString found = QStandardPaths::findExecutable(program);
        if (found.isEmpty())
            return exec;
        program = found;
    }
    return QuotedProgram(program) + exec.mid(end);
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

// Takes a claim of `type` on the pattern when it outweighs the owner so far; on equal weights
// the claim seen first stays.
void Claim(GlobOwner& owner, const QString& type, int weight, const QString& skip) {
    if (!type.isEmpty() && type.compare(skip, Qt::CaseInsensitive) != 0 && weight > owner.Weight)
        owner = {type, weight};
}

// The claims of one MIME folder's compiled globs file: lines "weight:type:glob[:flags]".
void GlobsFileClaims(const QDir& mime, const QString& pattern, const QString& skip,
                     GlobOwner& owner) {
    for (const QString& line : ReadText(mime.filePath("globs2")).split('\n')) {
        if (line.startsWith('#'))
            continue;
        const QStringList fields = line.split(':');
        if (fields.size() < 3 || fields[2].compare(pattern, Qt::CaseInsensitive) != 0)
            continue;
        bool ok = false;
        const int weight = fields[0].toInt(&ok);
        if (ok)
            Claim(owner, fields[1], weight, skip);
    }
}

// The claims of one MIME folder's package sources, which are newer than its globs file until
// the desktop has rebuilt it. Packages that do not mention the pattern are not parsed.
void PackageClaims(const QDir& mime, const QString& pattern, const QString& skip,
                   GlobOwner& owner) {
    const QDir packages(mime.filePath("packages"));
    for (const QString& name : packages.entryList({"*.xml"}, QDir::Files, QDir::Name)) {
        const QString text = ReadText(packages.filePath(name));
        if (!text.contains(pattern, Qt::CaseInsensitive))
            continue;
        QXmlStreamReader xml(text);
        QString type;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"mime-type") {
                type = xml.attributes().value("type").toString();
            } else if (xml.name() == u"glob" && xml.attributes().value("pattern").compare(
                                                    pattern, Qt::CaseInsensitive) == 0) {
                bool ok = false;
                int weight = xml.attributes().value("weight").toInt(&ok);
                if (!ok)
                    weight = kDefaultGlobWeight;
                Claim(owner, type, weight, skip);
            }
        }
    }
}

// The user's data folder first, then the system's in order.
QList<QDir> DataFolders(const DesktopFolders& folders) {
    return QList<QDir>{folders.DataHome} + folders.DataDirs;
}

// The heaviest glob for "*EXT" in the merged MIME database; `skip` leaves out one type's own.
GlobOwner HeaviestGlob(const DesktopFolders& folders, const QString& extension,
                       const QString& skip = {}) {
    GlobOwner owner;
    const QString pattern = "*" + extension;
    for (const QDir& data : DataFolders(folders)) {
        const QDir mime(data.filePath("mime"));
        GlobsFileClaims(mime, pattern, skip, owner);
        PackageClaims(mime, pattern, skip, owner);
    }
    return owner;
}

// The base folders a list of absolute paths names, as the XDG variables give them.
QList<QDir> FolderList(const char* variable, const QString& fallback) {
    QString value = qEnvironmentVariable(variable);
    if (value.isEmpty())
        value = fallback;
    QList<QDir> folders;
    for (const QString& path : value.split(':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(path))
            folders.append(QDir(path));
    }
    return folders;
}

QDir HomeFolder(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return QDir(QDir::isAbsolutePath(value) ? value : QDir::home().filePath(fallback));
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

DesktopFolders DesktopFolders::FromEnvironment() {
    DesktopFolders folders;
    folders.DataHome = HomeFolder("XDG_DATA_HOME", ".local/share");
    folders.DataDirs = FolderList("XDG_DATA_DIRS", "/usr/local/share/:/usr/share/");
    folders.ConfigHome = HomeFolder("XDG_CONFIG_HOME", ".config");
    folders.ConfigDirs = FolderList("XDG_CONFIG_DIRS", "/etc/xdg");
    return folders;
}

FreedesktopRegistry::FreedesktopRegistry(DesktopFolders folders, const QDir& iconSource,
                                         std::function<void(const QDir&)> refresh)
    : folders_(std::move(folders)), iconSource_(iconSource), refresh_(std::move(refresh)) {}

DocumentType FreedesktopRegistry::ScenarioType(const QString& programPath) {
    return MakeType(".def", "scenario",
                    QT_TRANSLATE_NOOP("FileTypeRegistry", "Marovane Game Definition File"),
                    programPath);
}

DocumentType FreedesktopRegistry::SavedGameType(const QString& programPath) {
    return MakeType(".mvg", "savegame",
                    QT_TRANSLATE_NOOP("FileTypeRegistry", "Marovane Saved Game File"), programPath);
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
    return HeaviestGlob(folders_, extension).Type;
}

QString FreedesktopRegistry::EntryPath(const QString& entry) const {
    for (const QDir& data : DataFolders(folders_)) {
        const QString path = data.filePath("applications/" + entry);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QString FreedesktopRegistry::DefaultEntry(const QString& typeKey) const {
    // The user's choice comes first, then the system's; the data folders' lists are the older
    // places, still read but never written.
    QStringList lists{folders_.ConfigHome.filePath("mimeapps.list")};
    for (const QDir& config : folders_.ConfigDirs)
        lists << config.filePath("mimeapps.list");
    for (const QDir& data : DataFolders(folders_))
        lists << data.filePath("applications/mimeapps.list");
    for (const QString& list : lists) {
        const QString value = IniValue(ReadText(list), kDefaultsSection, typeKey);
        for (const QString& entry : value.split(';', Qt::SkipEmptyParts)) {
            if (!EntryPath(entry.trimmed()).isEmpty())
                return entry.trimmed();
        }
    }
    // Without a default the desktop takes an entry that opens the type, the user's first.
    for (const QDir& data : DataFolders(folders_)) {
        const QString cache = ReadText(data.filePath("applications/mimeinfo.cache"));
        const QString entry = IniValue(cache, "[MIME Cache]", typeKey).section(';', 0, 0).trimmed();
        if (!entry.isEmpty() && !EntryPath(entry).isEmpty())
            return entry;
    }
    return {};
}

QString FreedesktopRegistry::OpenCommand(const QString& typeKey) const {
    const QString entry = DefaultEntry(typeKey);
    if (entry.isEmpty())
        return {};
    return CanonicalExec(IniValue(ReadText(EntryPath(entry)), "[Desktop Entry]", "Exec"));
}

QString FreedesktopRegistry::IconOf(const QString& typeKey) const {
    for (const QDir& data : DataFolders(folders_)) {
        const QDir packages(data.filePath("mime/packages"));
        for (const QString& name : packages.entryList({"*.xml"}, QDir::Files, QDir::Name)) {
            const QString text = ReadText(packages.filePath(name));
            if (!text.contains(typeKey))
                continue;
            QXmlStreamReader xml(text);
            bool inType = false;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"mime-type") {
                    inType = xml.attributes().value("type") == typeKey;
                } else if (inType && xml.name() == u"icon") {
                    const QString icon = xml.attributes().value("name").toString();
                    // A type whose icon file is gone is not fully registered.
                    for (const QDir& iconData : DataFolders(folders_)) {
                        if (QFileInfo::exists(iconData.filePath("icons/hicolor/48x48/mimetypes/" +
                                                                icon + ".png")))
                            return icon;
                    }
                    return {};
                }
            }
        }
    }
    return {};
}

bool FreedesktopRegistry::CopyIcons(const DocumentType& type) const {
    // Every size the program folder has, the scalable one included.
    const QDir theme(iconSource_.filePath("hicolor"));
    bool copied = true;
    for (const QString& size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString ending = size == "scalable" ? ".svg" : ".png";
        for (const QString& icon :
             {"mimetypes/" + type.Icon + ending, QString("apps/marovane") + ending}) {
            const QString relative = "hicolor/" + size + "/" + icon;
            const QString source = iconSource_.filePath(relative);
            const QString target = folders_.DataHome.filePath("icons/" + relative);
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
    const GlobOwner other = HeaviestGlob(folders_, type.Extension, type.TypeKey);
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
    const QString listPath = folders_.ConfigHome.filePath("mimeapps.list");
    const QString list =
        WithIniValue(ReadText(listPath), kDefaultsSection, type.TypeKey, entryName + ";");
    const bool written =
        CopyIcons(type) &&
        WriteText(folders_.DataHome.filePath("mime/packages/" + PackageName(type.TypeKey)),
                  package) &&
        WriteText(folders_.DataHome.filePath("applications/" + entryName), entry) &&
        WriteText(listPath, list);
    if (written && refresh_)
        refresh_(folders_.DataHome);
    return written;
}

} // namespace marovane
