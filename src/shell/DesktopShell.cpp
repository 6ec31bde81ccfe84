#include "shell/DesktopShell.h"

#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/TutorialCommand.h"
#include "shell/TutorialGuidePanel.h"
#include "ui/GameWindow.h"
#include "ui/KeepDialog.h"
#include "ui/dialogs/GameSetupDialog.h"
#include "ui/dialogs/PlacementDialog.h"
#include "ui/dialogs/ScenarioEditor.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QShortcut>
#include <QWindow>

namespace marovane {

DesktopShell::DesktopShell(GameWindow& window, const QDir& programDir)
    : QObject(&window), window_(window), programDir_(programDir), book_(programDir) {
    tutorial_ = new TutorialCommand(window_, programDir_);
    const auto item = [this](const char* name, void (DesktopShell::*command)()) {
        QAction* action = window_.Action(name);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, command);
    };
    item("mnuHContents", &DesktopShell::ShowContents);
    // F1 in the window itself is the menu item's key, shown beside it.
    item("mnuHWindow", &DesktopShell::ShowWindowHelp);
    item("mnuHTutorial", &DesktopShell::StartTutorial);
    item("mnuHAbout", &DesktopShell::ShowAbout);
    connect(&window_, &GameWindow::TutorialStarted, this, &DesktopShell::ShowTutorialHelp);
    // The guide belongs to one tutorial game: it goes when that game ends or another begins (a
    // new tutorial game opens it again, afresh).
    const auto closeGuide = [this] {
        if (tutorialPanel_)
            tutorialPanel_->hide();
    };
    connect(&window_, &GameWindow::GameBegan, this, closeGuide);
    connect(&window_, &GameWindow::GameFinished, this, closeGuide);
    connect(&window_, &GameWindow::PlayerDid, this, [this](PlayerDeed deed) {
        if (tutorialPanel_ && tutorialPanel_->isVisible())
            static_cast<TutorialGuidePanel*>(tutorialPanel_->widget())->Did(deed);
    });
    AddHelpKey(*window_.Keep(), help_context::Keep);
    AddHelpKey(*window_.SetupDialog(), help_context::NewGame);
    // The scenario page tells about the editors too.
    AddHelpKey(*window_.SetupDialog()->Editor(), help_context::NewGame);
    AddHelpKey(*window_.SetupDialog()->Editor()->Placement(), help_context::NewGame);
}

DesktopShell::~DesktopShell() {
    delete help_;
}

void DesktopShell::AddHelpKey(QWidget& widget, int context) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &widget);
    connect(key, &QShortcut::activated, this, [this, context] { ShowHelp(context); });
}

void DesktopShell::OpenPage(const QString& page) {
    if (!help_)
        help_ = new HelpWindow(tr("Marovane Help"), book_.ContentsPage());
    help_->ShowPage(page);
    help_->show();
    // A modal dialog (the keep, the new-game dialog) holds back the input of every window but
    // its own; the help window becomes one of them, as a transient window of the dialog, so its
    // links, Back and scrolling work beside it. It stays open when the dialog closes.
    QWidget* modal = QApplication::activeModalWidget();
    help_->windowHandle()->setTransientParent(modal && modal != help_ ? modal->windowHandle()
                                                                      : nullptr);
    help_->raise();
    help_->activateWindow();
}

void DesktopShell::ShowHelp(int context) {
    OpenPage(book_.ContextPage(context));
}

void DesktopShell::ShowWindowHelp() {
    ShowHelp(help_context::MainWindow);
}

void DesktopShell::ShowContents() {
    OpenPage(book_.ContentsPage());
}

void DesktopShell::ShowAbout() {
    AboutBox about(window_.Session().Settings(), &window_);
    about.exec();
}

void DesktopShell::ShowAboutAtStart() {
    if (window_.Session().Settings().ShowAbout())
        ShowAbout();
}

void DesktopShell::StartTutorial() {
    tutorial_->Start();
}

void DesktopShell::ShowTutorialHelp() {
    if (!tutorialPanel_) {
        tutorialPanel_ = new QDockWidget(tr("Marovane Tutorial"), &window_);
        tutorialPanel_->setObjectName("tutorialHelp");
        auto* guide = new TutorialGuidePanel(tutorialPanel_);
        connect(guide, &TutorialGuidePanel::HelpWanted, this,
                [this] { OpenPage(book_.TutorialPage()); });
        tutorialPanel_->setWidget(guide);
        tutorialPanel_->setMinimumWidth(260);
        window_.addDockWidget(Qt::RightDockWidgetArea, tutorialPanel_);
    }
    static_cast<TutorialGuidePanel*>(tutorialPanel_->widget())->Restart();
    tutorialPanel_->show();
}

} // namespace marovane
