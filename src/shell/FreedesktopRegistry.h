#pragma once

#include "shell/FileTypeRegistry.h"

#include <QDir>
#include <QList>

#include <functional>

namespace marovane {

// The folders of the freedesktop base directories that file types live in.
struct DesktopFolders {
    QDir DataHome;          // $XDG_DATA_HOME, else ~/.local/share
    QList<QDir> DataDirs;   // $XDG_DATA_DIRS, else /usr/local/share:/usr/share
    QDir ConfigHome;        // $XDG_CONFIG_HOME, else ~/.config
    QList<QDir> ConfigDirs; // $XDG_CONFIG_DIRS, else /etc/xdg

    // As the environment gives them.
    static DesktopFolders FromEnvironment();
};

// Document types on a freedesktop desktop (Linux, BSD). What is read is what the desktop
// itself reads: the merged MIME database of the user's data folder and every system data folder
// (each one's compiled globs2 and its mime/packages sources), the default applications of the
// mimeapps.list files (the user's ~/.config one first) and the desktop entries of every
// applications folder. What is written goes to the user's own folders:
// - DATA_HOME/mime/packages/TYPE.xml: the MIME type with its description, icon and glob;
// - DATA_HOME/applications/marovane-KIND.desktop: the entry that opens it, with its Exec line;
// - CONFIG_HOME/mimeapps.list: the entry as the type's default application;
// - DATA_HOME/icons/hicolor/SIZE/mimetypes and apps: the icons, copied from the program folder.
// The extension's owner is the type whose glob for it weighs most; on equal weights the user's
// folder wins, then the system folders in order.
class FreedesktopRegistry : public FileTypeRegistry {
public:
    // `iconSource` holds the program's icons as hicolor/SIZE/{apps,mimetypes}/NAME.png.
    // `refresh` runs after a write so the desktop rebuilds its caches (nothing in tests).
    FreedesktopRegistry(DesktopFolders folders, const QDir& iconSource,
                        std::function<void(const QDir&)> refresh = {});

    // The documents of this program: its desktop entries start it as `programPath`.
    static DocumentType ScenarioType(const QString& programPath);
    static DocumentType SavedGameType(const QString& programPath);
    // Rebuilds the desktop's MIME and application caches under a data folder, when its tools are
    // installed.
    static void RefreshDesktopCaches(const QDir& dataHome);

    QString TypeOfExtension(const QString& extension) const override;
    QString OpenCommand(const QString& typeKey) const override;
    QString IconOf(const QString& typeKey) const override;
    bool Write(const DocumentType& type) override;

private:
    QString DefaultEntry(const QString& typeKey) const;
    QString EntryPath(const QString& entry) const;
    bool CopyIcons(const DocumentType& type) const;

    DesktopFolders folders_;
    QDir iconSource_;
    std::function<void(const QDir&)> refresh_;
};

} // namespace marovane
