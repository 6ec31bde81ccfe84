#include "shell/FileTypeRegistry.h"

namespace marovane {

namespace {

bool Same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString TakeOverQuestion(const DocumentType& type) {
    return "It appears that Marovane is not the default application for " + type.Description +
           " (" + type.Extension + ").  Would you like to make it the default application now?";
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
