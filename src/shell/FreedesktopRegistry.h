#pragma once

#include "shell/FileTypeRegistry.h"

#include <QDir>

#include <functional>

namespace marovane {

// Document types on a freedesktop desktop (Linux, BSD), kept in the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share):
// - mime/packages/TYPE.xml: the MIME type with its description, icon and "*.ext" glob;
// - applications/marovane-KIND.desktop: the entry that opens it, with its Exec line;
// - applications/mimeapps.list: the entry as the type's default application;
// - icons/hicolor/SIZE/mimetypes and apps: the icons, copied from the program folder.
// The extension's owner is the type whose glob for it weighs most among the user's MIME packages.
class FreedesktopRegistry : public FileTypeRegistry {
public:
    // `iconSource` holds the program's icons as hicolor/SIZE/{apps,mimetypes}/NAME.png.
    // `refresh` runs after a write so the desktop rebuilds its caches (nothing in tests).
    FreedesktopRegistry(const QDir& dataHome, const QDir& iconSource,
                        std::function<void(const QDir&)> refresh = {});

    // The documents of this program: its desktop entries start it as `programPath`.
    static DocumentType ScenarioType(const QString& programPath);
    static DocumentType SavedGameType(const QString& programPath);
    // The user's data folder of the desktop.
    static QDir UserDataHome();
    // Rebuilds the desktop's MIME and application caches under a data folder, when its tools are
    // installed.
    static void RefreshDesktopCaches(const QDir& dataHome);

    QString TypeOfExtension(const QString& extension) const override;
    QString OpenCommand(const QString& typeKey) const override;
    QString IconOf(const QString& typeKey) const override;
    bool Write(const DocumentType& type) override;

private:
    QString DefaultEntry(const QString& typeKey) const;
    bool CopyIcons(const DocumentType& type) const;

    QDir dataHome_;
    QDir iconSource_;
    std::function<void(const QDir&)> refresh_;
};

} // namespace marovane
