#include "shell/HelpBook.h"

#include <map>

namespace marovane {

namespace {

const std::map<int, QString>& PagesByContext() {
    static const std::map<int, QString> pages = {
        {help_context::MainWindow, "window.html"},
        {help_context::Keep, "keep.html"},
        {help_context::NewGame, "scenarios.html"},
    };
    return pages;
}

} // namespace

HelpBook::HelpBook(const QDir& programDir, const QString& language)
    : folder_(programDir.filePath("help")) {
    if (language != "en" && folder_.exists(language + "/index.html"))
        folder_.setPath(folder_.filePath(language));
}

QString HelpBook::ContextPage(int context) const {
    const auto found = PagesByContext().find(context);
    return found == PagesByContext().end() ? ContentsPage() : folder_.filePath(found->second);
}

QList<int> HelpBook::Contexts() {
    QList<int> contexts;
    for (const auto& [context, page] : PagesByContext())
        contexts.append(context);
    return contexts;
}

} // namespace marovane
