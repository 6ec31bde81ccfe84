#include "shell/FileTypes.h"

#include "shell/FileTypeRegistry.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <memory>
#include <vector>

#ifdef Q_OS_WIN
#include "shell/WindowsRegistry.h"
#else
#include "shell/FreedesktopRegistry.h"
#endif

namespace marovane {

void RegisterDocumentTypes(QWidget* parent, const QDir& programDir) {
    const QString program = QDir::toNativeSeparators(QApplication::applicationFilePath());
#ifdef Q_OS_WIN
    Q_UNUSED(programDir);
    WindowsRegistry registry;
    const std::vector<DocumentType> types = {WindowsRegistry::ScenarioType(program),
                                             WindowsRegistry::SavedGameType(program)};
#else
    const QDir icons(programDir.filePath("icons"));
    FreedesktopRegistry registry(DesktopFolders::FromEnvironment(), icons,
                                 &FreedesktopRegistry::RefreshDesktopCaches);
    const std::vector<DocumentType> types = {FreedesktopRegistry::ScenarioType(program),
                                             FreedesktopRegistry::SavedGameType(program)};
#endif
    const auto ask = [parent](const QString& question) {
        return QMessageBox::question(parent, "Marovane", question,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    for (const DocumentType& type : types) {
        if (RegisterFileType(registry, type, ask) == Registration::Failed)
            qWarning("Marovane could not register %s files with the desktop.",
                     qPrintable(type.Extension));
    }
}

} // namespace marovane
