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
