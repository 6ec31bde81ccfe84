#pragma once

#include "shell/FileTypeRegistry.h"

#include <QString>

namespace marovane {

// Document types in the Windows registry, under the user's own classes
// (HKEY_CURRENT_USER\Software\Classes): the extension's key names the type key, which holds the
// description, "DefaultIcon" and "shell\open\command". Built on Windows only.
class WindowsRegistry : public FileTypeRegistry {
public:
    explicit WindowsRegistry(const QString& root = "HKEY_CURRENT_USER\\Software\\Classes")
        : root_(root) {}

    static DocumentType ScenarioType(const QString& programPath);
    static DocumentType SavedGameType(const QString& programPath);

    QString TypeOfExtension(const QString& extension) const override;
    QString OpenCommand(const QString& typeKey) const override;
    QString IconOf(const QString& typeKey) const override;
    bool Write(const DocumentType& type) override;

private:
    QString root_;
};

} // namespace marovane
