#include "shell/FileTypeRegistry.h"

#include <QCoreApplication>

namespace marovane {

namespace {

bool Same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString TakeOverQuestion(const DocumentType& type) {
    // The description stays English in the desktop's files; the question shows it translated.
    return QCoreApplication::translate(
               "FileTypeRegistry",
               "It appears that Marovane is not the default application for %1 (%2).  Would you "
               "like to make it the default application now?")
        .arg(QCoreApplication::translate("FileTypeRegistry", type.Description.toUtf8().constData()),
             type.Extension);
}

Registration RegisterFileType(FileTypeRegistry& registry, const DocumentType& type,
                              const std::function<bool(const QString&)>& ask) {
    const QString current = registry.TypeOfExtension(type.Extension);
    if (!current.isEmpty()) {
        if (Same(current, type.TypeKey) && Same(registry.OpenCommand(type.TypeKey), type.Command) &&
            Same(registry.IconOf(type.TypeKey), type.Icon))
            return Registration::AlreadyOurs;
        if (!ask(TakeOverQuestion(type)))
            return Registration::Declined;
    }
    return registry.Write(type) ? Registration::Written : Registration::Failed;
}

} // namespace marovane
