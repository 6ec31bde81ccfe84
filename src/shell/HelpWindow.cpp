#include "shell/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace marovane {

HelpWindow::HelpWindow(const QString& title, const QString& contentsPage, QWidget* parent)
    : QWidget(parent), contentsPage_(contentsPage) {
    setWindowTitle(title);
    setObjectName("helpWindow");
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName("back");
    back->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    auto* contents = new QPushButton(tr("&Contents"), this);
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(contentsPage_); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    if (!parent)
        resize(620, 700);
}

void HelpWindow::ShowPage(const QString& path) {
    if (!QFileInfo::exists(path)) {
        browser_->setHtml("<p>" +
                          tr("The help page %1 is missing. Reinstalling the game brings it back.")
                              .toHtmlEscaped()
                              .arg("<b>" + path.toHtmlEscaped() + "</b>") +
                          "</p>");
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(path));
}

QString HelpWindow::CurrentPage() const {
    return browser_->source().toLocalFile();
}

} // namespace marovane
