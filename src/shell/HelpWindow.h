#pragma once

#include <QWidget>

class QTextBrowser;

namespace marovane {

// The program's own help viewer: one page at a time with its links, and the way back.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own, or (with a parent) a panel inside another window. Its Contents button
    // leads to the given page.
    HelpWindow(const QString& title, const QString& contentsPage, QWidget* parent = nullptr);

    // Shows a page (a file path); a missing page shows where it was looked for.
    void ShowPage(const QString& path);
    QTextBrowser* Browser() const { return browser_; }
    // The page shown, as a file path.
    QString CurrentPage() const;

private:
    QString contentsPage_;
    QTextBrowser* browser_;
};

} // namespace marovane
