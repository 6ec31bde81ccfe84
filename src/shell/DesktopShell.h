#pragma once

#include "shell/HelpBook.h"
#include "shell/HelpWindow.h"

#include <QDir>
#include <QDockWidget>
#include <QObject>
#include <QPointer>

namespace marovane {

class GameWindow;
class TutorialCommand;

// What connects the game window to the desktop around it: the Help menu (contents, tutorial,
// about box), F1 in the window and its dialogs, the tutorial's help beside the board, and the
// start-up steps that follow the window's own (the about box, the document types, the file named
// on the command line).
class DesktopShell : public QObject {
    Q_OBJECT

public:
    DesktopShell(GameWindow& window, const QDir& programDir);
    ~DesktopShell() override;

    // Opens the help window at a context number's page.
    void ShowHelp(int context);
    // Help > Contents.
    void ShowContents();
    // Help > Help on This Window (F1): the page of the main window.
    void ShowWindowHelp();
    // Help > About, modal.
    void ShowAbout();
    // Help > Tutorial.
    void StartTutorial();
    // The tutorial's guide in a panel beside the board, at its first step.
    void ShowTutorialHelp();
    // The about box at start, unless the player switched it off.
    void ShowAboutAtStart();

    // For tests: the help window and the tutorial's panel (a TutorialGuidePanel inside), once
    // shown.
    HelpWindow* Help() const { return help_; }
    QDockWidget* TutorialPanel() const { return tutorialPanel_; }

private:
    void OpenPage(const QString& page);
    void AddHelpKey(QWidget& widget, int context);

    GameWindow& window_;
    QDir programDir_;
    HelpBook book_;
    QPointer<HelpWindow> help_;
    QPointer<QDockWidget> tutorialPanel_;
    TutorialCommand* tutorial_ = nullptr;
};

} // namespace marovane
