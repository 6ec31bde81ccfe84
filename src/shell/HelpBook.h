#pragma once

#include "ui/Language.h"

#include <QDir>
#include <QString>
#include <QStringList>

namespace marovane {

// The numbers by which the windows ask for help about themselves.
namespace help_context {
inline constexpr int MainWindow = 2; // F1 in the main window
inline constexpr int Keep = 3;       // F1 in the keep dialog
inline constexpr int NewGame = 4;    // F1 in the new-game dialog
} // namespace help_context

// The help pages shipped in the program folder's "help" folder: a contents page, one page per
// context number, and the tutorial's own page. A translation's pages are in a folder named by
// its code inside it ("help/de"), with the same file names; English is the help folder itself.
class HelpBook {
public:
    explicit HelpBook(const QDir& programDir, const QString& language = CurrentLanguage());

    QString ContentsPage() const { return folder_.filePath("index.html"); }
    // The page of a context number; the contents page for a number without a page of its own.
    QString ContextPage(int context) const;
    QString TutorialPage() const { return folder_.filePath("tutorial.html"); }

    // Every context number that has a page of its own.
    static QList<int> Contexts();

private:
    QDir folder_;
};

} // namespace marovane
