#pragma once

#include "ai/ComputerLevel.h"
#include "session/Settings.h"

#include <QObject>
#include <QStringList>

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace marovane {

// The main window's menus: Game, Options (with the unit picture sets), Player, Teams and Help,
// each item named as the window's commands know it (mnuGNew, mnuOCheck0, mnuTCheck2, ...). The
// menus only show state and report choices; the window acts on them.
class GameMenus : public QObject {
    Q_OBJECT

public:
    explicit GameMenus(QMenuBar& bar, QObject* parent = nullptr);

    QMenu* OptionsMenu() const { return optionsMenu_; }
    QMenu* TeamsMenu() const { return teamsMenu_; }
    QMenu* PlayerMenu() const { return playerMenu_; }
    QAction* Option(int index) const { return options_[static_cast<size_t>(index)]; }
    // Options > Computer Strength: one item per level, the level in force checked.
    QAction* Strength(ComputerLevel level) const { return strengths_[static_cast<size_t>(level)]; }
    QAction* Teams(int mode) const { return teams_[static_cast<size_t>(mode)]; }
    QAction* Computer() const { return computer_; }
    QAction* Resign() const { return resign_; }
    QAction* Save() const { return save_; }
    QAction* SaveAs() const { return saveAs_; }
    QAction* Undo() const { return undo_; }
    QAction* Resume() const { return resume_; }
    QAction* Leave() const { return leave_; }
    QMenu* RecentMenu() const { return recentMenu_; }

    // Options > Language: the system's language (an empty code), English and each
    // translation; the stored choice is checked.
    void SetLanguageChoice(const QString& code);
    QList<QAction*> LanguageItems() const { return languages_; }

    // The Player and Teams entries of the menu bar; both are off while no game runs.
    void SetGameMenusEnabled(bool player, bool teams);

    // Game > Recent: one item per file, its name shown and its path kept; "(none)" when empty.
    void SetRecentFiles(const QStringList& paths);

    // One checkable item per picture set, or a single "(none)" when there is no set.
    void SetPictureSets(const QStringList& names);
    // The items of the picture sets in order; "(none)" when there is none.
    QList<QAction*> PictureSetItems() const;

signals:
    void NewGame();
    void Load();
    void SaveGame();
    void SaveGameAs();
    void ConnectToHost();
    void LeaveNetworkGame();
    void UndoChosen();
    void ResumeChosen();
    // Game > Recent is about to open: the window fills it.
    void RecentWanted();
    void RecentChosen(const QString& path);
    void Exit();
    void OptionChosen(int index, bool checked);
    void StrengthChosen(ComputerLevel level);
    void PictureSetChosen(int index);
    void ComputerChosen();
    void ResignChosen();
    void TeamsChosen(int mode);
    void LanguageChosen(const QString& code);

private:
    void AddComforts(QMenu* game);
    void AddLanguages();

    QMenu* optionsMenu_ = nullptr;
    QMenu* playerMenu_ = nullptr;
    QMenu* teamsMenu_ = nullptr;
    QMenu* pictureMenu_ = nullptr;
    QList<QAction*> languages_;
    QActionGroup* pictureGroup_ = nullptr;
    std::array<QAction*, view_option::Count> options_{};
    std::array<QAction*, 2> strengths_{};
    std::array<QAction*, 5> teams_{};
    QAction* computer_ = nullptr;
    QAction* resign_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* resume_ = nullptr;
    QAction* leave_ = nullptr;
    QMenu* recentMenu_ = nullptr;
};

} // namespace marovane
