#include "shell/WindowsRegistry.h"

#include <QCoreApplication>
#include <QSettings>

namespace marovane {

namespace {

// A key's default value, as the registry's QSettings view names it.
const char* const kDefault = "Default";

DocumentType MakeType(const QString& extension, const QString& description, int icon,
                      const QString& programPath) {
    DocumentType type;
    type.Extension = extension;
    type.Description = description;
    // The type key is the description with points for spaces.
    type.TypeKey = QString(description).replace(' ', '.');
    type.Command = "\"" + programPath + "\" \"%1\"";
    // The program carries the document icons after its own.
    type.Icon = programPath + "," + QString::number(icon);
    return type;
}

} // namespace

DocumentType WindowsRegistry::ScenarioType(const QString& programPath) {
    return MakeType(".def", QT_TRANSLATE_NOOP("FileTypeRegistry", "Marovane Game Definition File"),
                    1, programPath);
}

DocumentType WindowsRegistry::SavedGameType(const QString& programPath) {
    return MakeType(".mvg", QT_TRANSLATE_NOOP("FileTypeRegistry", "Marovane Saved Game File"), 2,
                    programPath);
}

QString WindowsRegistry::TypeOfExtension(const QString& extension) const {
    return QSettings(root_ + "\\" + extension, QSettings::NativeFormat).value(kDefault).toString();
}

QString WindowsRegistry::OpenCommand(const QString& typeKey) const {
    return QSettings(root_ + "\\" + typeKey + "\\shell\\open\\command", QSettings::NativeFormat)
        .value(kDefault)
        .toString();
}

QString WindowsRegistry::IconOf(const QString& typeKey) const {
    return QSettings(root_ + "\\" + typeKey + "\\DefaultIcon", QSettings::NativeFormat)
        .value(kDefault)
        .toString();
}

bool WindowsRegistry::Write(const DocumentType& type) {
    QSettings classes(root_, QSettings::NativeFormat);
    classes.setValue(type.Extension + "/" + kDefault, type.TypeKey);
    classes.setValue(type.TypeKey + "/" + kDefault, type.Description);
    classes.setValue(type.TypeKey + "/DefaultIcon/" + kDefault, type.Icon);
    classes.setValue(type.TypeKey + "/shell/open/command/" + kDefault, type.Command);
    classes.sync();
    return classes.status() == QSettings::NoError;
}

} // namespace marovane
