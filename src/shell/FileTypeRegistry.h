#pragma once

#include <QString>

#include <functional>

namespace marovane {

// One kind of document that opens with the game, as the desktop's registry of file types holds
// it. What the key, command and icon look like depends on the desktop: a MIME type, an Exec line
// and an icon name on a freedesktop desktop; a class key, an open command and an icon location in
// the Windows registry.
struct DocumentType {
    QString Extension;   // ".def"
    QString Description; // "Marovane Game Definition File"
    QString TypeKey;     // what the extension maps to
    QString Command;     // what opens a document of the type
    QString Icon;        // the type's icon
};

// The desktop's registry of file types, reduced to what registering a type needs.
class FileTypeRegistry {
public:
    virtual ~FileTypeRegistry() = default;

    // The type key that documents with the extension open as; empty when none.
    virtual QString TypeOfExtension(const QString& extension) const = 0;
    // The command and the icon registered for a type key; empty when none.
    virtual QString OpenCommand(const QString& typeKey) const = 0;
    virtual QString IconOf(const QString& typeKey) const = 0;
    // Makes the type the one its extension opens as, with its command and icon. False when the
    // desktop's files could not be written.
    virtual bool Write(const DocumentType& type) = 0;
};

enum class Registration {
    AlreadyOurs, // nothing to do
    Written,     // newly registered, or taken over with the player's consent
    Declined,    // another program keeps the type
    Failed,      // the desktop's files could not be written
};

// Checks one document type and registers it when needed: a type not registered at all is
// written at once; one registered differently (to another program, or to this program elsewhere)
// is written only when the player answers Yes to `ask` (given the question's text).
Registration RegisterFileType(FileTypeRegistry& registry, const DocumentType& type,
                              const std::function<bool(const QString&)>& ask);

// The question asked before taking a type over.
QString TakeOverQuestion(const DocumentType& type);

} // namespace marovane
